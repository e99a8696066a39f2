#include "sitegen/MadeFiles.h"

#include "common/AtomicFiles.h"
#include "common/FolderFiles.h"
#include "project/SiteLayout.h"

#include <system_error>
#include <vector>

namespace palimora {
namespace fs = std::filesystem;

std::string MadeFiles::Key(const fs::path& file) { return file.lexically_normal().string(); }

void MadeFiles::Add(const fs::path& file) {
    std::string key = Key(file);
    const std::lock_guard lock(mutex_);
    files_.insert(std::move(key));
}

bool MadeFiles::Holds(const fs::path& file) const {
    const std::string key = Key(file);
    const std::lock_guard lock(mutex_);
    return files_.count(key) != 0;
}

namespace {

void RemoveUnmade(const fs::path& folder, const MadeFiles& made, bool pagesOnly) {
    std::error_code error;
    std::vector<fs::path> unmade;
    for (fs::directory_iterator it(folder, error), end; !error && it != end; it.increment(error)) {
        const std::string name = it->path().filename().string();
        const bool sitePage = MatchesMask(name, "*.htm") || name == site_layout::kStartPage;
        if ((pagesOnly && !sitePage) || !it->is_regular_file(error)) continue;
        if (IsTemporaryName(name) || !made.Holds(it->path())) unmade.push_back(it->path());
    }
    for (const fs::path& file : unmade) {
        fs::permissions(file, fs::perms::owner_write, fs::perm_options::add, error);
        fs::remove(file, error);
    }
}

}  // namespace

void RemoveFilesNotMade(const fs::path& projectFolder, const MadeFiles& made) {
    RemoveUnmade(projectFolder, made, true);
    for (const char* folder : {site_layout::kThumbnailFolder, site_layout::kSummaryThumbnailFolder,
                               site_layout::kPhoneFolder, site_layout::kStripFolder}) {
        RemoveUnmade(projectFolder / folder, made, false);
    }
}

}  // namespace palimora
