#pragma once

#include "common/ProgramFolder.h"
#include "lang/LanguageTexts.h"

#include <string>
#include <string_view>

namespace palimora {

// The running program's language: its code ("french" or "english", which
// also picks the help pages) and the texts of its language file.
class Language {
public:
    // Loads the language named in palimora.ini, French until one is chosen.
    // When that file cannot be read, the other language's file is loaded
    // and, failing both, no texts; the language is usable all the same, and
    // the message returned says which file was missing (empty when none was).
    // `untilChosen` is the language to load before one is chosen.
    std::string LoadChosen(const ProgramFolder& folder, std::string_view untilChosen = "french");

    // The user's confirmed choice ("Français" or "English"): written to line 0
    // of palimora.ini, every other line kept, and loaded at once.
    void Choose(const ProgramFolder& folder, std::string_view choice);

    // The texts of `code` for what a site's pages say, the program's messages
    // left in its own language. False, texts unchanged, when its file cannot be read.
    bool LoadForPages(const ProgramFolder& folder, std::string code);

    const std::string& Code() const { return code_; }
    std::string LangText(TextId text) const { return texts_.LangText(text); }

private:
    void Load(const ProgramFolder& folder, std::string code);

    std::string code_;
    LanguageTexts texts_;
};

// Whether `cp1252Name` is the working folder's name in any language the
// program folder holds: a project of that name would be emptied the next
// time the window starts in that language.
bool IsWorkingFolderName(const ProgramFolder& folder, std::string_view cp1252Name);

}  // namespace palimora
