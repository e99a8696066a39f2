#pragma once

#include "imaging/Image.h"
#include "imaging/JpegCodec.h"

#include <filesystem>

namespace palimora {

// Windows bitmaps, decoded by stb_image. Throws ImageError when damaged or too large.
PictureSize ReadBmpSize(const std::filesystem::path& file);
Image DecodeBmp(const std::filesystem::path& file);

}  // namespace palimora
