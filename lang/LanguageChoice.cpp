#include "lang/LanguageChoice.h"

#include "common/Error.h"
#include "common/ProgramPreferences.h"
#include "common/TextLines.h"
#include "lang/LanguageTexts.h"

#include <algorithm>
#include <cstdlib>
#include <system_error>

namespace palimora {
namespace fs = std::filesystem;

std::vector<AvailableLanguage> AvailableLanguages(const ProgramFolder& folder) {
    std::vector<AvailableLanguage> languages;
    std::error_code error;
    for (fs::directory_iterator it(folder.Root(), error), end; !error && it != end; it.increment(error)) {
        const fs::path& file = it->path();
        if (file.extension() != ".asc" || !it->is_regular_file(error)) continue;
        try {
            const LanguageTexts texts = LanguageTexts::Load(file);
            AvailableLanguage language{file.stem().string(), texts.LangText(TextId::LanguageName),
                                       texts.LangText(TextId::LanguageTag), texts.LangText(TextId::WorkingName)};
            if (!language.name.empty()) languages.push_back(std::move(language));
        } catch (const PalimoraError&) {
            // A file that is not whole is no language to offer.
        }
    }
    std::sort(languages.begin(), languages.end(),
              [](const AvailableLanguage& a, const AvailableLanguage& b) { return a.name < b.name; });
    return languages;
}

std::string LanguageCodeOfChoice(const ProgramFolder& folder, std::string_view choice) {
    if (choice.empty()) return {};
    for (const AvailableLanguage& language : AvailableLanguages(folder)) {
        if (language.name == choice) return language.code;
    }
    return {};
}

std::string ReadLanguageChoice(const ProgramFolder& folder) {
    std::error_code error;
    if (!std::filesystem::exists(folder.LanguageIni(), error)) return {};
    const TextLines lines = ReadTextLines(folder.LanguageIni());
    return lines.empty() ? std::string() : lines.front();
}

std::string StartLanguageCode(const ProgramFolder& folder) {
    const std::string code = LanguageCodeOfChoice(folder, ReadLanguageChoice(folder));
    return code.empty() ? std::string(kFrenchCode) : code;
}

std::string LocaleLanguageCode(const ProgramFolder& folder) {
    for (const char* variable : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
        const char* value = std::getenv(variable);
        if (!value || !*value) continue;
        for (const AvailableLanguage& language : AvailableLanguages(folder)) {
            if (!language.tag.empty() && std::string_view(value).starts_with(language.tag)) return language.code;
        }
        break;
    }
    return std::string(kEnglishCode);
}

bool IsFirstStart(const ProgramFolder& folder) {
    return LanguageCodeOfChoice(folder, ReadLanguageChoice(folder)).empty();
}

void SaveLanguageChoice(const ProgramFolder& folder, std::string_view choice) {
    SavePreference(folder, Preference::Language, choice);
}

}  // namespace palimora
