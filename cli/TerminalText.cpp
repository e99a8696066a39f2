#include "cli/TerminalText.h"

#include <sys/ioctl.h>
#include <unistd.h>

#include <cstdio>

namespace palimora {
namespace {

// Past this many bytes without a line end, what is held goes on all the same.
constexpr std::size_t kMostHeld = 1 << 16;
// Back to the line's start, and the line's rest erased.
constexpr std::string_view kLineStart = "\r";
constexpr std::string_view kEraseToEnd = "\x1b[K";

std::string Escape(const char* format, unsigned value) {
    char escaped[8];
    std::snprintf(escaped, sizeof escaped, format, value);
    return escaped;
}

}  // namespace

TerminalTextBuffer::~TerminalTextBuffer() {
    ClearStatus();
    Emit(true);
}

std::string TerminalTextBuffer::Escaped(std::string_view bytes, bool& afterC2) const {
    std::string out;
    out.reserve(bytes.size());
    for (const char c : bytes) {
        const auto byte = static_cast<unsigned char>(c);
        if (afterC2) {
            afterC2 = false;
            // U+0080..U+009F are the C1 controls, which terminals obey too.
            if (byte >= 0x80 && byte <= 0x9F) {
                out += Escape("\\u%04x", byte);
            } else {
                out += '\xC2';
                out += c;
            }
        } else if (byte == 0xC2) {
            afterC2 = true;
        } else if ((byte < 0x20 && byte != '\n' && byte != '\t') || byte == 0x7F) {
            out += Escape("\\x%02x", byte);
        } else {
            out += c;
        }
    }
    return out;
}

bool TerminalTextBuffer::Emit(bool all) {
    const std::size_t end = all || held_.size() > kMostHeld ? held_.size() : held_.rfind('\n') + 1;
    if (end == 0) return true;  // no line end held (rfind's npos + 1)
    std::string out = Escaped(std::string_view(held_).substr(0, end), afterC2_);
    held_.erase(0, end);
    if (statusShown_) {
        out.insert(0, std::string(kLineStart) + std::string(kEraseToEnd));
        statusShown_ = false;
    }
    const auto size = static_cast<std::streamsize>(out.size());
    return target_->sputn(out.data(), size) == size;
}

TerminalTextBuffer::int_type TerminalTextBuffer::overflow(int_type c) {
    if (traits_type::eq_int_type(c, traits_type::eof())) return traits_type::not_eof(c);
    held_ += traits_type::to_char_type(c);
    if (c != '\n' && held_.size() <= kMostHeld) return c;
    return Emit(false) ? c : traits_type::eof();
}

std::streamsize TerminalTextBuffer::xsputn(const char* bytes, std::streamsize count) {
    held_.append(bytes, static_cast<std::size_t>(count));
    return Emit(false) ? count : 0;
}

int TerminalTextBuffer::sync() { return Emit(true) && target_->pubsync() == 0 ? 0 : -1; }

void TerminalTextBuffer::ShowStatus(std::string_view utf8) {
    Emit(true);
    bool afterC2 = false;
    const std::string out =
        std::string(kLineStart) + Escaped(utf8, afterC2) + (afterC2 ? "\xC2" : "") + std::string(kEraseToEnd);
    target_->sputn(out.data(), static_cast<std::streamsize>(out.size()));
    target_->pubsync();
    statusShown_ = true;
}

void TerminalTextBuffer::ClearStatus() {
    if (!statusShown_) return;
    const std::string out = std::string(kLineStart) + std::string(kEraseToEnd);
    target_->sputn(out.data(), static_cast<std::streamsize>(out.size()));
    target_->pubsync();
    statusShown_ = false;
}

int StatusColumns() {
    if (::isatty(STDERR_FILENO) != 1) return 0;
    winsize size{};
    if (::ioctl(STDERR_FILENO, TIOCGWINSZ, &size) != 0 || size.ws_col == 0) return 80;
    return size.ws_col;
}

}  // namespace palimora
