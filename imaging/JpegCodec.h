#pragma once

#include "imaging/Image.h"

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

namespace palimora {

struct PictureSize {
    int width = 0;
    int height = 0;
};

// Reads the size from the JPEG header alone: the size a viewer sees, its
// sides swapped when the EXIF orientation turns the photo a quarter.
PictureSize ReadJpegSize(const std::filesystem::path& file);

// Decodes a JPEG to RGB as a viewer sees it: turned by its EXIF orientation
// and converted to sRGB when its ICC profile is another. With a wanted size (as seen), the decoder scales in the DCT
// domain to the smallest size that still covers width x height (the result
// is then at least that large, or the natural size when that is smaller).
// Throws ImageError for a damaged, truncated or too large picture.
Image DecodeJpeg(const std::filesystem::path& file, int wantedWidth = 0, int wantedHeight = 0);

// A JPEG decoded as its file stores it, with what turns it into what a
// viewer sees. Smaller pictures made from a decode cost less turned and
// converted once made than the decode does.
struct StoredJpeg {
    Image pixels;  // as stored: not turned, in the file's colours
    int orientation = 1;
    std::vector<std::uint8_t> profile;

    // The pixels at `seen` (a size as seen, so after turning), as a viewer
    // sees them; the second moves the pixels when no resize is needed.
    Image Shown(PictureSize seen) const&;
    Image Shown(PictureSize seen) &&;
};
// DecodeJpeg without its last steps: the same decode, left as stored.
StoredJpeg DecodeStoredJpeg(const std::filesystem::path& file, int wantedWidth = 0, int wantedHeight = 0);

// Encodes at the given quality, baseline, into memory.
std::string EncodeJpegToMemory(const Image& image, int quality = 90);
// Rows top .. bottom - 1 of the image as a JPEG of their own, without a copy of them.
std::string EncodeJpegRowsToMemory(const Image& image, int top, int bottom, int quality = 90);

// Encodes at the given quality, baseline, into a temporary file renamed over
// `file`, so an old picture stays whole until the new one is complete.
void EncodeJpeg(const Image& image, const std::filesystem::path& file, int quality = 90);

}  // namespace palimora
