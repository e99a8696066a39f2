#include "sitegen/PageEncoding.h"

#include "common/Cp1252.h"
#include "sitegen/PageLines.h"

#include <algorithm>
#include <cctype>
#include <string>
#include <string_view>

namespace palimora {
namespace {

std::string Lowered(std::string_view text) {
    std::string lowered(text);
    std::transform(lowered.begin(), lowered.end(), lowered.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return lowered;
}

// Gives each "charset=" of the line the value utf-8; false when it has none.
bool DeclareUtf8(std::string& line) {
    static constexpr std::string_view kDeclaration = "charset=";
    bool declared = false;
    std::string lowered = Lowered(line);  // kept alongside: "utf-8" is the same lowered
    for (std::size_t at = lowered.find(kDeclaration); at != std::string::npos;
         at = lowered.find(kDeclaration, at + 1)) {
        std::size_t start = at + kDeclaration.size();
        const bool quoted = start < line.size() && (line[start] == '"' || line[start] == '\'');
        if (quoted) ++start;
        std::size_t end = start;
        while (end < line.size() &&
               (std::isalnum(static_cast<unsigned char>(line[end])) || line[end] == '-' || line[end] == '_')) {
            ++end;
        }
        line.replace(start, end - start, "utf-8");
        lowered.replace(start, end - start, "utf-8");
        declared = true;
    }
    return declared;
}

// Whether `text` holds `lowerNeedle` in any letter case.
bool HoldsNoCase(std::string_view text, std::string_view lowerNeedle) {
    const auto found = std::search(text.begin(), text.end(), lowerNeedle.begin(), lowerNeedle.end(),
                                   [](char a, char b) { return std::tolower(static_cast<unsigned char>(a)) == b; });
    return found != text.end();
}

bool IsAscii(std::string_view text) {
    return std::all_of(text.begin(), text.end(), [](char c) { return static_cast<unsigned char>(c) < 0x80; });
}

bool NeedsUtf8(const PageLines& page) {
    return std::any_of(page.Lines().begin(), page.Lines().end(),
                       [](const std::string& line) { return HoldsReferences(line); });
}

}  // namespace

void EncodePage(PageLines& page, bool todaysBrowsers) {
    if (!todaysBrowsers && !NeedsUtf8(page)) return;
    bool declared = false;
    int head = -1;
    for (int i = 0; i < page.Count(); ++i) {
        // Most lines are ASCII without a declaration: they stay as they are.
        // UTF-8 adds no ASCII byte, so what is looked for is found alike before or after.
        const std::string& original = page.Lines()[static_cast<std::size_t>(i)];
        if (head < 0 && HoldsNoCase(original, "<head")) head = i;
        const bool ascii = IsAscii(original);
        const bool declaring = HoldsNoCase(original, "charset=");
        if (ascii && !declaring) continue;
        std::string line = ascii ? original : Utf8FromCp1252(original).Bytes();
        if (declaring) declared = DeclareUtf8(line) || declared;
        page.Put(i, std::move(line));
    }
    // A template that declares no character set would be read as the
    // browser's local one.
    if (!declared) page.Insert(head + 1, "<meta charset=\"utf-8\">");
}

}  // namespace palimora
