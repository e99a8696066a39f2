#include "cli/ProjectArgument.h"

#include "common/Cp1252.h"
#include "project/ProjectLayout.h"

#include <system_error>

namespace palimora {
namespace fs = std::filesystem;

std::optional<ProjectArgument> FindProject(const ProgramFolder& program, const std::string& project) {
    fs::path projectFolder = fs::path(project);
    std::error_code error;
    if (!fs::is_directory(projectFolder, error) || projectFolder.filename().empty()) {
        projectFolder = program.Projects() / fs::path(project);
    }
    projectFolder = fs::weakly_canonical(projectFolder, error);
    if (!fs::is_directory(project_layout::PicturesFolder(projectFolder), error)) return std::nullopt;
    return ProjectArgument{ProgramFolder(program.Root(), projectFolder.parent_path()),
                           Cp1252FromPath(projectFolder.filename()), projectFolder};
}

}  // namespace palimora
