#include "imaging/PictureContent.h"

#include "imaging/VideoClip.h"

#include <array>
#include <fstream>
#include <system_error>

namespace palimora {
namespace fs = std::filesystem;

namespace {

// The brands of an ISO media file that hold HEIF pictures.
constexpr std::array<std::string_view, 8> kHeifBrands = {"heic", "heix", "hevc", "hevx",
                                                         "heim", "heis", "mif1", "msf1"};

bool StartsWith(std::string_view bytes, std::string_view prefix) { return bytes.substr(0, prefix.size()) == prefix; }

bool IsHeif(std::string_view bytes) {
    if (bytes.size() < 12 || bytes.substr(4, 4) != "ftyp") return false;
    const std::string_view brand = bytes.substr(8, 4);
    for (const std::string_view heif : kHeifBrands) {
        if (brand == heif) return true;
    }
    return false;
}

}  // namespace

PictureFormat PictureFormatOfBytes(std::string_view bytes) {
    using namespace std::string_view_literals;
    if (StartsWith(bytes, "\xFF\xD8\xFF"sv)) return PictureFormat::Jpeg;
    if (StartsWith(bytes, "GIF87a"sv) || StartsWith(bytes, "GIF89a"sv)) return PictureFormat::Gif;
    if (StartsWith(bytes, "BM"sv) && bytes.size() >= 26) return PictureFormat::Bmp;
    if (StartsWith(bytes, "\x89PNG\r\n\x1A\n"sv)) return PictureFormat::Png;
    if (StartsWith(bytes, "RIFF"sv) && bytes.size() >= 12 && bytes.substr(8, 4) == "WEBP"sv) return PictureFormat::Webp;
    if (StartsWith(bytes, "II*\0"sv) || StartsWith(bytes, "MM\0*"sv)) return PictureFormat::Tiff;
    if (IsHeif(bytes)) return PictureFormat::Heif;
    if (IsClipBytes(bytes)) return PictureFormat::Clip;
    return PictureFormat::Other;
}

PictureFormat PictureFormatOfContent(const fs::path& file) {
    std::error_code error;
    if (!fs::is_regular_file(file, error)) return PictureFormat::Other;
    std::ifstream in(file, std::ios::binary);
    std::array<char, 32> first{};
    in.read(first.data(), first.size());
    return PictureFormatOfBytes(std::string_view(first.data(), static_cast<std::size_t>(in.gcount())));
}

std::string ProjectExtensionOf(PictureFormat format) {
    switch (format) {
        case PictureFormat::Jpeg: return ".jpg";
        case PictureFormat::Gif: return ".gif";
        case PictureFormat::Bmp: return ".bmp";
        case PictureFormat::Heif: return ".heic";
        case PictureFormat::Png: return ".png";
        case PictureFormat::Webp: return ".webp";
        case PictureFormat::Tiff: return ".tif";
        case PictureFormat::Clip: return ".mp4";
        case PictureFormat::Icon:
        case PictureFormat::Metafile:
        case PictureFormat::Other: return {};
    }
    return {};
}

}  // namespace palimora
