#include "lang/LanguageChoice.h"

#include "common/ProgramPreferences.h"
#include "common/TextLines.h"

#include <cstdlib>
#include <system_error>

namespace palimora {

std::string LanguageCodeOfChoice(std::string_view choice) {
    if (choice == kFrenchChoice) return std::string(kFrenchCode);
    if (choice == kEnglishChoice) return std::string(kEnglishCode);
    return {};
}

std::string ReadLanguageChoice(const ProgramFolder& folder) {
    std::error_code error;
    if (!std::filesystem::exists(folder.LanguageIni(), error)) return {};
    const TextLines lines = ReadTextLines(folder.LanguageIni());
    return lines.empty() ? std::string() : lines.front();
}

std::string StartLanguageCode(const ProgramFolder& folder) {
    const std::string code = LanguageCodeOfChoice(ReadLanguageChoice(folder));
    return code.empty() ? std::string(kFrenchCode) : code;
}

std::string LocaleLanguageCode() {
    for (const char* variable : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
        const char* value = std::getenv(variable);
        if (!value || !*value) continue;
        return std::string_view(value).starts_with("fr") ? std::string(kFrenchCode) : std::string(kEnglishCode);
    }
    return std::string(kEnglishCode);
}

bool IsFirstStart(const ProgramFolder& folder) { return LanguageCodeOfChoice(ReadLanguageChoice(folder)).empty(); }

void SaveLanguageChoice(const ProgramFolder& folder, std::string_view choice) {
    SavePreference(folder, Preference::Language, choice);
}

}  // namespace palimora
