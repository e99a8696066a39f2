#include "sitegen/TextWidth.h"

#include "common/Cp1252.h"

#include <algorithm>
#include <array>

namespace palimora {
namespace {

constexpr double kPixelSize = 11.0;

// Advance widths in thousandths of the font size, by Windows-1252 byte
// (Arial's metrics; accented letters take their base letter's width).
constexpr std::array<short, 256> BuildWidths() {
    std::array<short, 256> w{};
    for (auto& value : w) value = 556;  // digits and most lower-case letters
    for (char c : std::string_view(" !,./:;I[\\]ft")) w[static_cast<unsigned char>(c)] = 278;
    for (char c : std::string_view("ijl")) w[static_cast<unsigned char>(c)] = 222;
    struct Pair {
        char c;
        short width;
    };
    constexpr Pair others[] = {
        {'"', 355}, {'#', 556}, {'%', 889}, {'&', 667}, {'\'', 191}, {'(', 333}, {')', 333},  {'*', 389},
        {'+', 584}, {'-', 333}, {'<', 584}, {'=', 584}, {'>', 584},  {'?', 556}, {'@', 1015}, {'A', 667},
        {'B', 667}, {'C', 722}, {'D', 722}, {'E', 667}, {'F', 611},  {'G', 778}, {'H', 722},  {'J', 500},
        {'K', 667}, {'L', 556}, {'M', 833}, {'N', 722}, {'O', 778},  {'P', 667}, {'Q', 778},  {'R', 722},
        {'S', 667}, {'T', 611}, {'U', 722}, {'V', 667}, {'W', 944},  {'X', 667}, {'Y', 667},  {'Z', 611},
        {'^', 469}, {'`', 333}, {'c', 500}, {'k', 500}, {'m', 833},  {'r', 333}, {'s', 500},  {'v', 500},
        {'w', 722}, {'x', 500}, {'y', 500}, {'z', 500}, {'{', 334},  {'|', 260}, {'}', 334},  {'~', 584},
    };
    for (const Pair& pair : others) w[static_cast<unsigned char>(pair.c)] = pair.width;
    // Windows-1252 punctuation and the Latin-1 letters.
    constexpr std::pair<int, short> high[] = {
        {0x80, 556},  {0x82, 222},  {0x84, 333},  {0x85, 1000}, {0x86, 556}, {0x87, 556}, {0x89, 1000}, {0x8A, 667},
        {0x8B, 333},  {0x8C, 1000}, {0x8E, 611},  {0x91, 222},  {0x92, 222}, {0x93, 333}, {0x94, 333},  {0x95, 350},
        {0x96, 556},  {0x97, 1000}, {0x99, 1000}, {0x9A, 500},  {0x9B, 333}, {0x9C, 944}, {0x9E, 500},  {0x9F, 667},
        {0xA0, 278},  {0xA1, 333},  {0xA9, 737},  {0xAB, 556},  {0xAE, 737}, {0xB0, 400}, {0xBB, 556},  {0xBF, 611},
        {0xC6, 1000}, {0xC7, 722},  {0xD0, 722},  {0xD1, 722},  {0xD7, 584}, {0xDE, 667}, {0xDF, 611},  {0xE6, 889},
        {0xE7, 500},  {0xF7, 584},  {0xFD, 500},  {0xFF, 500},
    };
    for (const auto& [byte, width] : high) w[byte] = width;
    for (int c = 0xC0; c <= 0xC5; ++c) w[c] = 667;  // À..Å
    for (int c = 0xC8; c <= 0xCB; ++c) w[c] = 667;  // È..Ë
    for (int c = 0xCC; c <= 0xCF; ++c) w[c] = 278;  // Ì..Ï
    for (int c = 0xD2; c <= 0xD6; ++c) w[c] = 778;  // Ò..Ö
    for (int c = 0xD8; c <= 0xDC; ++c) w[c] = c == 0xD8 ? 778 : 722;
    w[0xDD] = 667;
    for (int c = 0xEC; c <= 0xEF; ++c) w[c] = 278;  // ì..ï
    return w;
}

constexpr std::array<short, 256> kWidths = BuildWidths();

// The width of the character at `pos`, and its length in bytes. A character
// beyond Windows-1252 is as wide as a digit, or as the font's size for the
// ideographs and syllables of East Asian scripts.
std::pair<int, std::size_t> CharacterAt(std::string_view text, std::size_t pos) {
    if (const auto reference = ReferenceAt(text, pos)) {
        return {reference->codePoint >= 0x2E80 ? 1000 : 556, reference->length};
    }
    return {kWidths[static_cast<unsigned char>(text[pos])], 1};
}

}  // namespace

double TextWidth(std::string_view cp1252) {
    double total = 0;
    for (std::size_t pos = 0; pos < cp1252.size();) {
        const auto [width, length] = CharacterAt(cp1252, pos);
        total += width;
        pos += length;
    }
    return total * kPixelSize / 1000.0;
}

std::vector<std::string> WrapLine(std::string_view line, double width) {
    std::vector<std::string> lines;
    while (TextWidth(line) > width) {
        // The longest start of the line that fits (one character at least).
        std::size_t fits = 0;
        for (double used = 0; fits < line.size();) {
            const auto [characterWidth, length] = CharacterAt(line, fits);
            used += characterWidth * kPixelSize / 1000.0;
            if (used > width) break;
            fits += length;
        }
        fits = std::max(fits, CharacterAt(line, 0).second);
        std::size_t cut = fits, next = fits;
        if (line[fits] == ' ') {
            while (next < line.size() && line[next] == ' ') ++next;  // blanks at the break vanish
        } else if (const auto blank = line.substr(0, fits).rfind(' '); blank != std::string_view::npos) {
            cut = next = blank + 1;  // the word moves down; its blank ends this line
        }
        lines.emplace_back(line.substr(0, cut));
        line.remove_prefix(next);
    }
    lines.emplace_back(line);
    return lines;
}

}  // namespace palimora
