#include "lang/LanguageTexts.h"

#include "common/Cp1252.h"
#include "common/Error.h"

#include <algorithm>
#include <optional>
#include <string>
#include <utility>

namespace palimora {

LanguageTexts LanguageTexts::Load(const std::filesystem::path& languageFile) {
    const auto refuse = [&languageFile](std::optional<std::size_t> text = std::nullopt) {
        return PalimoraError(
            "Fichier de langue illisible / cannot read the language file: " + DisplayPath(languageFile) +
            (text ? " (texte / text " + std::to_string(*text) + ")" : std::string()));
    };
    TextLines lines;
    try {
        lines = ReadTextLines(languageFile);
    } catch (const PalimoraError&) {
        throw refuse();
    }
    // An editor that saved the file as UTF-8 may have put a byte-order mark
    // before text 0: the mark goes, and the texts become Windows-1252.
    if (!lines.empty() && lines.front().starts_with("\xEF\xBB\xBF")) {
        lines.front().erase(0, 3);
        for (std::string& line : lines) {
            if (const Utf8Text utf8(line); IsStorableText(utf8)) line = Cp1252FromUtf8(utf8);
        }
    }
    // Line 0 of every language file holds text 0: an empty file or one of
    // anything else is not a language file, and would leave the program
    // without a word.
    if (lines.empty() || lines.front().rfind("0,", 0) != 0) throw refuse();
    // Line N holds text N, every one of them: a line lost or added in an
    // editor would give every later text the words of its neighbour.
    while (lines.size() > kLanguageFileLines && lines.back().empty()) lines.pop_back();
    for (std::size_t n = 0; n < std::max(lines.size(), static_cast<std::size_t>(kLanguageFileLines)); ++n) {
        if (n >= lines.size() || n >= kLanguageFileLines || !lines[n].starts_with(std::to_string(n) + ",")) {
            throw refuse(n);
        }
    }
    return LanguageTexts(std::move(lines));
}

std::string LanguageTexts::LangText(TextId text) const {
    const int number = static_cast<int>(text);
    if (number < 0 || static_cast<std::size_t>(number) >= lines_.size()) return {};
    const std::string_view line = std::string_view(lines_[number]).substr(0, kMaxLineLength);
    const auto comma = line.find(',');
    if (comma == std::string_view::npos) return {};
    return std::string(line.substr(comma + 1));
}

}  // namespace palimora
