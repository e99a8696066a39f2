#include "imaging/ColourProfile.h"
#include "imaging/ImageError.h"
#include "imaging/PhotoFormats.h"

#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include <tiffio.h>

namespace palimora {

namespace {

struct TiffCloser {
    void operator()(TIFF* tiff) const { TIFFClose(tiff); }
};

// libtiff writes its complaints to the standard error by default; the
// picture's fate is told by the result instead.
void Silence(const char*, const char*, va_list) {}

std::vector<std::uint8_t> ProfileOf(TIFF* tiff) {
    std::uint32_t size = 0;
    void* data = nullptr;
    if (!TIFFGetField(tiff, TIFFTAG_ICCPROFILE, &size, &data) || !data) return {};
    const auto* bytes = static_cast<const std::uint8_t*>(data);
    return {bytes, bytes + size};
}

}  // namespace

Image DecodeTiff(const std::filesystem::path& file) {
    static const bool silenced = [] {
        TIFFSetWarningHandler(Silence);
        TIFFSetErrorHandler(Silence);
        return true;
    }();
    (void)silenced;
    std::unique_ptr<TIFF, TiffCloser> tiff(TIFFOpen(file.c_str(), "r"));
    if (!tiff) throw ImageError(ImageError::Kind::Unreadable, "TIFF: cannot open " + file.filename().string());
    std::uint32_t width = 0, height = 0;
    TIFFGetField(tiff.get(), TIFFTAG_IMAGEWIDTH, &width);
    TIFFGetField(tiff.get(), TIFFTAG_IMAGELENGTH, &height);
    CheckPictureSize(width, height, "TIFF");
    // Every layout (strips or tiles, 1 to 16 bits, palettes, CMYK) comes out
    // as 8-bit RGBA, top row first, mirrored or flipped as the file says, as
    // one 32-bit word a pixel, in the memory the picture keeps.
    const std::size_t pixels = static_cast<std::size_t>(width) * height;
    std::vector<std::uint8_t> rgba(pixels * 4);
    if (!TIFFReadRGBAImageOriented(tiff.get(), width, height, reinterpret_cast<std::uint32_t*>(rgba.data()),
                                   ORIENTATION_TOPLEFT, 0)) {
        throw ImageError(ImageError::Kind::Unreadable, "TIFF: damaged or unsupported picture");
    }
    for (std::size_t i = 0; i < pixels; ++i) {
        std::uint32_t word = 0;
        std::memcpy(&word, rgba.data() + 4 * i, 4);
        const std::uint8_t bytes[4] = {
            static_cast<std::uint8_t>(TIFFGetR(word)), static_cast<std::uint8_t>(TIFFGetG(word)),
            static_cast<std::uint8_t>(TIFFGetB(word)), static_cast<std::uint8_t>(TIFFGetA(word))};
        std::memcpy(rgba.data() + 4 * i, bytes, 4);
    }
    Image image = FlattenedOnWhite(std::move(rgba), static_cast<int>(width), static_cast<int>(height));
    std::uint16_t photometric = 0;
    if (TIFFGetField(tiff.get(), TIFFTAG_PHOTOMETRIC, &photometric) && photometric == PHOTOMETRIC_RGB) {
        ConvertToSrgb(image, ProfileOf(tiff.get()));
    }
    return image;
}

}  // namespace palimora
