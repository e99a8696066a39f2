#pragma once

#include "common/AtomicFiles.h"
#include "common/ProgramFolder.h"
#include "project/ProjectLayout.h"
#include "project/SiteLayout.h"

#include <array>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace palimora {

// The sub-folders a project folder may hold: pictures, texts and the built site.
inline constexpr std::array<const char*, 10> kProjectSubfolders = {
    project_layout::kPicturesFolder, project_layout::kTextsFolder,  site_layout::kParamFolder,
    site_layout::kStripFolder,       site_layout::kThumbnailFolder, site_layout::kSummaryThumbnailFolder,
    site_layout::kPhoneFolder,       site_layout::kShapedFolder,    site_layout::kDownloadFolder,
    site_layout::kClipFolder};
// The pages whose presence tells that a project's site has been built.
std::array<std::string, 3> BuiltSiteMarkers();

// The longest project name, in bytes of its name on disk (UTF-8): the files
// named after the project (<name>.ini and its temporary copies) must stay
// within the file systems' 255 bytes a name.
inline constexpr std::size_t kLongestProjectName = 200;

// Whether a name can name a project folder under Projets on every system:
// not empty, not longer than kLongestProjectName, no path separators or characters Windows refuses (<>:"/\|?*
// and control characters), not "." or "..", not a reserved device name,
// no trailing dot or blank.
bool IsUsableProjectName(std::string_view cp1252Name);

// The projects: the sub-folders of Projets in name order, less the working folder.
std::vector<std::string> ListProjects(const ProgramFolder& folder, std::string_view workingName);

// Removes a project folder: the files of its sub-folders, the sub-folders,
// its own files, then itself. Stops at the first failure, leaving the rest.
void RemoveProjectFolder(const std::filesystem::path& projectFolder);

// Empties `target` (its files and those of its sub-folders), copies the
// top-level files and the sub-folders of `source` into it, and renames the
// copied <sourceName>.ini to <targetName>.ini.
void CopyProjectOnto(const std::filesystem::path& source, const std::string& sourceName,
                     const std::filesystem::path& target, const std::string& targetName);

// Stages in `transaction` what makes `target` a copy of `source`: the files
// that differ copied, those `source` does not hold removed. Throws
// PalimoraError naming what could not be copied; the target is then as it
// was, since nothing is in place before the transaction commits.
void MirrorFolderFiles(const std::filesystem::path& source, const std::filesystem::path& target,
                       FileTransaction& transaction);

}  // namespace palimora
