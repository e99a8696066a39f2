#pragma once

#include "imaging/Image.h"
#include "imaging/JpegCodec.h"

#include <filesystem>
#include <optional>
#include <string_view>

namespace palimora {

// Formats by file-name extension, compared without regard to letter case.
// Clip: a video clip (MP4, MOV, M4V, 3GP, WebM, MKV), a kind of picture of its own (VideoClip.h).
enum class PictureFormat { Jpeg, Bmp, Icon, Metafile, Gif, Heif, Png, Webp, Tiff, Clip, Other };
PictureFormat FormatOfName(std::string_view fileName);
PictureFormat FormatOf(const std::filesystem::path& file);
inline bool IsJpegName(std::string_view fileName) { return FormatOfName(fileName) == PictureFormat::Jpeg; }

// A picture read for showing: its pixels, possibly reduced, and the natural
// size and frame count the display reports.
struct ReadPicture {
    Image image;
    int naturalWidth = 0;
    int naturalHeight = 0;
    int frames = 1;
};

// True for the formats a project keeps only as JPEG copies: bitmaps, GIFs,
// HEIC/HEIF, PNG, WebP and TIFF.
bool IsConvertibleFormat(PictureFormat format);

// Reads a JPEG, BMP, GIF, HEIC/HEIF, PNG, WebP or TIFF picture, as a viewer sees it. A JPEG larger than wantedWidth x
// wantedHeight is decoded reduced (never below that size). A GIF of several
// frames is read as a filmstrip: the frames side by side, each reduced as it
// is read so the strip fits the wanted size, and its natural size is that of
// the strip at full size. Running out of memory is TooLarge. Throws ImageError: Unreadable for a damaged
// file, TooLarge past the pixel cap, Unsupported for other formats (icons,
// metafiles and the rest are left to the screen's own loader).
ReadPicture ReadPictureFile(const std::filesystem::path& file, int wantedWidth = 0, int wantedHeight = 0);

// The size a browser shows a JPEG or GIF file at, read from its header;
// nothing for other formats and for files that cannot be read.
std::optional<PictureSize> ReadShownSize(const std::filesystem::path& file);

// The first frame of a GIF, or the picture itself for the other formats,
// read at full size: what a conversion to JPEG encodes.
Image ReadFirstFrame(const std::filesystem::path& file);

}  // namespace palimora
