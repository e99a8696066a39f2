#include "cli/CommandLine.h"
#include "cli/ExitStatus.h"
#include "cli/Terminal.h"
#include "cli/TerminalText.h"
#include "common/Cp1252.h"
#include "lang/StartFolder.h"

#include <iostream>
#include <string>
#include <vector>

int main(int argc, char* argv[]) {
    // Whatever the messages name (a file, a server's reply) reaches the terminal with its control characters escaped.
    palimora::TerminalTextBuffer messagesBuffer(std::cerr.rdbuf());
    std::ostream messages(&messagesBuffer);
    palimora::SystemTerminal terminal(messages);
    const std::vector<std::string> arguments(argv + 1, argv + argc);
    const palimora::StartFolder start = palimora::FindStartFolder();
    int status = palimora::kExitFailed;
    if (start.problem.empty() || palimora::NeedsNoProgramFolder(arguments)) {
        status = palimora::RunCommandLine(start.folder, arguments, std::cout, messages, terminal,
                                          palimora::StatusColumns() > 0 ? &messagesBuffer : nullptr);
    } else {
        messages << palimora::Utf8FromCp1252(start.problem).Bytes() << '\n';
    }
    messages.flush();
    return status;
}
