#include "lang/LanguageChoice.h"

#include "common/TextLines.h"

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

bool IsFirstStart(const ProgramFolder& folder) {
    return LanguageCodeOfChoice(ReadLanguageChoice(folder)).empty();
}

void SaveLanguageChoice(const ProgramFolder& folder, std::string_view choice) {
    std::error_code error;
    TextLines lines;
    if (std::filesystem::exists(folder.LanguageIni(), error)) lines = ReadTextLines(folder.LanguageIni());
    if (lines.empty()) lines.emplace_back();
    lines.front() = std::string(choice);
    WriteTextLines(folder.LanguageIni(), lines);
}

}  // namespace palimora
