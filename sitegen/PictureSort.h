#pragma once

#include "styles/GalleryRanges.h"

#include <optional>
#include <string>
#include <vector>

namespace palimora {

class Language;
class PictureList;
class ProjectSettings;

enum class SortKey {
    DateTaken,  // the date the photo's EXIF says it was taken
    Name,       // the picture's title, numbers within it as numbers ("IMG_9" before "IMG_10")
};

struct SortOutcome {
    int moved = 0;  // pictures that changed places
    int dated = 0;  // pictures that carry the date they were taken (sorting by date)
    // For the galleries' ranges to be written for the sorted list
    // (FollowPictures): the list before, and each place kept as it was.
    std::vector<std::string> before;
    NewPositions positions;
};

// Sorts the pictures inside each gallery (only gallery `onlyGallery`, 1 to
// 10, when given), so that every gallery keeps its pictures; a project
// without named galleries is sorted as one. By date, pictures without a
// date keep their order after the dated ones. Titles and comments follow
// their pictures; the caller makes the galleries' ranges follow them, in
// every settings file it keeps. Throws as PictureList::Reorder does, every
// picture back in its place.
SortOutcome SortPictures(PictureList& pictures, const ProjectSettings& settings, const Language& language, SortKey key,
                         std::optional<int> onlyGallery = std::nullopt);

}  // namespace palimora
