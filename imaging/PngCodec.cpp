#include "imaging/ImageError.h"
#include "imaging/PhotoFormats.h"

#include <string>
#include <vector>

#include <png.h>

namespace palimora {

Image DecodePng(const std::filesystem::path& file) {
    png_image png{};
    png.version = PNG_IMAGE_VERSION;
    if (!png_image_begin_read_from_file(&png, file.c_str())) {
        throw ImageError(ImageError::Kind::Unreadable, std::string("PNG: ") + png.message);
    }
    try {
        CheckPictureSize(png.width, png.height, "PNG");
    } catch (...) {
        png_image_free(&png);
        throw;
    }
    png.format = PNG_FORMAT_RGBA;
    const std::size_t stride = static_cast<std::size_t>(png.width) * 4;
    std::vector<std::uint8_t> rgba(stride * png.height);
    if (!png_image_finish_read(&png, nullptr, rgba.data(), static_cast<png_int_32>(stride), nullptr)) {
        const std::string message = png.message;
        png_image_free(&png);
        throw ImageError(ImageError::Kind::Unreadable, "PNG: " + message);
    }
    png_image_free(&png);
    return FlattenedOnWhite(rgba.data(), static_cast<int>(png.width), static_cast<int>(png.height), stride);
}

}  // namespace palimora
