#include "cli/TerminalText.h"

#include <cstdio>
#include <string>

namespace palimora {
namespace {

std::string Escape(const char* format, unsigned value) {
    char escaped[8];
    std::snprintf(escaped, sizeof escaped, format, value);
    return escaped;
}

}  // namespace

TerminalTextBuffer::int_type TerminalTextBuffer::overflow(int_type c) {
    if (traits_type::eq_int_type(c, traits_type::eof())) return traits_type::not_eof(c);
    const auto byte = static_cast<unsigned char>(traits_type::to_char_type(c));
    std::string out;
    if (afterC2_) {
        afterC2_ = false;
        // U+0080..U+009F are the C1 controls, which terminals obey too.
        out = byte >= 0x80 && byte <= 0x9F ? Escape("\\u%04x", byte) : std::string{'\xC2', static_cast<char>(byte)};
    } else if (byte == 0xC2) {
        afterC2_ = true;
        return c;
    } else if ((byte < 0x20 && byte != '\n' && byte != '\t') || byte == 0x7F) {
        out = Escape("\\x%02x", byte);
    } else {
        out.assign(1, static_cast<char>(byte));
    }
    const auto size = static_cast<std::streamsize>(out.size());
    return target_->sputn(out.data(), size) == size ? c : traits_type::eof();
}

int TerminalTextBuffer::sync() { return target_->pubsync(); }

}  // namespace palimora
