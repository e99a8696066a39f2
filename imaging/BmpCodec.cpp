#include "imaging/BmpCodec.h"

#include "common/TextLines.h"
#include "imaging/ImageError.h"

#include <cstdint>
#include <cstring>
#include <memory>
#include <string>

#include <stb/stb_image.h>

namespace palimora {
namespace {

std::string ReadWhole(const std::filesystem::path& file) {
    try {
        return ReadFileBytes(file);
    } catch (const PalimoraError&) {
        throw ImageError(ImageError::Kind::Unreadable, "cannot open " + file.string());
    }
}

[[noreturn]] void Fail() {
    const char* reason = stbi_failure_reason();
    throw ImageError(ImageError::Kind::Unreadable, std::string("BMP: ") + (reason ? reason : "unreadable"));
}

const stbi_uc* Bytes(const std::string& data) { return reinterpret_cast<const stbi_uc*>(data.data()); }

std::uint32_t LittleEndian(const std::string& data, std::size_t offset, int bytes) {
    std::uint32_t value = 0;
    for (int i = bytes - 1; i >= 0; --i) value = (value << 8) | static_cast<unsigned char>(data[offset + i]);
    return value;
}

// The decoder fills the rows of a cut file with black; an uncompressed
// bitmap whose pixel rows do not all fit in the file is damaged instead.
void CheckWhole(const std::string& data) {
    if (data.size() < 34 || data.compare(0, 2, "BM") != 0) return;
    const std::uint32_t compression = LittleEndian(data, 30, 4);
    if (compression != 0 && compression != 3) return;  // compressed rows have no fixed length
    const long long width = static_cast<std::int32_t>(LittleEndian(data, 18, 4));
    const long long height = static_cast<std::int32_t>(LittleEndian(data, 22, 4));
    const long long bits = LittleEndian(data, 28, 2);
    const long long rowBytes = (width * bits + 31) / 32 * 4;
    const long long needed = LittleEndian(data, 10, 4) + rowBytes * (height < 0 ? -height : height);
    if (static_cast<long long>(data.size()) < needed) {
        throw ImageError(ImageError::Kind::Unreadable, "BMP: the file ends before the picture");
    }
}

}  // namespace

PictureSize ReadBmpSize(const std::filesystem::path& file) {
    const std::string data = ReadWhole(file);
    int width = 0, height = 0, components = 0;
    if (!stbi_info_from_memory(Bytes(data), static_cast<int>(data.size()), &width, &height, &components)) Fail();
    return {width, height};
}

Image DecodeBmp(const std::filesystem::path& file) {
    const std::string data = ReadWhole(file);
    int width = 0, height = 0, components = 0;
    if (!stbi_info_from_memory(Bytes(data), static_cast<int>(data.size()), &width, &height, &components)) Fail();
    CheckPictureSize(width, height, "BMP");
    CheckWhole(data);
    std::unique_ptr<stbi_uc, void (*)(void*)> pixels(
        stbi_load_from_memory(Bytes(data), static_cast<int>(data.size()), &width, &height, &components, 3),
        stbi_image_free);
    if (!pixels) Fail();
    Image image(width, height);
    std::memcpy(image.rgb.data(), pixels.get(), image.rgb.size());
    return image;
}

}  // namespace palimora
