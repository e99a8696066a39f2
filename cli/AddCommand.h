#pragma once

#include <iosfwd>
#include <string>
#include <vector>

namespace palimora {

class ProgramFolder;

// palimora-cli add <project> <files...> [--convert]: adds pictures after the
// project's last one, as the add button does. The project (a name under
// Projets, or a folder path) is created when it does not exist yet.
// --convert answers yes to the question of turning a picture into JPEG;
// without it such a picture is skipped with its message. Returns the exit
// status: 0 only when every file was added, 2 for unusable arguments.
int AddCommand(const ProgramFolder& program, const std::vector<std::string>& arguments, std::ostream& messages);

}  // namespace palimora
