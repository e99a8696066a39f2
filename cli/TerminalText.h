#pragma once

#include <ostream>
#include <streambuf>
#include <string>
#include <string_view>

namespace palimora {

// Text on its way to a terminal, with its control characters shown as
// escapes ("\x1b", "\u009b") so that a file name cannot retitle, recolour
// or clear the user's terminal. Line ends stay line ends.
std::string ForTerminal(std::string_view utf8);

// A stream buffer that passes everything written to it on to `target`
// through ForTerminal, byte by byte: every message the command line prints
// goes through one.
class TerminalTextBuffer : public std::streambuf {
public:
    explicit TerminalTextBuffer(std::streambuf* target) : target_(target) {}

protected:
    int_type overflow(int_type c) override;
    int sync() override;

private:
    std::streambuf* target_;
    bool afterC2_ = false;  // the first byte of a two-byte UTF-8 character U+0080..U+00BF
};

}  // namespace palimora
