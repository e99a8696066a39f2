#pragma once

#include "common/ProgramFolder.h"
#include "sitegen/SiteBuild.h"

#include <filesystem>
#include <string>

namespace palimora {

class UserDialogs;

// What to build: a saved project of a program folder.
struct BuildRequest {
    ProgramFolder folder;     // its Projects() holds the project
    std::string projectName;  // Windows-1252, as the project folder is named
    // The folder the running program edits the project in, or empty: titles
    // and comments are then read from there. The build never writes there.
    std::filesystem::path workingFolder;
    // The language spoken before the user has chosen one (the command line's follows the locale).
    std::string languageUntilChosen = "french";
};

// The one way into a build, for the build window and the command line alike:
// loads the chosen language, the project's working settings and its picture
// texts, then runs the whole site build. Messages go to `dialogs`; a project
// that cannot be loaded is told there and gives Failed.
BuildOutcome BuildProject(const BuildRequest& request, UserDialogs& dialogs, BuildProgress& progress);

}  // namespace palimora
