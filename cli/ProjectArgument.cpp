#include "cli/ProjectArgument.h"

#include "common/Cp1252.h"
#include "project/ProjectLayout.h"

#include <system_error>
#include <vector>

namespace palimora {
namespace fs = std::filesystem;

namespace {

// A pictures folder alone does not make a project: many web sites have one.
bool IsProjectFolder(const fs::path& folder) {
    std::error_code error;
    return fs::is_directory(project_layout::PicturesFolder(folder), error) &&
           (fs::is_directory(project_layout::TextsFolder(folder), error) ||
            fs::is_regular_file(project_layout::WorkingSettingsFile(folder), error));
}

}  // namespace

fs::path ProjectPath(const std::string& project) {
    fs::path path(project);
    while (path.has_parent_path() && path.filename().empty() && path.parent_path() != path) path = path.parent_path();
    const Utf8Text name = Utf8OfPath(path.filename());
    if (name.empty() || !IsStorableText(name)) return path;
    return path.parent_path() / PathFromCp1252(Cp1252FromUtf8(name));
}

std::optional<ProjectArgument> FindProject(const ProgramFolder& program, const std::string& project) {
    const fs::path given = ProjectPath(project);
    // A bare name is a project of Projets first, then a folder of the
    // current folder; anything with a separator is a path.
    std::vector<fs::path> candidates;
    if (!given.has_parent_path() && !given.filename().empty() && given.filename() != "." && given.filename() != "..") {
        candidates.push_back(program.Projects() / given);
    }
    candidates.push_back(given);
    for (const fs::path& candidate : candidates) {
        std::error_code error;
        fs::path projectFolder = fs::weakly_canonical(fs::absolute(candidate, error), error);
        if (error || !IsProjectFolder(projectFolder)) continue;
        if (projectFolder.filename().empty()) projectFolder = projectFolder.parent_path();  // a trailing separator
        return ProjectArgument{ProgramFolder(program.Root(), projectFolder.parent_path()),
                               Cp1252FromPath(projectFolder.filename()), projectFolder};
    }
    return std::nullopt;
}

}  // namespace palimora
