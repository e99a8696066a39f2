#include "cli/BuildCommand.h"

#include "cli/ConsoleDialogs.h"
#include "common/Cp1252.h"
#include "common/Error.h"
#include "common/ProgramFolder.h"
#include "sitegen/ProjectBuild.h"
#include "project/ProjectLayout.h"
#include "project/SiteLayout.h"

#include <ostream>
#include <system_error>

namespace palimora {
namespace fs = std::filesystem;

int BuildCommand(const ProgramFolder& program, const std::string& project, std::ostream& messages) {
    ConsoleDialogs dialogs(messages);
    try {
        // A path to a project folder, or a project name under Projets.
        fs::path projectFolder = fs::path(project);
        std::error_code error;
        if (!fs::is_directory(projectFolder, error) || projectFolder.filename().empty()) {
            projectFolder = program.Projects() / fs::path(project);
        }
        projectFolder = fs::weakly_canonical(projectFolder, error);
        if (!fs::is_directory(project_layout::PicturesFolder(projectFolder), error)) {
            messages << "palimora-cli: no project at " << projectFolder.string() << '\n';
            return 2;
        }
        const BuildRequest request{ProgramFolder(program.Root(), projectFolder.parent_path()),
                                   Cp1252FromPath(projectFolder.filename()), {}};
        ConsoleProgress progress(messages);
        if (BuildProject(request, dialogs, progress) != BuildOutcome::Built) return 1;
        messages << (projectFolder / site_layout::kStartPage).string() << '\n';
        return 0;
    } catch (const PalimoraError& error) {
        dialogs.ShowMessageOk(error.UserMessage());
        return 1;
    }
}

}  // namespace palimora
