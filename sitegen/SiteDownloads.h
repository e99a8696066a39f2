#pragma once

#include "sitegen/Galleries.h"

#include <array>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <optional>
#include <set>
#include <string>
#include <vector>

namespace palimora {

class MadeFiles;

// What a build offers visitors to download, in the download folder: each
// picture as the user gave it (a hard link to the project's copy, or a copy
// where the file system has none) unless the site already shows it so, and
// each gallery as one ZIP, written again only when its pictures change.
struct SiteDownloads {
    std::filesystem::path projectFolder;
    std::vector<std::string> pictureNames;  // in list order
    std::set<std::string> withheld;         // pictures offered to no one (their private data may be in them)
    bool originals = false;                 // each picture as given
    bool archives = false;                  // each gallery as a ZIP
    bool shownAsGiven = false;              // the site shows the pictures as they are: nothing to link
    // A fingerprint of a picture's contents, known from the last build or read now.
    std::function<std::uint64_t(const std::string& name)> contentsOf;

    // Makes the files and tells `made` of each. Returns the size in bytes of
    // each gallery's ZIP, 0 for a gallery without one. Throws PalimoraError
    // naming the file that could not be written.
    GalleryArchiveSizes Make(const Galleries& galleries, MadeFiles& made) const;

private:
    void LinkOriginal(const std::string& name, MadeFiles& made) const;
    std::uintmax_t MakeArchive(int gallery, const Gallery& pictures, MadeFiles& made) const;
};

}  // namespace palimora
