#pragma once

#include <ostream>
#include <string>
#include <vector>

namespace palimora {

class ProgramFolder;

// palimora-cli sort PROJECT --by date|name [--gallery NAME]: puts each
// gallery's pictures (or the named gallery's) in the order they were taken,
// or of their titles. Returns the exit status.
int SortCommand(const ProgramFolder& program, const std::vector<std::string>& arguments, std::ostream& messages);

}  // namespace palimora
