#include "sitegen/MadeFiles.h"

#include "common/AtomicFiles.h"
#include "common/Error.h"
#include "common/FolderFiles.h"
#include "project/SiteLayout.h"

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
    try {
        DeleteDeletableFiles(folder, [&](const fs::path& file) {
            const std::string name = file.filename().string();
            const bool sitePage =
                MatchesMask(name, "*.htm") || name == site_layout::kStartPage || name == site_layout::kFeed;
            return (!pagesOnly || sitePage) && (IsTemporaryName(name) || !made.Holds(file));
        });
    } catch (const PalimoraError&) {
        // A folder that cannot be listed keeps its files, as one that cannot be removed does.
    }
}

}  // namespace

void RemoveFilesNotMade(const fs::path& projectFolder, const MadeFiles& made) {
    RemoveUnmade(projectFolder, made, true);
    for (const char* folder : {site_layout::kThumbnailFolder, site_layout::kSummaryThumbnailFolder,
                               site_layout::kPhoneFolder, site_layout::kStripFolder, site_layout::kShapedFolder,
                               site_layout::kDownloadFolder, site_layout::kClipFolder}) {
        RemoveUnmade(projectFolder / folder, made, false);
    }
}

}  // namespace palimora
