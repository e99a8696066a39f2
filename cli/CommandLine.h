#pragma once

#include <iosfwd>
#include <string>
#include <vector>

namespace palimora {

class ProgramFolder;
class Terminal;
class TerminalTextBuffer;

// palimora-cli as a whole: `arguments` are those after the program's name.
// Help, the version and --progress=json's objects go to `out`; messages and
// progress to `messages`, whose buffer is `statusLine` when it reaches a
// terminal (progress is then one line rewritten in place). Every command
// runs under one guard: whatever it throws is told in the user's language
// and ends it with kExitFailed. Returns the exit status.
int RunCommandLine(const ProgramFolder& program, const std::vector<std::string>& arguments, std::ostream& out,
                   std::ostream& messages, Terminal& terminal, TerminalTextBuffer* statusLine = nullptr);

// True for the calls that only print help or the version: they read the
// program's data and write nothing, so they run from a read-only copy too.
bool NeedsNoProgramFolder(const std::vector<std::string>& arguments);

}  // namespace palimora
