#include "imaging/BmpCodec.h"

#include "common/TextLines.h"
#include "imaging/ImageError.h"

#include <cstdint>
#include <cstring>
#include <fstream>
#include <memory>
#include <string>
#include <system_error>

#include <stb/stb_image.h>

namespace palimora {
namespace {

std::string ReadWhole(const std::filesystem::path& file) {
    RequireOrdinaryPicture(file);
    std::error_code error;
    const std::uintmax_t size = std::filesystem::file_size(file, error);
    if (!error && size > kMaxPictureFileBytes) throw ImageError(ImageError::Kind::TooLarge, "BMP: file too large");
    try {
        return ReadFileBytes(file, kMaxPictureFileBytes);
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

// The pixel count the header declares is checked against the cap before
// the file is read whole: a small header can announce gigabytes of pixels.
void CheckDeclaredSize(const std::filesystem::path& file) {
    RequireOrdinaryPicture(file);
    char bytes[26] = {};
    std::ifstream in(file, std::ios::binary);
    in.read(bytes, sizeof bytes);
    const std::string head(bytes, static_cast<std::size_t>(in.gcount()));
    if (head.size() < 22 || head.compare(0, 2, "BM") != 0) return;  // the decoder tells what is wrong
    const std::uint32_t headerSize = LittleEndian(head, 14, 4);
    long long width = 0, height = 0;
    if (headerSize == 12) {  // the old core header: 16-bit sizes
        width = LittleEndian(head, 18, 2);
        height = LittleEndian(head, 20, 2);
    } else if (head.size() == sizeof bytes) {
        width = static_cast<std::int32_t>(LittleEndian(head, 18, 4));
        height = static_cast<std::int32_t>(LittleEndian(head, 22, 4));
    }
    if (width > 0 && height != 0) CheckPictureSize(width, height < 0 ? -height : height, "BMP");
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

// Some writers put a palette before true-colour pixels, which the decoder
// takes for a misplaced picture: the palette is dropped, the pixels kept.
std::string WithoutUnusedPalette(std::string data) {
    if (data.size() < 54 || data.compare(0, 2, "BM") != 0) return data;
    const std::uint32_t headerSize = LittleEndian(data, 14, 4);
    const std::uint32_t bits = LittleEndian(data, 28, 2);
    const std::uint32_t compression = LittleEndian(data, 30, 4);
    const std::uint32_t colours = LittleEndian(data, 46, 4);
    if (headerSize != 40 || bits < 16 || colours == 0 || (compression != 0 && compression != 3)) return data;
    const std::size_t paletteStart = 14 + 40 + (compression == 3 ? 12 : 0);
    const std::size_t pixels = LittleEndian(data, 10, 4);
    if (pixels <= paletteStart || pixels > data.size()) return data;
    data.erase(paletteStart, pixels - paletteStart);
    for (int i = 0; i < 4; ++i) {
        data[10 + i] = static_cast<char>((paletteStart >> (8 * i)) & 0xFF);
        data[46 + i] = '\0';
    }
    return data;
}

void PutLittleEndian(std::string& data, std::size_t offset, std::uint32_t value, int bytes) {
    for (int i = 0; i < bytes; ++i) data[offset + i] = static_cast<char>((value >> (8 * i)) & 0xFF);
}

// The decoder draws no run-length bitmaps: their runs are expanded here into
// the plain 8-bit rows of the same palette.
std::string ExpandRunLengths(std::string data) {
    if (data.size() < 54 || data.compare(0, 2, "BM") != 0) return data;
    const std::uint32_t headerSize = LittleEndian(data, 14, 4);
    const std::uint32_t bits = LittleEndian(data, 28, 2);
    const std::uint32_t compression = LittleEndian(data, 30, 4);
    if (headerSize < 40 || !((compression == 1 && bits == 8) || (compression == 2 && bits == 4))) return data;
    const long long width = static_cast<std::int32_t>(LittleEndian(data, 18, 4));
    const long long height = static_cast<std::int32_t>(LittleEndian(data, 22, 4));
    CheckPictureSize(width, height, "BMP");
    const std::size_t start = LittleEndian(data, 10, 4);
    const auto cut = [] { return ImageError(ImageError::Kind::Unreadable, "BMP: the file ends before the picture"); };
    if (start < 14 + headerSize || start > data.size()) throw cut();

    const std::size_t rowBytes = static_cast<std::size_t>((width + 3) / 4 * 4);
    std::string rows(rowBytes * static_cast<std::size_t>(height), '\0');
    std::size_t at = start;
    const auto next = [&] {
        if (at >= data.size()) throw cut();
        return static_cast<unsigned char>(data[at++]);
    };
    long long x = 0, y = 0;  // y counts rows from the bottom, as they are stored
    const auto put = [&](unsigned index) {
        if (x < width && y < height)
            rows[static_cast<std::size_t>(y) * rowBytes + static_cast<std::size_t>(x)] = static_cast<char>(index);
        ++x;
    };
    const auto pixelOf = [&](unsigned byte, unsigned i) {
        return bits == 8 ? byte : (i % 2 == 0 ? byte >> 4 : byte & 15u);
    };
    for (;;) {
        const unsigned count = next(), value = next();
        if (count > 0) {
            for (unsigned i = 0; i < count; ++i) put(pixelOf(value, i));
        } else if (value == 0) {  // end of line
            x = 0;
            ++y;
        } else if (value == 1) {  // end of bitmap
            break;
        } else if (value == 2) {  // move right and up
            x += next();
            y += next();
        } else {  // literal pixels, padded to an even byte count
            const std::size_t bytes = bits == 8 ? value : (value + 1) / 2;
            if (at + bytes > data.size()) throw cut();
            for (unsigned i = 0; i < value; ++i) {
                put(pixelOf(static_cast<unsigned char>(data[at + (bits == 8 ? i : i / 2)]), i));
            }
            at += bytes + bytes % 2;
        }
    }

    std::string plain = data.substr(0, start);
    PutLittleEndian(plain, 2, static_cast<std::uint32_t>(start + rows.size()), 4);
    PutLittleEndian(plain, 28, 8, 2);
    PutLittleEndian(plain, 30, 0, 4);
    PutLittleEndian(plain, 34, static_cast<std::uint32_t>(rows.size()), 4);
    if (LittleEndian(plain, 46, 4) == 0) {
        PutLittleEndian(plain, 46, static_cast<std::uint32_t>((start - 14 - headerSize) / 4), 4);
    }
    return plain + rows;
}

// The pixel count of the header, whichever way its rows run.
PictureSize SizeOf(const std::string& data) {
    int width = 0, height = 0, components = 0;
    if (!stbi_info_from_memory(Bytes(data), static_cast<int>(data.size()), &width, &height, &components)) Fail();
    return {width, height < 0 ? -height : height};
}

}  // namespace

PictureSize ReadBmpSize(const std::filesystem::path& file) {
    CheckDeclaredSize(file);
    return SizeOf(ExpandRunLengths(WithoutUnusedPalette(ReadWhole(file))));
}

Image DecodeBmp(const std::filesystem::path& file) {
    CheckDeclaredSize(file);
    const std::string data = ExpandRunLengths(WithoutUnusedPalette(ReadWhole(file)));
    const PictureSize size = SizeOf(data);
    CheckPictureSize(size.width, size.height, "BMP");
    CheckWhole(data);
    int width = 0, height = 0, components = 0;
    std::unique_ptr<stbi_uc, void (*)(void*)> pixels(
        stbi_load_from_memory(Bytes(data), static_cast<int>(data.size()), &width, &height, &components, 3),
        stbi_image_free);
    if (!pixels) Fail();
    Image image(width, height);
    std::memcpy(image.rgb.data(), pixels.get(), image.rgb.size());
    return image;
}

}  // namespace palimora
