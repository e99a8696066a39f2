#pragma once

#include "common/ProgramFolder.h"

#include <filesystem>
#include <optional>
#include <string>

namespace palimora {

// A project as the command line names it: a name under the program folder's
// Projets, or the path of a project folder anywhere.
struct ProjectArgument {
    ProgramFolder folder;     // its Projects() holds the project
    std::string projectName;  // Windows-1252, as the project folder is named
    std::filesystem::path projectFolder;
};

// The project argument as a path whose last name is written as the program
// keeps names: a literal reference ("&#26481;x") and the character it stands
// for ("東x") name one project, in one folder. Trailing separators go.
std::filesystem::path ProjectPath(const std::string& project);

// nullopt when no project folder (one with a pictures folder, and a texts
// folder or working settings) is there.
std::optional<ProjectArgument> FindProject(const ProgramFolder& program, const std::string& project);

}  // namespace palimora
