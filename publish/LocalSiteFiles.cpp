#include "publish/LocalSiteFiles.h"

#include "project/ProjectLayout.h"
#include "project/SiteLayout.h"

#include <algorithm>
#include <cctype>
#include <system_error>

namespace palimora::local_site {
namespace fs = std::filesystem;
namespace {

std::string Lower(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return text;
}

bool IsPage(const fs::path& file) {
    const std::string extension = Lower(file.extension().string());
    return extension == ".htm" || extension == ".html";
}

std::vector<fs::path> Files(const fs::path& folder, bool pagesOnly) {
    std::vector<fs::path> files;
    for (const auto& entry : fs::directory_iterator(folder)) {
        if (entry.is_regular_file() && (!pagesOnly || IsPage(entry.path()))) files.push_back(entry.path());
    }
    std::sort(files.begin(), files.end());
    return files;
}

}  // namespace

std::vector<fs::path> Pages(const fs::path& projectFolder) { return Files(projectFolder, true); }

std::vector<fs::path> FolderFiles(const fs::path& folder) { return Files(folder, false); }

int CountFiles(const fs::path& folder) {
    std::error_code error;
    if (!fs::is_directory(folder, error)) return 0;
    int count = 0;
    for (fs::directory_iterator entry(folder, error), end; !error && entry != end; entry.increment(error)) {
        if (entry->is_regular_file(error)) ++count;
    }
    return count;
}

std::string PictureFolderName(const fs::path& projectFolder, int pictureStrips) {
    if (pictureStrips > 1) return site_layout::kStripFolder;
    // The user's own photos go online only when the site shows them as they are.
    if (CountFiles(projectFolder / site_layout::kShapedFolder) > 0) return site_layout::kShapedFolder;
    return project_layout::kPicturesFolder;
}

std::vector<std::string> ExtraFolderNames(const std::string& pictureFolder) {
    std::vector<std::string> names;
    for (const char* name : {site_layout::kParamFolder, site_layout::kThumbnailFolder,
                             site_layout::kSummaryThumbnailFolder, site_layout::kPhoneFolder,
                             site_layout::kShapedFolder}) {
        if (name != pictureFolder) names.emplace_back(name);
    }
    return names;
}

}  // namespace palimora::local_site
