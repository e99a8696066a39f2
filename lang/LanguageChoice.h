#pragma once

#include "common/ProgramFolder.h"

#include <string>
#include <string_view>

// The language of the program: line 0 of palimora.ini names it, exactly
// "Français" (Windows-1252) or "English". Any other line 0, an empty one or a
// missing file means no language has been chosen yet on this machine.
namespace palimora {

inline constexpr std::string_view kFrenchChoice =
    "Fran\xE7"
    "ais";
inline constexpr std::string_view kEnglishChoice = "English";
inline constexpr std::string_view kFrenchCode = "french";
inline constexpr std::string_view kEnglishCode = "english";
// The tag a web page's lang attribute gives for a language code: "fr" or "en".
constexpr std::string_view WebLanguageTag(std::string_view code) { return code == kEnglishCode ? "en" : "fr"; }

// "french", "english", or empty for a name that is not one of the two.
std::string LanguageCodeOfChoice(std::string_view choice);

// Line 0 of palimora.ini; empty when the file is missing or empty.
std::string ReadLanguageChoice(const ProgramFolder& folder);

// The language to load at start: the chosen one, French until one is chosen.
std::string StartLanguageCode(const ProgramFolder& folder);

// The language of the user's locale (LC_ALL, LC_MESSAGES, LANG, the first
// that is set): French for "fr…", English otherwise. What a program run from
// a terminal speaks before a language is chosen.
std::string LocaleLanguageCode();

// True until the user has confirmed a language on this machine.
bool IsFirstStart(const ProgramFolder& folder);

// Rewrites line 0 of palimora.ini with the choice, keeping every other line.
void SaveLanguageChoice(const ProgramFolder& folder, std::string_view choice);

}  // namespace palimora
