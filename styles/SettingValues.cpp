#include "styles/SettingValues.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <iterator>
#include <limits>

namespace palimora::settings {
namespace {

// An integer from the whole (trimmed) line; nullopt when it is not one.
std::optional<long long> ParseInteger(std::string_view line, bool allowHex) {
    while (!line.empty() && line.front() == ' ') line.remove_prefix(1);
    while (!line.empty() && line.back() == ' ') line.remove_suffix(1);
    int base = 10;
    bool negative = false;
    if (!line.empty() && (line.front() == '-' || line.front() == '+')) {
        negative = line.front() == '-';
        line.remove_prefix(1);
    }
    if (allowHex && !line.empty() && line.front() == '$') {
        base = 16;
        line.remove_prefix(1);
    }
    long long value = 0;
    const auto [end, error] = std::from_chars(line.data(), line.data() + line.size(), value, base);
    if (line.empty() || error != std::errc() || end != line.data() + line.size()) return std::nullopt;
    return negative ? -value : value;
}

unsigned char Folded(unsigned char c) {
    if (c < 128) return static_cast<unsigned char>(std::tolower(c));
    // Windows-1252 capitals À..Þ (but ×) fold to à..þ; Š, Œ, Ž, Ÿ to š, œ, ž, ÿ.
    if (c >= 0xC0 && c <= 0xDE && c != 0xD7) return static_cast<unsigned char>(c + 0x20);
    switch (c) {
        case 0x8A: return 0x9A;
        case 0x8C: return 0x9C;
        case 0x8E: return 0x9E;
        case 0x9F: return 0xFF;
        default: return c;
    }
}

}  // namespace

int ResolveColour(int colour) {
    if (colour >= 0) return colour & 0xFFFFFF;
    // Indices of the system colours, in their order, in the classic scheme.
    static constexpr int kSystem[][3] = {
        {212, 208, 200}, {58, 110, 165},  {10, 36, 106},   {128, 128, 128}, {212, 208, 200}, {255, 255, 255},
        {0, 0, 0},       {0, 0, 0},       {0, 0, 0},       {255, 255, 255}, {212, 208, 200}, {212, 208, 200},
        {128, 128, 128}, {10, 36, 106},   {255, 255, 255}, {212, 208, 200}, {128, 128, 128}, {128, 128, 128},
        {0, 0, 0},       {212, 208, 200}, {255, 255, 255}, {64, 64, 64},    {212, 208, 200}, {0, 0, 0},
        {255, 255, 225}, {181, 181, 181}, {0, 0, 128},     {166, 202, 240}, {192, 192, 192}, {49, 106, 197},
        {236, 233, 216},
    };
    const unsigned index = static_cast<unsigned>(colour) & 0xFF;
    if (index >= std::size(kSystem)) return 0;
    return kSystem[index][0] + 256 * kSystem[index][1] + 65536 * kSystem[index][2];
}

bool ReadCheck(std::string_view line) { return line == "1"; }
std::string WriteCheck(bool checked) { return checked ? "1" : "0"; }

int ReadNumber(std::string_view line, const LineLayout& layout) {
    const auto value = ParseInteger(line, false);
    if (!value) return layout.initial;
    return static_cast<int>(std::clamp<long long>(*value, layout.minimum, layout.maximum));
}

int ReadColour(std::string_view line, const LineLayout& layout) {
    const auto value = ParseInteger(line, true);
    if (!value || *value < std::numeric_limits<int>::min() || *value > std::numeric_limits<int>::max()) {
        return layout.initial;
    }
    return static_cast<int>(*value);
}

std::string ReadText(std::string_view line, const std::string& defaultText) {
    return line.empty() ? defaultText : std::string(line);
}

bool SameIgnoringCase(std::string_view a, std::string_view b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return Folded(static_cast<unsigned char>(x)) == Folded(static_cast<unsigned char>(y));
           });
}

std::optional<std::size_t> ReadChoice(std::string_view line, const std::vector<std::string>& items) {
    if (items.empty()) return std::nullopt;
    if (line.empty()) return 0;
    for (std::size_t i = 0; i < items.size(); ++i) {
        if (SameIgnoringCase(items[i], line)) return i;
    }
    return std::nullopt;
}

std::optional<std::size_t> ReadPictureChoice(std::string_view line, const std::vector<std::string>& items) {
    if (items.empty()) return std::nullopt;
    const auto choice = ReadChoice(line, items);
    return choice ? choice : std::optional<std::size_t>(items.size() - 1);
}

ButtonMode ReadMode(std::string_view line) { return line == "1" ? ButtonMode::Texts : ButtonMode::Pictures; }
std::string WriteMode(ButtonMode mode) { return mode == ButtonMode::Texts ? "1" : "2"; }

}  // namespace palimora::settings
