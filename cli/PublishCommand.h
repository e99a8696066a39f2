#pragma once

#include "cli/ConsoleProgress.h"

#include <iosfwd>
#include <string>
#include <vector>

namespace palimora {

class ProgramFolder;
class Terminal;

// palimora-cli publish <project> --host H [--port N] --user U [--folder PATH]
// [--replace ask|all|none|changed] [--timeout S]: the transfer window's run
// without windows. The password comes from PALIMORA_FTP_PASSWORD or, on a
// terminal, a prompt without echo. Progress (as `progress` says) and messages go to `messages`.
// Returns the exit status: 0 only when every file was sent, 2 for unusable
// arguments, 1 otherwise.
int PublishCommand(const ProgramFolder& program, const std::vector<std::string>& arguments, std::ostream& messages,
                   Terminal& terminal, const ProgressOutput& progress = {});

}  // namespace palimora
