#pragma once

#include "styles/SettingsLayout.h"

#include <filesystem>
#include <string>
#include <vector>

namespace palimora::corpus {

// What a hostile file is, and so what is tried with it.
enum class Kind {
    Picture,       // added, displayed, made an icon of, built into a site
    AddedOnly,     // only offered for adding (a special file chosen as a picture)
    PictureTexts,  // put in place of the project's images.dat
    Settings,      // put in place of the project's working settings
    LanguageFile,  // put in place of the French language file
    SettingPath,   // a path written into a settings line
};

struct HostileFile {
    std::string name;  // what a failure is reported by
    Kind kind;
    std::filesystem::path file;           // for SettingPath: the path the line names
    std::vector<SettingLine> lines = {};  // SettingPath: the lines that name it
    // The user must hear of it: when a picture is shown, or else when a site is built.
    bool told = false;
};

// Writes the corpus into `folder` (small files, made afresh each run) and
// lists it with the special files (/dev/zero, a folder, a pipe).
std::vector<HostileFile> MakeHostileFiles(const std::filesystem::path& folder);

}  // namespace palimora::corpus
