#include "cli/Terminal.h"

#include <termios.h>
#include <unistd.h>
#include <iostream>

namespace palimora {

bool SystemTerminal::Attached() const { return ::isatty(STDIN_FILENO) == 1; }

std::optional<std::string> SystemTerminal::ReadLine(const std::string& prompt, bool secret) {
    prompts_ << prompt << std::flush;
    termios saved{};
    const bool hide = secret && ::tcgetattr(STDIN_FILENO, &saved) == 0;
    if (hide) {
        termios quiet = saved;
        quiet.c_lflag &= ~static_cast<tcflag_t>(ECHO);
        ::tcsetattr(STDIN_FILENO, TCSAFLUSH, &quiet);
    }
    std::string line;
    const bool read = static_cast<bool>(std::getline(std::cin, line));
    if (hide) {
        ::tcsetattr(STDIN_FILENO, TCSAFLUSH, &saved);
        prompts_ << '\n';
    }
    if (!read) return std::nullopt;
    return line;
}

}  // namespace palimora
