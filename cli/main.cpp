#include "cli/CommandLine.h"
#include "cli/Terminal.h"
#include "cli/TerminalText.h"
#include "common/ProgramFolder.h"

#include <iostream>
#include <string>
#include <vector>

int main(int argc, char* argv[]) {
    // Whatever the messages name (a file, a server's reply) reaches the terminal with its control characters escaped.
    palimora::TerminalTextBuffer messagesBuffer(std::cerr.rdbuf());
    std::ostream messages(&messagesBuffer);
    palimora::SystemTerminal terminal(messages);
    const int status =
        palimora::RunCommandLine(palimora::ProgramFolder::OfRunningProgram(),
                                 std::vector<std::string>(argv + 1, argv + argc), std::cout, messages, terminal);
    messages.flush();
    return status;
}
