#include "project/CommaList.h"

namespace palimora {
namespace {

bool IsBlankOrControl(char c) {
    const auto code = static_cast<unsigned char>(c);
    return code >= 1 && code <= 32;
}

bool NeedsQuotes(std::string_view line) {
    for (char c : line) {
        if (static_cast<unsigned char>(c) <= 32 || c == '"' || c == ',') return true;
    }
    return false;
}

void SkipBlanks(std::string_view text, std::size_t& pos) {
    while (pos < text.size() && IsBlankOrControl(text[pos])) ++pos;
}

}  // namespace

std::string ToCommaList(const std::vector<std::string>& lines) {
    if (lines.size() == 1 && lines.front().empty()) return "\"\"";
    std::string out;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (i > 0) out += ',';
        if (!NeedsQuotes(lines[i])) {
            out += lines[i];
            continue;
        }
        out += '"';
        for (char c : lines[i]) {
            if (c == '"') out += '"';
            out += c;
        }
        out += '"';
    }
    return out;
}

std::vector<std::string> FromCommaList(std::string_view text) {
    std::vector<std::string> lines;
    std::size_t pos = 0;
    SkipBlanks(text, pos);
    while (pos < text.size()) {
        std::string item;
        if (text[pos] == '"') {
            ++pos;
            while (pos < text.size()) {
                if (text[pos] == '"') {
                    if (pos + 1 < text.size() && text[pos + 1] == '"') {
                        item += '"';
                        pos += 2;
                        continue;
                    }
                    ++pos;
                    break;
                }
                item += text[pos++];
            }
        } else {
            while (pos < text.size() && text[pos] != ',' && !IsBlankOrControl(text[pos])) item += text[pos++];
        }
        lines.push_back(std::move(item));
        SkipBlanks(text, pos);
        if (pos < text.size() && text[pos] == ',') {
            ++pos;
            SkipBlanks(text, pos);
        }
    }
    return lines;
}

}  // namespace palimora
