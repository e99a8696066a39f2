#pragma once

#include "imaging/Image.h"

#include <cstdint>
#include <filesystem>
#include <vector>

namespace palimora {

// Decoders of the formats phones, cameras and other programs save besides
// JPEG, each through its own library. Every one gives the picture as a
// viewer sees it: turned by the orientation the file states, converted to
// sRGB when it carries another ICC profile, and transparent parts laid on
// white (a JPEG has no transparency; white is the page colour most sites
// use). 16-bit samples are reduced to 8. Throws ImageError: Unreadable for
// a damaged file, TooLarge past the pixel cap.
Image DecodeHeif(const std::filesystem::path& file);  // HEIC and HEIF, the first (primary) picture
Image DecodePng(const std::filesystem::path& file);
Image DecodeWebp(const std::filesystem::path& file);  // still pictures; an animated one is unreadable
Image DecodeTiff(const std::filesystem::path& file);  // the first page

// Lays straight (not premultiplied) RGBA pixels, rows of `stride` bytes, on white.
Image FlattenedOnWhite(const std::uint8_t* rgba, int width, int height, std::size_t stride);
// The same for packed RGBA rows the decoder wrote into `rgba`, done in their
// own memory, so that the picture never holds a second copy of itself.
Image FlattenedOnWhite(std::vector<std::uint8_t> rgba, int width, int height);

// What a decode that writes RGBA pixels into memory of the program's holds at
// most: those 4 bytes a pixel, flattened where they are.
inline constexpr int kRgbaDecodeBytesPerPixel = 4;

}  // namespace palimora
