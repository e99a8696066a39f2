#pragma once

#include "lang/ui/CommandGuard.h"
#include "project/PictureTextFile.h"

#include <QIcon>

#include <filesystem>
#include <functional>
#include <string>
#include <vector>

class QObject;

namespace palimora {

class Language;
class ProgramFolder;
class ProjectSettings;
class StyleDialogs;

// What every control of the style notebooks is bound with: the open
// project's settings, the dialogs, and where a change is reported. Changes
// are written only while `settingsLoaded` is set.
struct BindingContext {
    ProjectSettings& settings;
    const ProgramFolder& folder;
    const Language& language;
    StyleDialogs& dialogs;
    CommandGuard guard;
    QObject* owner;  // connections end with it
    std::function<void()> reportModified;
    bool settingsLoaded = false;
    // A picture's icon as the picture list shows it (none until set).
    std::function<QIcon(const std::filesystem::path& picture)> pictureIcon;
};

// What a project's settings are shown with besides its lines.
struct ShownProject {
    std::string name;                // the summary title's default
    std::vector<std::string> fonts;  // the installed font families, Windows-1252
    PictureTextIndex pictureTexts;   // the pictures' titles, read once for the twenty picture lists
};

}  // namespace palimora
