#pragma once

#include "cli/ConsoleProgress.h"

#include <iosfwd>
#include <string>
#include <vector>

namespace palimora {

class ProgramFolder;

// palimora-cli build <project>: the build window's run without windows.
// The project is a name under the program folder's Projets, or the path of
// a project folder. Returns the exit status (ExitStatus.h): done only when
// the site was built. Progress shows as `progress` says.
int BuildCommand(const ProgramFolder& program, const std::vector<std::string>& arguments, std::ostream& messages,
                 const ProgressOutput& progress = {});

}  // namespace palimora
