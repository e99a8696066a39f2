#pragma once

#include <ostream>
#include <streambuf>

namespace palimora {

// A stream buffer that passes everything written to it on to `target` with
// its control characters shown as escapes ("\x1b", "\u009b"), so that a
// file name cannot retitle, recolour or clear the user's terminal; line ends
// and tabs stay as they are. Every message the command line prints goes
// through one.
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
