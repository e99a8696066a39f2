#include "imaging/PictureReader.h"

#include "common/FileNames.h"
#include "imaging/BmpCodec.h"
#include "imaging/GifCodec.h"
#include "imaging/ImageError.h"
#include "imaging/JpegCodec.h"

#include <string>

namespace palimora {

PictureFormat FormatOfName(std::string_view fileName) {
    const std::string extension = UpperExtensionOf(fileName);
    if (extension == ".JPG" || extension == ".JPEG") return PictureFormat::Jpeg;
    if (extension == ".BMP") return PictureFormat::Bmp;
    if (extension == ".ICO") return PictureFormat::Icon;
    if (extension == ".WMF" || extension == ".EMF") return PictureFormat::Metafile;
    if (extension == ".GIF" || extension == ".GIFF") return PictureFormat::Gif;
    return PictureFormat::Other;
}

PictureFormat FormatOf(const std::filesystem::path& file) {
    return FormatOfName(file.filename().string());
}

namespace {

Image Filmstrip(const GifPicture& gif) {
    CheckPictureSize(static_cast<long long>(gif.width) * static_cast<long long>(gif.frames.size()), gif.height, "GIF");
    Image strip(gif.width * static_cast<int>(gif.frames.size()), gif.height);
    for (std::size_t i = 0; i < gif.frames.size(); ++i) strip.Paste(gif.frames[i], static_cast<int>(i) * gif.width, 0);
    return strip;
}

}  // namespace

ReadPicture ReadPictureFile(const std::filesystem::path& file, int wantedWidth, int wantedHeight) {
    ReadPicture read;
    switch (FormatOf(file)) {
        case PictureFormat::Jpeg: {
            const PictureSize natural = ReadJpegSize(file);
            read.image = DecodeJpeg(file, wantedWidth, wantedHeight);
            read.naturalWidth = natural.width;
            read.naturalHeight = natural.height;
            return read;
        }
        case PictureFormat::Bmp:
            read.image = DecodeBmp(file);
            break;
        case PictureFormat::Gif: {
            GifPicture gif = DecodeGif(file);
            read.frames = static_cast<int>(gif.frames.size());
            read.image = read.frames > 1 ? Filmstrip(gif) : std::move(gif.frames.front());
            break;
        }
        case PictureFormat::Metafile:
        case PictureFormat::Icon:
        case PictureFormat::Other:
            throw ImageError(ImageError::Kind::Unsupported, "no decoder for " + file.filename().string());
    }
    read.naturalWidth = read.image.width;
    read.naturalHeight = read.image.height;
    return read;
}

Image ReadFirstFrame(const std::filesystem::path& file) {
    if (FormatOf(file) == PictureFormat::Gif) return std::move(DecodeGif(file, true).frames.front());
    return ReadPictureFile(file).image;
}

}  // namespace palimora
