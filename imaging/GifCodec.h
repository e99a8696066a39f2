#pragma once

#include "imaging/Image.h"

#include <filesystem>
#include <vector>

namespace palimora {

// A GIF's frames as the viewer sees them: each one composed on the logical
// screen with transparency and the previous frame's disposal applied.
struct GifPicture {
    int width = 0;
    int height = 0;
    std::vector<Image> frames;
};

// Reads every frame, or only the first. Throws ImageError for a damaged or
// truncated file (one that ends before its first frame is whole) or one too large.
GifPicture DecodeGif(const std::filesystem::path& file, bool firstFrameOnly = false);

}  // namespace palimora
