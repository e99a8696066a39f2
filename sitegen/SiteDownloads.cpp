#include "sitegen/SiteDownloads.h"

#include "common/AtomicFiles.h"
#include "common/FailureTexts.h"
#include "common/FileNames.h"
#include "project/ProjectLayout.h"
#include "project/SiteLayout.h"
#include "sitegen/GalleryArchive.h"
#include "sitegen/MadeFiles.h"

#include <system_error>

namespace palimora {
namespace fs = std::filesystem;

GalleryArchiveSizes SiteDownloads::Make(const Galleries& galleries, MadeFiles& made) const {
    GalleryArchiveSizes sizes{};
    if (!originals && !archives) return sizes;
    std::error_code error;
    fs::create_directories(projectFolder / site_layout::kDownloadFolder, error);
    if (error) FailOnFile(Failure::CannotWrite, projectFolder / site_layout::kDownloadFolder);
    if (originals && !shownAsGiven) {
        for (const std::string& name : pictureNames) {
            if (!withheld.contains(name)) LinkOriginal(name, made);
        }
    }
    if (archives) {
        for (int k = 1; k <= kMaxGalleries; ++k) {
            const Gallery& gallery = galleries[static_cast<std::size_t>(k - 1)];
            if (gallery.Count() > 0) sizes[static_cast<std::size_t>(k - 1)] = MakeArchive(k, gallery, made);
        }
    }
    return sizes;
}

void SiteDownloads::LinkOriginal(const std::string& name, MadeFiles& made) const {
    const fs::path original = project_layout::PicturesFolder(projectFolder) / name;
    const fs::path offered = projectFolder / site_layout::kDownloadFolder / name;
    std::error_code error;
    if (fs::equivalent(original, offered, error)) {
        made.Add(offered);
        return;
    }
    // Linked, the picture costs no room; a file system without links gets a copy.
    const fs::path temporary = TemporaryFor(offered);
    fs::remove(temporary, error);
    fs::create_hard_link(original, temporary, error);
    if (error) {
        CopyFileIfChanged(original, offered);
    } else {
        fs::rename(temporary, offered, error);
        if (error) {
            fs::remove(temporary, error);
            FailOnFile(Failure::CannotWrite, offered);
        }
    }
    made.Add(offered);
}

std::uintmax_t SiteDownloads::MakeArchive(int gallery, const Gallery& pictures, MadeFiles& made) const {
    std::vector<ArchiveEntry> entries;
    std::vector<std::uint64_t> contents;
    for (int position = pictures.first; position <= pictures.last; ++position) {
        if (position < 0 || position >= static_cast<int>(pictureNames.size())) continue;
        const std::string& name = pictureNames[static_cast<std::size_t>(position)];
        if (withheld.contains(name)) continue;
        entries.push_back({ArchiveEntryName(position - pictures.first + 1, ExtensionOf(name)),
                           project_layout::PicturesFolder(projectFolder) / name});
        contents.push_back(contentsOf(name));
    }
    const fs::path archive = projectFolder / site_layout::kDownloadFolder / site_layout::GalleryArchiveName(gallery);
    GalleryArchive(std::move(entries), contents).WriteTo(archive);
    made.Add(archive);
    std::error_code error;
    const std::uintmax_t size = fs::file_size(archive, error);
    return error ? 0 : size;
}

}  // namespace palimora
