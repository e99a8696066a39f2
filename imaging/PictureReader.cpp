#include "imaging/PictureReader.h"

#include "common/FileNames.h"
#include "imaging/BmpCodec.h"
#include "imaging/GifCodec.h"
#include "imaging/ImageError.h"
#include "imaging/JpegCodec.h"
#include "imaging/PhotoFormats.h"
#include "imaging/VideoClip.h"

#include <new>
#include <string>

namespace palimora {

PictureFormat FormatOfName(std::string_view fileName) {
    const std::string extension = UpperExtensionOf(fileName);
    if (extension == ".JPG" || extension == ".JPEG") return PictureFormat::Jpeg;
    if (extension == ".BMP") return PictureFormat::Bmp;
    if (extension == ".ICO") return PictureFormat::Icon;
    if (extension == ".WMF" || extension == ".EMF") return PictureFormat::Metafile;
    if (extension == ".GIF" || extension == ".GIFF") return PictureFormat::Gif;
    if (extension == ".HEIC" || extension == ".HEIF") return PictureFormat::Heif;
    if (extension == ".PNG") return PictureFormat::Png;
    if (extension == ".WEBP") return PictureFormat::Webp;
    if (extension == ".TIF" || extension == ".TIFF") return PictureFormat::Tiff;
    if (extension == ".MP4" || extension == ".MOV" || extension == ".M4V" || extension == ".3GP" ||
        extension == ".WEBM" || extension == ".MKV") {
        return PictureFormat::Clip;
    }
    return PictureFormat::Other;
}

PictureFormat FormatOf(const std::filesystem::path& file) { return FormatOfName(file.filename().string()); }

bool IsConvertibleFormat(PictureFormat format) {
    switch (format) {
        case PictureFormat::Bmp:
        case PictureFormat::Gif:
        case PictureFormat::Heif:
        case PictureFormat::Png:
        case PictureFormat::Webp:
        case PictureFormat::Tiff: return true;
        case PictureFormat::Jpeg:
        case PictureFormat::Clip:
        case PictureFormat::Icon:
        case PictureFormat::Metafile:
        case PictureFormat::Other: return false;
    }
    return false;
}

namespace {

ReadPicture Read(const std::filesystem::path& file, int wantedWidth, int wantedHeight) {
    ReadPicture read;
    switch (FormatOf(file)) {
        case PictureFormat::Jpeg: {
            const PictureSize natural = ReadJpegSize(file);
            read.image = DecodeJpeg(file, wantedWidth, wantedHeight);
            read.naturalWidth = natural.width;
            read.naturalHeight = natural.height;
            return read;
        }
        case PictureFormat::Bmp: read.image = DecodeBmp(file); break;
        case PictureFormat::Heif: read.image = DecodeHeif(file); break;
        case PictureFormat::Png: read.image = DecodePng(file); break;
        case PictureFormat::Webp: read.image = DecodeWebp(file); break;
        case PictureFormat::Tiff: read.image = DecodeTiff(file); break;
        case PictureFormat::Gif: {
            GifPicture gif = DecodeGifFilmstrip(file, wantedWidth, wantedHeight);
            read.frames = gif.frames;
            read.image = std::move(gif.image);
            read.naturalWidth = gif.width * gif.frames;  // the strip at full size
            read.naturalHeight = gif.height;
            return read;
        }
        case PictureFormat::Clip: {
            // A clip is seen as its poster, with the play mark.
            const ClipFacts facts = ReadClipFacts(file);
            read.image = ClipPoster(file, wantedWidth, wantedHeight);
            DrawPlayMark(read.image);
            read.naturalWidth = facts.width;
            read.naturalHeight = facts.height;
            return read;
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

}  // namespace

ReadPicture ReadPictureFile(const std::filesystem::path& file, int wantedWidth, int wantedHeight) {
    try {
        return Read(file, wantedWidth, wantedHeight);
    } catch (const std::bad_alloc&) {
        throw ImageError(ImageError::Kind::TooLarge, "not enough memory for " + file.filename().string());
    }
}

std::optional<PictureSize> ReadShownSize(const std::filesystem::path& file) {
    try {
        switch (FormatOf(file)) {
            case PictureFormat::Jpeg: return ReadJpegSize(file);
            case PictureFormat::Gif: return ReadGifSize(file);
            default: return std::nullopt;
        }
    } catch (const ImageError&) {
        return std::nullopt;
    }
}

Image ReadFirstFrame(const std::filesystem::path& file) {
    if (FormatOf(file) == PictureFormat::Gif) return DecodeGif(file).image;
    return ReadPictureFile(file).image;
}

}  // namespace palimora
