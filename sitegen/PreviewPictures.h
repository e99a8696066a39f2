#pragma once

#include "sitegen/Galleries.h"

#include <filesystem>
#include <string>
#include <vector>

namespace palimora {

class ProgramFolder;

// One picture a preview sample shows: its small copy, and the project's
// picture it stands for.
struct SamplePicture {
    std::string preview;  // "preview/<file>", as the samples refer to it; empty for none
    int number = 0;       // the picture's number (list position + 1); 0 for the demo project's
};

// What the preview samples show of a project: the summary each gallery's
// own cover, the gallery and picture samples the first gallery's pictures.
struct SamplePictures {
    std::vector<SamplePicture> covers;   // gallery k's at k - 1
    std::vector<SamplePicture> gallery;  // 50 at most

    // The project's own pictures, rather than the demo project's.
    bool UsersOwn() const { return !gallery.empty() && gallery.front().number > 0; }
};

// Small copies of a project's pictures made once at the preview's size into
// the program folder's preview/ folder (beside the samples), kept while
// their picture is unchanged; copies no longer shown go. A picture that
// cannot be read is passed over. Without any picture of its own, a project
// is shown with the demo project's pictures; with none either, nothing.
SamplePictures PrepareSamplePictures(const ProgramFolder& folder, const std::filesystem::path& picturesFolder,
                                     const std::vector<std::string>& names, const Galleries& galleries);

inline constexpr const char* kPreviewFolder = "preview";
inline constexpr int kPreviewPictureSize = 640;  // the longer side at most

}  // namespace palimora
