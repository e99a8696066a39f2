#include "common/ProgramPreferences.h"

#include "common/Error.h"
#include "common/TextLines.h"

#include <system_error>

namespace palimora {

namespace {

TextLines ReadIni(const ProgramFolder& folder) {
    std::error_code error;
    if (!std::filesystem::exists(folder.LanguageIni(), error)) return {};
    return ReadTextLines(folder.LanguageIni());
}

}  // namespace

std::string ReadPreference(const ProgramFolder& folder, Preference preference) {
    try {
        const TextLines lines = ReadIni(folder);
        const auto line = static_cast<std::size_t>(preference);
        return line < lines.size() ? lines[line] : std::string();
    } catch (const PalimoraError&) {
        return {};  // a preference only spares a choice: the default does
    }
}

void SavePreference(const ProgramFolder& folder, Preference preference, std::string_view value) {
    TextLines lines = ReadIni(folder);
    const auto line = static_cast<std::size_t>(preference);
    if (lines.size() <= line) lines.resize(line + 1);
    if (lines[line] == value) return;
    lines[line] = std::string(value);
    WriteTextLines(folder.LanguageIni(), lines);
}

}  // namespace palimora
