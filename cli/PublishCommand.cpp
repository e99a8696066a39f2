#include "cli/PublishCommand.h"

#include "cli/CommandSupport.h"
#include "cli/ConsoleDialogs.h"
#include "cli/ExitStatus.h"
#include "cli/ProjectArgument.h"
#include "cli/PublishOptions.h"
#include "cli/Terminal.h"
#include "cli/Usage.h"
#include "common/Cp1252.h"
#include "common/Error.h"
#include "lang/Language.h"
#include "lang/TextId.h"
#include "publish/PublishRun.h"
#include "publish/RemoteFolders.h"

#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <ostream>

namespace palimora {
namespace {

constexpr const char* kPasswordVariable = "PALIMORA_FTP_PASSWORD";

// The remote folder comes from --folder; the replace question goes to the
// terminal. Everything else is as for a build.
class PublishDialogs : public ConsoleDialogs {
public:
    PublishDialogs(std::ostream& out, const Language& language, Terminal& terminal, std::string folder)
        : ConsoleDialogs(out, &language), out_(out), language_(language), terminal_(terminal), folder_(std::move(folder)) {}

    std::optional<std::string> AskText(const std::string&, const std::string& prompt, const std::string&) override {
        out_ << Utf8FromCp1252(prompt) << ' ' << Utf8FromCp1252(folder_) << '\n';
        return folder_;
    }

    int AskYesNoCancel(const std::string& text) override {
        // Bounded: a terminal that keeps answering something else ends at its input's end.
        while (true) {
            const auto answer = terminal_.ReadLine(
                Utf8FromCp1252(text + " " + language_.LangText(TextId::YesNoCancelKeys)) + " ", false);
            if (!answer || answer->size() != 1) {
                if (!answer) return kModalCancel;
                continue;
            }
            // The English keys are taken in every language.
            switch (std::tolower(static_cast<unsigned char>(answer->front()))) {
                case 'y':
                case 'o': return kModalYes;
                case 'n': return kModalNo;
                case 'c':
                case 'a': return kModalCancel;
                default: break;
            }
        }
    }

private:
    std::ostream& out_;
    const Language& language_;
    Terminal& terminal_;
    std::string folder_;
};

class PublishConsoleProgress : public PublishProgress {
public:
    PublishConsoleProgress(std::ostream& out, const Language& language) : out_(out), language_(language) {}
    void SetMaximum(int maximum) override { maximum_ = maximum; }
    void Step() override { ++position_; }
    void SetStatus(const std::string& cp1252Text) override {
        out_ << "[" << std::min(position_, maximum_) << "/" << maximum_ << "] " << Utf8FromCp1252(cp1252Text) << '\n';
    }
    bool CancelRequested() override { return false; }
    void ReportPlan(const std::vector<PlannedFile>& plan) override {
        static constexpr TextId kStates[] = {TextId::PlanNew, TextId::PlanChanged, TextId::PlanUnchanged};
        int counts[3] = {};
        for (const PlannedFile& file : plan) {
            const int state = static_cast<int>(file.state);
            ++counts[state];
            out_ << "  " << Utf8FromCp1252(language_.LangText(kStates[state])) << "  "
                 << Utf8FromCp1252((file.folder.empty() ? "" : file.folder + "/") + file.name) << '\n';
        }
        out_ << Utf8FromCp1252(language_.LangText(TextId::PlanTotals)) << ' ' << counts[0] << ", " << counts[1] << ", "
             << counts[2] << '\n';
    }

private:
    std::ostream& out_;
    const Language& language_;
    int maximum_ = 0;
    int position_ = 0;
};

std::optional<std::string> Password(Terminal& terminal, const Language& language) {
    if (const char* password = std::getenv(kPasswordVariable)) return std::string(password);
    if (!terminal.Attached()) return std::nullopt;
    return terminal.ReadLine(Utf8FromCp1252(language.LangText(TextId::PasswordLabel)) + " ", true);
}

}  // namespace

int PublishCommand(const ProgramFolder& program, const std::vector<std::string>& arguments, std::ostream& messages,
                   Terminal& terminal) {
    const Language language = TerminalLanguage(program, messages);
    ArgumentProblem problem;
    const std::optional<PublishOptions> options = ParsePublishOptions(arguments, problem);
    if (!options) {
        Tell(messages, language.LangText(problem.text), problem.argument);
        PrintUsageLine(messages, CliCommand::Publish);
        return kExitBadArguments;
    }
    if (!options->replace && !terminal.Attached()) {
        Tell(messages, language.LangText(TextId::NoTerminalToAsk));
        return kExitBadArguments;
    }
    const std::optional<ProjectArgument> project = FindProject(program, options->project);
    if (!project) {
        Tell(messages, language.LangText(TextId::NoProjectAt), options->project);
        return kExitBadArguments;
    }
    const auto lock = TakeProgramFolder(program, language, messages);
    if (!lock) return kExitFolderInUse;
    const std::optional<std::string> password = Password(terminal, language);
    if (!password) {
        Tell(messages, language.LangText(TextId::NoPasswordGiven));
        return kExitBadArguments;
    }
    std::string folder = WebFolderName(project->projectName);
    if (options->folder) folder = Cp1252FromUtf8(*options->folder);

    PublishDialogs dialogs(messages, language, terminal, folder);
    PublishRequest request{project->folder, project->projectName,
                           FtpServer{options->host, options->port, options->user, *password, options->timeoutSeconds,
                                     options->trustFingerprint},
                           options->replace.value_or(ReplacePolicy::Ask)};
    PublishConsoleProgress progress(messages, language);
    const PublishOutcome outcome = PublishSite(request, language, dialogs, progress);
    if (outcome == PublishOutcome::Published) return kExitDone;
    Tell(messages, language.LangText(outcome == PublishOutcome::Cancelled ? TextId::PublishStopped : TextId::NotPublished));
    return kExitFailed;
}

}  // namespace palimora
