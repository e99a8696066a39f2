#pragma once

#include "imaging/Image.h"

#include <filesystem>

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

}  // namespace palimora
