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

std::string PictureFolderName(int pictureStrips) {
    return pictureStrips > 1 ? site_layout::kStripFolder : project_layout::kPicturesFolder;
}

std::vector<std::string> ExtraFolderNames() {
    return {site_layout::kParamFolder, site_layout::kThumbnailFolder, site_layout::kSummaryThumbnailFolder,
            site_layout::kPhoneFolder};
}

}  // namespace palimora::local_site
