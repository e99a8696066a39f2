#pragma once

#include <ostream>
#include <streambuf>
#include <string>
#include <string_view>

namespace palimora {

// A stream buffer that passes everything written to it on to `target` with
// its control characters shown as escapes ("\x1b", "\u009b"), so that a
// file name cannot retitle, recolour or clear the user's terminal; line ends
// and tabs stay as they are. Every message the command line prints goes
// through one. Whole lines go on at once (one write each), the rest when
// the stream is flushed.
//
// On a terminal it also keeps one status line, rewritten in place; any other
// output first clears it.
class TerminalTextBuffer : public std::streambuf {
public:
    explicit TerminalTextBuffer(std::streambuf* target) : target_(target) {}
    ~TerminalTextBuffer() override;

    // Shows `utf8` (escaped as the rest) as the status line, in place of the last one.
    void ShowStatus(std::string_view utf8);
    // Takes the status line away, if one is shown.
    void ClearStatus();

protected:
    int_type overflow(int_type c) override;
    std::streamsize xsputn(const char* bytes, std::streamsize count) override;
    int sync() override;

private:
    // Writes what is held, escaped: the whole lines, or everything when `all`.
    bool Emit(bool all);
    std::string Escaped(std::string_view bytes, bool& afterC2) const;

    std::streambuf* target_;
    std::string held_;      // written to this buffer, not yet to the target
    bool afterC2_ = false;  // the first byte of a two-byte UTF-8 character U+0080..U+00BF
    bool statusShown_ = false;
};

// The columns of the terminal standard error goes to; 0 when it is none.
int StatusColumns();

}  // namespace palimora
