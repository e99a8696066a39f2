#include "cli/BuildCommand.h"

#include "cli/CommandSupport.h"
#include "cli/ConsoleDialogs.h"
#include "cli/ExitStatus.h"
#include "cli/ProjectArgument.h"
#include "cli/Usage.h"
#include "common/Error.h"
#include "common/ProgramFolder.h"
#include "lang/TextId.h"
#include "sitegen/ProjectBuild.h"
#include "styles/ProjectSettings.h"

#include <ostream>

namespace palimora {

int BuildCommand(const ProgramFolder& program, const std::vector<std::string>& arguments, std::ostream& messages,
                 const ProgressOutput& progressOutput) {
    const Language language = TerminalLanguage(program, messages);
    std::vector<std::string> projects;
    for (const std::string& argument : arguments) {
        if (argument.starts_with("-")) {
            Tell(messages, language.LangText(TextId::UnknownOption), argument);
            PrintUsageLine(messages, CliCommand::Build, language);
            return kExitBadArguments;
        }
        projects.push_back(argument);
    }
    if (projects.size() != 1) {
        PrintUsageLine(messages, CliCommand::Build, language);
        return kExitBadArguments;
    }
    const std::optional<ProjectArgument> found = FindProjectTelling(program, projects.front(), language, messages);
    if (!found) return kExitBadArguments;
    const auto lock = TakeProgramFolder(program, language, messages);
    if (!lock) return kExitFolderInUse;

    ConsoleDialogs dialogs(messages, &language);
    try {
        const BuildRequest request{found->folder, found->projectName, {}, LocaleLanguageCode(program)};
        {
            // Its last status ends before the start page is told.
            ConsoleProgress progress(messages, progressOutput);
            if (BuildProject(request, dialogs, progress) != BuildOutcome::Built) return kExitFailed;
        }
        // The page see-the-result would open, as the build left the site.
        ProjectSettings settings;
        settings.LoadWorking(found->folder, found->projectName);
        if (const auto start = SiteStartPage(found->projectFolder, settings, true)) messages << start->string() << '\n';
        return kExitDone;
    } catch (const PalimoraError& error) {
        dialogs.ShowMessageOk(error.UserMessage());
        return kExitFailed;
    }
}

}  // namespace palimora
