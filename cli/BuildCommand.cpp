#include "cli/BuildCommand.h"

#include "cli/ConsoleDialogs.h"
#include "cli/ProjectArgument.h"
#include "common/Cp1252.h"
#include "common/Error.h"
#include "common/ProgramFolder.h"
#include "sitegen/ProjectBuild.h"
#include "styles/ProjectSettings.h"

#include <ostream>

namespace palimora {

int BuildCommand(const ProgramFolder& program, const std::string& project, std::ostream& messages) {
    ConsoleDialogs dialogs(messages);
    try {
        const std::optional<ProjectArgument> found = FindProject(program, project);
        if (!found) {
            messages << "palimora-cli: no project at " << project << '\n';
            return 2;
        }
        const BuildRequest request{found->folder, found->projectName, {}};
        ConsoleProgress progress(messages);
        if (BuildProject(request, dialogs, progress) != BuildOutcome::Built) return 1;
        // The page see-the-result would open, as the build left the site.
        ProjectSettings settings;
        settings.LoadWorking(found->folder, found->projectName);
        if (const auto start = SiteStartPage(found->projectFolder, settings, true)) messages << start->string() << '\n';
        return 0;
    } catch (const PalimoraError& error) {
        dialogs.ShowMessageOk(error.UserMessage());
        return 1;
    }
}

}  // namespace palimora
