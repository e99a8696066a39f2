#include "lang/LanguageTexts.h"

#include "common/Cp1252.h"
#include "common/Error.h"

namespace palimora {

LanguageTexts LanguageTexts::Load(const std::filesystem::path& languageFile) {
    try {
        return LanguageTexts(ReadTextLines(languageFile));
    } catch (const PalimoraError&) {
        throw PalimoraError("Fichier de langue illisible / cannot read the language file: " +
                            Cp1252FromUtf8(languageFile.string()));
    }
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
