#pragma once

#include <iosfwd>
#include <string>
#include <vector>

namespace palimora {

class ProgramFolder;

// palimora-cli add <project> <files...> [--convert] [--gallery NAME]
// [--titles-from-names]: adds pictures after the project's last one, as the
// add button does, and puts them in a gallery (AddedGalleries.h). The project (a name under Projets,
// or a folder path) is created when it does not exist yet. A file is taken
// for what its bytes hold, not for its name. --convert answers yes to the
// question of turning a picture into JPEG; without it such a picture is
// skipped with its message. --titles-from-names keeps the file names as
// titles where a photo carries texts of its own. Returns the exit status (ExitStatus.h): done
// only when every file was added.
int AddCommand(const ProgramFolder& program, const std::vector<std::string>& arguments, std::ostream& messages);

}  // namespace palimora
