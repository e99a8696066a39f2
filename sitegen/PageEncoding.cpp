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
        std::string line = Utf8FromCp1252(page.Get(i)).Bytes();
        declared = DeclareUtf8(line) || declared;
        if (head < 0 && Lowered(line).find("<head") != std::string::npos) head = i;
        page.Put(i, std::move(line));
    }
    // A template that declares no character set would be read as the
    // browser's local one.
    if (!declared) page.Insert(head + 1, "<meta charset=\"utf-8\">");
}

}  // namespace palimora
