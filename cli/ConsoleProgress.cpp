#include "cli/ConsoleProgress.h"

#include "cli/TerminalText.h"
#include "common/Cp1252.h"

#include <algorithm>
#include <ostream>

namespace palimora {
namespace {

constexpr auto kStatusInterval = std::chrono::milliseconds(100);

// `text` as a JSON string.
std::string JsonString(const std::string& utf8) {
    std::string out = "\"";
    for (const char c : utf8) {
        const auto byte = static_cast<unsigned char>(c);
        if (c == '"' || c == '\\') {
            out += '\\';
            out += c;
        } else if (byte < 0x20) {
            char escaped[8];
            std::snprintf(escaped, sizeof escaped, "\\u%04x", byte);
            out += escaped;
        } else {
            out += c;
        }
    }
    return out + "\"";
}

// The first `columns` - 1 characters of `utf8`, so that the line never wraps.
std::string Fitted(const std::string& utf8, int columns) {
    int characters = 0;
    for (std::size_t i = 0; i < utf8.size(); ++i) {
        if ((static_cast<unsigned char>(utf8[i]) & 0xC0) == 0x80) continue;
        if (++characters >= columns) return utf8.substr(0, i);
    }
    return utf8;
}

}  // namespace

ConsoleProgress::ConsoleProgress(std::ostream& out, ProgressOutput output) : out_(out), output_(output) {
    if (output_.style == ProgressStyle::StatusLine && !output_.terminal) output_.style = ProgressStyle::Lines;
    if (output_.style == ProgressStyle::Json && !output_.json) output_.style = ProgressStyle::Lines;
}

ConsoleProgress::~ConsoleProgress() {
    if (status_.empty()) return;
    if (output_.style == ProgressStyle::StatusLine) {
        output_.terminal->ClearStatus();
        out_ << Line() << '\n';
    } else if (output_.style == ProgressStyle::Quiet) {
        out_ << status_ << '\n';
    }
    out_.flush();
}

std::string ConsoleProgress::Line() const {
    return "[" + std::to_string(std::min(position_, maximum_)) + "/" + std::to_string(maximum_) + "] " + status_;
}

void ConsoleProgress::SetStatus(const std::string& cp1252Text) {
    status_ = Utf8FromCp1252(cp1252Text).Bytes();
    switch (output_.style) {
        case ProgressStyle::Lines: out_ << Line() << '\n'; return;
        case ProgressStyle::Quiet: return;
        case ProgressStyle::Json:
            *output_.json << "{\"step\":" << JsonString(status_) << ",\"done\":" << std::min(position_, maximum_)
                          << ",\"total\":" << maximum_ << "}\n"
                          << std::flush;
            return;
        case ProgressStyle::StatusLine: break;
    }
    const auto now = std::chrono::steady_clock::now();
    if (now - shownAt_ < kStatusInterval) return;
    shownAt_ = now;
    out_.flush();  // a message before it stays above it
    output_.terminal->ShowStatus(Fitted(Line(), StatusColumns()));
}

}  // namespace palimora
