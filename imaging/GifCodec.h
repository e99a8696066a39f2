#pragma once

#include "imaging/Image.h"
#include "imaging/JpegCodec.h"

#include <filesystem>

namespace palimora {

// A GIF read for showing. Frames are composed on the logical screen with
// transparency and the previous frame's disposal applied; only whole frames
// count (a damaged file keeps those before the damage, when the first is whole).
struct GifPicture {
    int width = 0;  // the logical screen
    int height = 0;
    int frames = 0;  // whole frames in the file
    Image image;     // the first frame, or the filmstrip
};

// The first frame at full size. The other frames are counted without being
// decoded. Throws ImageError: Unreadable for a damaged file (one that ends
// before its first frame is whole), TooLarge past the pixel cap.
GifPicture DecodeGif(const std::filesystem::path& file);

// Every whole frame side by side, each reduced as it is read so that the
// strip fits wantedWidth x wantedHeight (no limit for 0) and never exceeds
// kMaxFilmstripPixels. The frames are counted first and the whole strip at
// natural size (frames x screen) is checked against the pixel cap before any
// frame is decoded. Throws ImageError as DecodeGif does.
GifPicture DecodeGifFilmstrip(const std::filesystem::path& file, int wantedWidth = 0, int wantedHeight = 0);

// The logical screen's size, from the header alone. Throws ImageError as
// DecodeGif does.
PictureSize ReadGifSize(const std::filesystem::path& file);

// The largest filmstrip kept in memory: 16 million pixels take 48 MB as RGB.
inline constexpr long long kMaxFilmstripPixels = 16'000'000;

}  // namespace palimora
