#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

namespace palimora {

// One file of a gallery's ZIP: its name in the archive (UTF-8) and the file it holds.
struct ArchiveEntry {
    std::string name;
    std::filesystem::path file;
};

// A gallery's pictures as one ZIP for visitors to download. The pictures
// are stored as they are (JPEG does not compress further), and the archive
// carries in its comment a mark of what it holds, so that it is written
// again only when its entries or their contents change.
class GalleryArchive {
public:
    // `contents`: a fingerprint of each entry's file contents, in the order of `entries`.
    GalleryArchive(std::vector<ArchiveEntry> entries, const std::vector<std::uint64_t>& contents);

    // Writes the archive through a temporary renamed over `archive`, unless
    // it already holds these entries. Returns whether it was written. Throws
    // PalimoraError naming the file when it cannot be written.
    bool WriteTo(const std::filesystem::path& archive) const;
    // Whether `archive` holds these entries.
    bool IsIn(const std::filesystem::path& archive) const;

private:
    std::vector<ArchiveEntry> entries_;
    std::string mark_;
};

// A name for a picture in the archive: its place in the gallery, "007.jpg".
// Titles stay out of it, so that a title typed again does not make the
// archive, which may be large, to be written and sent again.
std::string ArchiveEntryName(int place, const std::string& extension);

}  // namespace palimora
