#pragma once

#include "common/ProgramFolder.h"
#include "styles/SettingsLayout.h"

#include <array>
#include <string>

namespace palimora {

// What every page writer knows of the build under way: whether it writes
// the real site (BuildMode) or a preview sample, and which gallery and
// picture page it is at. Outside a build every link points at the samples.
struct BuildContext {
    static constexpr int kGalleryCapacity = 50;  // entry slots of a gallery template

    bool buildMode = false;
    int currentGallery = 1;
    int galleryPart = 1;            // which page of the current gallery: part 2 on shows entries 51 and after
    bool galleryContinues = false;  // a gallery past its capacity continues on further pages
    std::string currentPage = ProgramFolder::kPictureSample;
    std::string previousPage = ProgramFolder::kPictureSample;
    std::string nextPage = ProgramFolder::kPictureSample;
    std::string galleryPage = ProgramFolder::kGallerySample;
    std::string currentPicture;
    std::array<int, kMaxGalleries> galleryCount{50, 50, 50, 50, 50, 50, 50, 50, 50, 50};
    std::array<std::string, kMaxGalleries> firstPicture{};
    // The list position (0-based) of each gallery's first picture.
    std::array<int, kMaxGalleries> firstPosition{};

    // Back to the values outside a build.
    void Reset() { *this = BuildContext(); }
};

// The number of pages of a gallery of `count` pictures: one per kGalleryCapacity.
int GalleryParts(int count, bool continues);

// "Gal<k>.htm" in a build, "blankgal.htm" outside.
std::string GalleryPageName(const BuildContext& context, int gallery);

// The picture page of picture n in gallery k: g<k>-<N6>.htm.
std::string PicturePageName(int gallery, int pictureNumber);

}  // namespace palimora
