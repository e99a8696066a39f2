#include "publish/LocalSiteFiles.h"

#include "project/ProjectLayout.h"
#include "project/SiteLayout.h"

#include <algorithm>
#include <system_error>

namespace palimora::local_site {
namespace fs = std::filesystem;
namespace {

std::vector<fs::path> Files(const fs::path& folder, bool pagesOnly) {
    std::vector<fs::path> files;
    for (const auto& entry : fs::directory_iterator(folder)) {
        if (entry.is_regular_file() && (!pagesOnly || site_layout::IsSiteFileAtTop(entry.path().filename().string())))
            files.push_back(entry.path());
    }
    std::sort(files.begin(), files.end());
    return files;
}

}  // namespace

std::vector<fs::path> Pages(const fs::path& projectFolder) { return Files(projectFolder, true); }

std::vector<fs::path> FolderFiles(const fs::path& folder) { return Files(folder, false); }

std::string PictureFolderName(const std::set<std::string>& builtFiles, int pictureStrips) {
    if (pictureStrips > 1) return site_layout::kStripFolder;
    // The user's own photos go online only when the site shows them as they are.
    const std::string shaped = std::string(site_layout::kShapedFolder) + "/";
    const auto next = builtFiles.lower_bound(shaped);
    if (next != builtFiles.end() && next->starts_with(shaped)) return site_layout::kShapedFolder;
    return project_layout::kPicturesFolder;
}

std::vector<std::string> ExtraFolderNames(const std::string& pictureFolder) {
    std::vector<std::string> names;
    for (const char* name : {site_layout::kParamFolder, site_layout::kThumbnailFolder,
                             site_layout::kSummaryThumbnailFolder, site_layout::kPhoneFolder,
                             site_layout::kShapedFolder, site_layout::kDownloadFolder, site_layout::kClipFolder}) {
        if (name != pictureFolder) names.emplace_back(name);
    }
    return names;
}

}  // namespace palimora::local_site
