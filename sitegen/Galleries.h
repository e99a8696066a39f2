#pragma once

#include "styles/SettingsLayout.h"

#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace palimora {

class Language;
class ProjectSettings;

// The ten galleries of a project as the settings choose them: a name, and
// first and last pictures (positions in the picture list, 0-based).
struct Gallery {
    std::string name;
    int first = -1;
    int last = -1;
    std::string firstPicture;

    // Pictures in the gallery: none without a name or for a reversed range.
    int Count() const { return name.empty() ? 0 : std::max(0, last - first + 1); }
};

using Galleries = std::array<Gallery, kMaxGalleries>;
// The bytes of each gallery's ZIP for visitors, 0 for a gallery without one.
using GalleryArchiveSizes = std::array<std::uintmax_t, kMaxGalleries>;

Galleries ReadGalleries(const ProjectSettings& settings, const Language& language,
                        const std::vector<std::string>& pictureNames);

// Where picture n (1-based) stands in gallery k, and its neighbours' pages.
struct GalleryMembership {
    bool member = false;
    std::string page, previousPage, nextPage, galleryPage;
};

// With galleries off every picture of the list lies in gallery 1. When a
// gallery continues past its capacity (`continues`), a picture's gallery page
// is the one that shows its thumbnail.
GalleryMembership PictureInGallery(int pictureNumber, int gallery, bool galleriesOn, const Galleries& galleries,
                                   int pictureCount, bool continues);

}  // namespace palimora
