#pragma once

#include "common/MemoryGate.h"
#include "imaging/JpegCodec.h"
#include "styles/SettingsLayout.h"

#include <array>
#include <atomic>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace palimora {

struct Image;

// What a build derives from each JPEG picture of a project.
struct ConversionSettings {
    enum class Corner { BottomRight, BottomLeft, TopRight, TopLeft, None };

    bool thumbnails = false;
    int galleryBoxWidth = 0, galleryBoxHeight = 0;  // tn_images
    int summaryBoxWidth = 0, summaryBoxHeight = 0;  // tns_images, for gallery first pictures
    std::array<std::string, kMaxGalleries> galleryFirstPictures;
    int limitWidth = 0, limitHeight = 0;  // both non-zero: the picture shown is reduced
    int strips = 1;                       // more than 1: morc_images/BASE-i.jpg
    bool stamp = false;
    std::filesystem::path stampFile;     // JPEG, or a bitmap
    std::uint64_t stampFingerprint = 0;  // of the stamp file's bytes
    Corner corner = Corner::None;
    int margin = 0;
    // The site shows every picture from web_images (ShowsShapedPictures);
    // the project's own pictures are only read.
    bool shaped = false;
    // For today's browsers: the derived pictures keep the photo's Artist and
    // Copyright, and thumbnails twice as sharp and pictures for phones are made.
    bool todaysBrowsers = false;
    // Set when the build is to stop: a clip being encoded stops at once.
    const std::atomic<bool>* stopped = nullptr;
    // The share done of each clip being encoded, in thousandths, by its
    // position in the list; none: not told.
    std::vector<std::atomic<int>>* clipShares = nullptr;
    // Shared by the build's workers, so that their decodes together stay
    // within two pictures' budget; none: no bound beyond each picture's.
    MemoryGate* memory = nullptr;
};

// The sizes of what a conversion derives from a JPEG picture, known from its
// natural size before anything is decoded: the pages give them to their
// pictures so that nothing moves while the pictures load.
struct DerivedSizes {
    PictureSize thumbnail;  // tn_images
    PictureSize summary;    // tns_images
    PictureSize limited;    // the size-limited picture, when it is made
    PictureSize shown;      // what the site shows as the picture: the limited one when it is made
    bool reduce = false;    // the size-limited picture is made
    // For today's browsers, each when it is sharper than its plain size.
    std::optional<PictureSize> thumbnail2x, summary2x;
    std::optional<PictureSize> phone;       // tel_images: for screens no wider than kPhonePictureSize
    std::optional<PictureSize> smallPhone;  // tel_images too, "-640": for phones of fewer pixels
};
inline constexpr int kPhonePictureSize = 1080;
inline constexpr int kSmallPhonePictureSize = 640;
// The name in tel_images of the smaller copy for phones of the picture named `base`.
std::string SmallPhonePictureName(const std::string& base);
DerivedSizes SizesDerivedFrom(PictureSize natural, const ConversionSettings& settings);

// Whether the picture `name` opens a gallery and so gets its contents thumbnail too.
bool MakesSummaryThumbnail(const ConversionSettings& settings, const std::string& name);

// A fingerprint of everything that shapes the files derived from picture
// `name` under these settings (not the picture's own bytes): equal
// fingerprints of the same picture give the same files.
std::uint64_t DerivationFingerprint(const ConversionSettings& settings, const std::string& name);

// One file a conversion writes: the bytes, or a copy of the file `copyOf`,
// go through a temporary file renamed over the target, so a picture is
// replaced whole or not at all.
struct ConvertedFile {
    ConvertedFile(std::filesystem::path target, std::string encoded)
        : file(std::move(target)), bytes(std::move(encoded)) {}
    static ConvertedFile Copy(std::filesystem::path target, std::filesystem::path source) {
        ConvertedFile copy(std::move(target), {});
        copy.copyOf = std::move(source);
        return copy;
    }

    std::filesystem::path file;
    std::string bytes;
    std::filesystem::path copyOf;
};

// Derives the files of one picture, in the order they are written:
// thumbnails, the strips, and the picture as the site shows it in
// web_images (reduced, stamped; a picture the settings leave as it is, or
// one that is no JPEG, is copied there byte for byte), upright and in sRGB,
// without EXIF. Reads the picture once and never changes it but for taking
// the GPS position and the camera's private notes out of it in place
// (RemovePrivateData); the rest is written by WriteConversion. A clip gives
// what ConvertClip makes; any other picture that is no JPEG only its copy. Throws ImageError for a picture or
// stamp that cannot be read.
// `position`, the picture's place in the list, tells a clip's share done (ConvertClip).
std::vector<ConvertedFile> ConvertPicture(const std::filesystem::path& projectFolder, const std::string& name,
                                          const ConversionSettings& settings, std::size_t position = 0);

// Writes the files of a conversion; a file that already holds its bytes is
// left as it is, its time included.
void WriteConversion(const std::vector<ConvertedFile>& files);

// The site's icon: the middle square of a JPEG picture, kFaviconSize pixels a
// side, as JPEG bytes. Throws ImageError for a picture that cannot be read.
// The bytes begin with a comment that marks the picture they were made from
// (a fingerprint of its name and `contents`, HashOfFile's), so that
// IsFaviconOf knows an icon still current without decoding the picture again.
std::string FaviconOf(const std::filesystem::path& picture, std::uint64_t contents);
bool IsFaviconOf(const std::filesystem::path& favicon, const std::filesystem::path& picture, std::uint64_t contents);
inline constexpr int kFaviconSize = 64;

// Rows top .. bottom - 1 of a picture.
struct StripRows {
    int top = 0;
    int bottom = 0;
};
// The rows of the strips of a picture `height` rows high: round(height / s)
// rows each, the last taking the rest.
std::vector<StripRows> StripBands(int height, int strips);
// The strips themselves, as pictures of their own.
std::vector<Image> CutStrips(const Image& picture, int strips);

// Pastes the stamp into the picture's corner, `margin` pixels from the edges,
// cut at the picture's edges.
void StampCopyright(Image& picture, const Image& stamp, ConversionSettings::Corner corner, int margin);

}  // namespace palimora
