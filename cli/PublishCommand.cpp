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
#include "project/SiteAddress.h"
#include "publish/PasswordStore.h"
#include "publish/PlanText.h"
#include "publish/PublishRun.h"
#include "publish/ServerAddress.h"

#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <ostream>

namespace palimora {
namespace {

constexpr const char* kPasswordVariable = "PALIMORA_FTP_PASSWORD";

// The remote folder comes from --folder, else it is the one offered (the
// last one published to there, or the project's name); the plan's question
// goes to the terminal. Everything else is as for a build.
class PublishDialogs : public ConsoleDialogs {
public:
    PublishDialogs(std::ostream& out, const Language& language, Terminal& terminal, std::optional<std::string> folder)
        : ConsoleDialogs(out, &language),
          out_(out),
          language_(language),
          terminal_(terminal),
          folder_(std::move(folder)) {}

    std::optional<std::string> AskText(const std::string&, const std::string& prompt,
                                       const std::string& offered) override {
        const std::string folder = folder_.value_or(offered);
        out_ << Utf8FromCp1252(prompt) << ' ' << Utf8FromCp1252(folder) << '\n';
        return folder;
    }

    // The buttons numbered; an empty answer is the default.
    int AskChoice(const std::string& text, const std::string& details, const std::vector<std::string>& buttons,
                  int defaultButton) override {
        out_ << Utf8FromCp1252(text) << '\n';
        (void)details;  // printed with the plan already
        for (std::size_t i = 0; i < buttons.size(); ++i)
            out_ << "  " << i + 1 << "  " << Utf8FromCp1252(buttons[i]) << '\n';
        // Bounded: a terminal that keeps answering something else ends at its input's end.
        while (true) {
            const auto answer =
                terminal_.ReadLine(Utf8FromCp1252(language_.LangText(TextId::ChoiceKeys) + " ").Bytes(), false);
            if (!answer) return -1;
            if (answer->empty()) return defaultButton;
            if (answer->size() == 1 && answer->front() >= '1' &&
                answer->front() < '1' + static_cast<int>(buttons.size())) {
                return answer->front() - '1';
            }
        }
    }

private:
    std::ostream& out_;
    const Language& language_;
    Terminal& terminal_;
    std::optional<std::string> folder_;
};

// The terminal's progress, with the plan printed before anything is sent.
class PublishConsoleProgress : public ConsoleProgress {
public:
    PublishConsoleProgress(std::ostream& out, const Language& language, const ProgressOutput& output)
        : ConsoleProgress(out, output), out_(out), language_(language) {}
    void ReportPlan(const std::vector<PlannedFile>& plan) override {
        if (Quiet()) return;
        const std::string details = PlanDetails(plan, language_);
        if (!details.empty()) out_ << Utf8FromCp1252(language_.LangText(TextId::PlanHeading) + "\n" + details);
        out_ << Utf8FromCp1252(PlanCounts(plan, language_));
    }

private:
    std::ostream& out_;
    const Language& language_;
};

// From the environment, else the desktop's keyring, else the terminal.
std::optional<std::string> Password(const PublishOptions& options, Terminal& terminal, const Language& language) {
    if (const char* password = std::getenv(kPasswordVariable)) return std::string(password);
    const std::string server = ServerName(ParseServerAddress(options.host, options.port));
    if (auto remembered = password_store::Find(server, options.user)) return remembered;
    if (!terminal.Attached()) return std::nullopt;
    return terminal.ReadLine(Utf8FromCp1252(language.LangText(TextId::PasswordLabel) + " ").Bytes(), true);
}

// Keeps the site's web address with the project, as the window does; the
// pages name it from their next build on. False when it cannot be written.
bool KeepWebAddress(const std::filesystem::path& projectFolder, const std::string& address, const Language& language,
                    std::ostream& messages) {
    if (SavedWebAddress(projectFolder) == address) return true;
    try {
        SaveWebAddress(projectFolder, address);
    } catch (const PalimoraError& error) {
        Tell(messages, error.UserMessage());
        return false;
    }
    Tell(messages, language.LangText(TextId::WebAddressKept), address);
    return true;
}

}  // namespace

int PublishCommand(const ProgramFolder& program, const std::vector<std::string>& arguments, std::ostream& messages,
                   Terminal& terminal, const ProgressOutput& progressOutput) {
    const Language language = TerminalLanguage(program, messages);
    ArgumentProblem problem;
    const std::optional<PublishOptions> options = ParsePublishOptions(arguments, problem);
    if (!options) {
        Tell(messages, language.LangText(problem.text), problem.argument);
        PrintUsageLine(messages, CliCommand::Publish, language);
        return kExitBadArguments;
    }
    if (!options->replace && !terminal.Attached()) {
        Tell(messages, language.LangText(TextId::NoTerminalToAsk));
        return kExitBadArguments;
    }
    const std::optional<ProjectArgument> project = FindProjectTelling(program, options->project, language, messages);
    if (!project) return kExitBadArguments;
    const auto lock = TakeProgramFolder(program, language, messages);
    if (!lock) return kExitFolderInUse;
    if (!options->webAddress.empty() &&
        !KeepWebAddress(project->folder.Project(project->projectName), options->webAddress, language, messages)) {
        return kExitFailed;
    }
    const std::optional<std::string> password = Password(*options, terminal, language);
    if (!password) {
        Tell(messages, language.LangText(TextId::NoPasswordGiven));
        return kExitBadArguments;
    }
    std::optional<std::string> folder;
    if (options->folder) folder = Cp1252FromUtf8(Utf8Text(*options->folder));

    PublishDialogs dialogs(messages, language, terminal, folder);
    PublishRequest request{project->folder, project->projectName,
                           FtpServer{options->host, options->port, options->user, *password, options->timeoutSeconds,
                                     options->trustFingerprint,
                                     options->allowPlain ? FtpServer::PlainFtp::Allowed : FtpServer::PlainFtp::Refused},
                           options->replace.value_or(ReplacePolicy::Ask), options->removeOldFiles};
    PublishOutcome outcome = PublishOutcome::Failed;
    {
        PublishConsoleProgress progress(messages, language, progressOutput);
        outcome = PublishSite(request, language, dialogs, progress);
    }
    if (outcome == PublishOutcome::Published) return kExitDone;
    Tell(messages,
         language.LangText(outcome == PublishOutcome::Cancelled ? TextId::PublishStopped : TextId::NotPublished));
    return kExitFailed;
}

}  // namespace palimora
