#include "imaging/ColourProfile.h"
#include "imaging/ImageError.h"
#include "imaging/PhotoFormats.h"

#include <csetjmp>
#include <cstdio>
#include <string>
#include <vector>

#include <png.h>

namespace palimora {

namespace {

// Reads the iCCP chunk, if any, inside one frame of setjmp: libpng jumps
// back here on a damaged header, and nothing with a destructor lives here.
void ReadProfileInto(std::FILE* file, std::vector<std::uint8_t>& profile) {
    png_structp png = png_create_read_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    if (!png) return;
    png_infop info = png_create_info_struct(png);
    if (!info || setjmp(png_jmpbuf(png))) {
        png_destroy_read_struct(&png, &info, nullptr);
        return;
    }
    png_init_io(png, file);
    png_read_info(png, info);
    png_charp name = nullptr;
    int compression = 0;
    png_bytep data = nullptr;
    png_uint_32 length = 0;
    if (png_get_iCCP(png, info, &name, &compression, &data, &length) && data) profile.assign(data, data + length);
    png_destroy_read_struct(&png, &info, nullptr);
}

// The embedded ICC profile; none when the file has none or it cannot be read.
std::vector<std::uint8_t> ProfileOf(const std::filesystem::path& file) {
    std::vector<std::uint8_t> profile;
    if (std::FILE* handle = std::fopen(file.c_str(), "rb")) {
        ReadProfileInto(handle, profile);
        std::fclose(handle);
    }
    return profile;
}

}  // namespace

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
    Image image = FlattenedOnWhite(std::move(rgba), static_cast<int>(png.width), static_cast<int>(png.height));
    ConvertToSrgb(image, ProfileOf(file));
    return image;
}

}  // namespace palimora
