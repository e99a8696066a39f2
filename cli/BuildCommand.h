#pragma once

#include <filesystem>
#include <iosfwd>
#include <string>

namespace palimora {

class ProgramFolder;

// palimora-cli build <project>: the build window's run without windows.
// `project` is a name under the program folder's Projets, or the path of a
// project folder. Returns the exit status: 0 only when the site was built.
int BuildCommand(const ProgramFolder& program, const std::string& project, std::ostream& messages);

}  // namespace palimora
