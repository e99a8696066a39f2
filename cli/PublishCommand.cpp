#include "cli/PublishCommand.h"

#include "cli/ConsoleDialogs.h"
#include "cli/ProjectArgument.h"
#include "cli/PublishOptions.h"
#include "cli/Terminal.h"
#include "common/Cp1252.h"
#include "common/Error.h"
#include "lang/Language.h"
#include "publish/PublishRun.h"

#include <algorithm>
#include <cstdlib>
#include <ostream>

namespace palimora {
namespace {

constexpr const char* kPasswordVariable = "PALIMORA_FTP_PASSWORD";

// The remote folder comes from --folder; the replace question goes to the
// terminal. Everything else is as for a build.
class PublishDialogs : public ConsoleDialogs {
public:
    PublishDialogs(std::ostream& out, Terminal& terminal, std::string folder)
        : ConsoleDialogs(out), out_(out), terminal_(terminal), folder_(std::move(folder)) {}

    std::optional<std::string> AskText(const std::string&, const std::string& prompt, const std::string&) override {
        out_ << Utf8FromCp1252(prompt) << ' ' << Utf8FromCp1252(folder_) << '\n';
        return folder_;
    }

    int AskYesNoCancel(const std::string& text) override {
        // Bounded: a terminal that keeps answering something else ends at its input's end.
        while (true) {
            const auto answer = terminal_.ReadLine(Utf8FromCp1252(text) + " [y/n/c] ", false);
            if (!answer) return kModalCancel;
            if (*answer == "y" || *answer == "Y") return kModalYes;
            if (*answer == "n" || *answer == "N") return kModalNo;
            if (*answer == "c" || *answer == "C") return kModalCancel;
        }
    }

private:
    std::ostream& out_;
    Terminal& terminal_;
    std::string folder_;
};

class PublishConsoleProgress : public PublishProgress {
public:
    explicit PublishConsoleProgress(std::ostream& out) : out_(out) {}
    void SetMaximum(int maximum) override { maximum_ = maximum; }
    void Step() override { ++position_; }
    void SetStatus(const std::string& cp1252Text) override {
        out_ << "[" << std::min(position_, maximum_) << "/" << maximum_ << "] " << Utf8FromCp1252(cp1252Text) << '\n';
    }
    bool CancelRequested() override { return false; }
    void ReportPlan(const std::vector<PlannedFile>& plan) override {
        static constexpr const char* kStates[] = {"new", "changed", "unchanged"};
        int counts[3] = {};
        for (const PlannedFile& file : plan) {
            const int state = static_cast<int>(file.state);
            ++counts[state];
            out_ << "  " << kStates[state] << "  " << (file.folder.empty() ? "" : file.folder + "/") << file.name << '\n';
        }
        out_ << "plan: " << counts[0] << " new, " << counts[1] << " changed, " << counts[2] << " unchanged\n";
    }

private:
    std::ostream& out_;
    int maximum_ = 0;
    int position_ = 0;
};

std::optional<std::string> Password(Terminal& terminal) {
    if (const char* password = std::getenv(kPasswordVariable)) return std::string(password);
    if (!terminal.Attached()) return std::nullopt;
    return terminal.ReadLine("Password: ", true);
}

}  // namespace

int PublishCommand(const ProgramFolder& program, const std::vector<std::string>& arguments, std::ostream& messages,
                   Terminal& terminal) {
    std::string problem;
    const std::optional<PublishOptions> options = ParsePublishOptions(arguments, problem);
    if (!options) {
        messages << "palimora-cli publish: " << problem << '\n';
        return 2;
    }
    if (!options->replace && !terminal.Attached()) {
        messages << "palimora-cli publish: no terminal to ask on: give --replace all, none, changed or ask\n";
        return 2;
    }
    const std::optional<ProjectArgument> project = FindProject(program, options->project);
    if (!project) {
        messages << "palimora-cli publish: no project at " << options->project << '\n';
        return 2;
    }
    const std::optional<std::string> password = Password(terminal);
    if (!password) {
        messages << "palimora-cli publish: no password: set " << kPasswordVariable << '\n';
        return 2;
    }
    try {
        std::string folder = project->projectName;
        std::replace(folder.begin(), folder.end(), ' ', '_');
        if (options->folder) folder = Cp1252FromUtf8(*options->folder);

        Language language;
        PublishDialogs dialogs(messages, terminal, folder);
        if (const std::string missing = language.LoadChosen(project->folder); !missing.empty()) {
            dialogs.ShowMessageOk(missing);
        }
        PublishRequest request{project->folder, project->projectName,
                               FtpServer{options->host, options->port, options->user, *password,
                                         options->timeoutSeconds, options->trustFingerprint},
                               options->replace.value_or(ReplacePolicy::Ask)};
        PublishConsoleProgress progress(messages);
        const PublishOutcome outcome = PublishSite(request, language, dialogs, progress);
        if (outcome == PublishOutcome::Published) return 0;
        messages << "palimora-cli publish: "
                 << (outcome == PublishOutcome::Cancelled ? "stopped" : "not published") << '\n';
        return 1;
    } catch (const PalimoraError& error) {
        messages << "palimora-cli publish: " << Utf8FromCp1252(error.UserMessage()) << '\n';
        return 1;
    }
}

}  // namespace palimora
