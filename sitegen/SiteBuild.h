#pragma once

#include "common/UserDialogs.h"

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace palimora {

class Language;
class MadeFiles;
class PictureTextFile;
class ProgramFolder;
class ProjectSettings;
class UserDialogs;
struct BuildContext;

// How a build shows itself: the build window, or the command line.
using BuildProgress = WorkProgress;

struct SiteBuildSources {
    const ProgramFolder& folder;
    std::string projectName;
    const Language& language;
    const ProjectSettings& settings;
    const PictureTextFile& texts;  // titles and comments
    UserDialogs& dialogs;
    unsigned pictureWorkers = 0;  // threads deriving pictures; 0: one per core
};

enum class BuildOutcome { Built, Cancelled, Failed };

// Writes the whole site of a project: clears the old output, installs the
// chosen templates as the working templates, writes the summary, gallery and
// picture pages, then derives the pictures (on every core, written in list
// order). An error ends the run with its message (Failed); a cancel removes
// the entry pages so a half-built site is never taken for a built one.
BuildOutcome SiteBuild(const SiteBuildSources& sources, BuildContext& context, BuildProgress& progress);

// The page a visitor starts from, as see-the-result opens it: the summary
// when it is made, else gallery 1's page when galleries are made, else the
// first picture's page; with `existingOnly`, only a page that is there
// (none: nothing).
std::optional<std::filesystem::path> SiteStartPage(const std::filesystem::path& projectFolder,
                                                   const ProjectSettings& settings, bool existingOnly);

// Deletes every file of the project's param folder but those a setting names
// there and those the build made.
void CleanParamFolder(const std::filesystem::path& projectFolder, const std::vector<std::string>& keptFiles,
                      const MadeFiles& made);

}  // namespace palimora
