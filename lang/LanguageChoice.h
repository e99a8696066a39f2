#pragma once

#include "common/ProgramFolder.h"

#include <string>
#include <string_view>
#include <vector>

// The language of the program: line 0 of palimora.ini names it as the
// language names itself ("Fran\xE7ais" in Windows-1252, "English", ...). Any
// other line 0, an empty one or a missing file means no language has been
// chosen yet on this machine. The languages are the whole language files
// <code>.asc of the program folder: a language is added by its file alone.
namespace palimora {

inline constexpr std::string_view kFrenchChoice =
    "Fran\xE7"
    "ais";
inline constexpr std::string_view kEnglishChoice = "English";
inline constexpr std::string_view kFrenchCode = "french";
inline constexpr std::string_view kEnglishCode = "english";

// A language of the program folder: its file's code, the name it gives itself
// (its LanguageName text), its web tag ("fr", "de", ...) and the name of its
// working folder (its WorkingName text).
struct AvailableLanguage {
    std::string code;
    std::string name;  // Windows-1252
    std::string tag;
    std::string workingName;  // Windows-1252
};
// Every language whose file is whole, by name.
std::vector<AvailableLanguage> AvailableLanguages(const ProgramFolder& folder);

// The code of the language named `choice`, or empty for a name no language gives itself.
std::string LanguageCodeOfChoice(const ProgramFolder& folder, std::string_view choice);

// Line 0 of palimora.ini; empty when the file is missing or empty.
std::string ReadLanguageChoice(const ProgramFolder& folder);

// The language to load at start: the chosen one, French until one is chosen.
std::string StartLanguageCode(const ProgramFolder& folder);

// The language of the user's locale (LC_ALL, LC_MESSAGES, LANG, the first
// that is set): the language whose tag begins it ("fr_FR.UTF-8": French),
// English otherwise. What a program run from a terminal speaks before a
// language is chosen.
std::string LocaleLanguageCode(const ProgramFolder& folder);

// True until the user has confirmed a language on this machine.
bool IsFirstStart(const ProgramFolder& folder);

// Rewrites line 0 of palimora.ini with the choice, keeping every other line.
void SaveLanguageChoice(const ProgramFolder& folder, std::string_view choice);

}  // namespace palimora
