#include "imaging/PrivateMetadata.h"

#include "common/TextLines.h"
#include "imaging/ImageError.h"
#include "imaging/JpegBlocks.h"

#include <cstdlib>
#include <cstring>
#include <memory>

#include <libexif/exif-data.h>

namespace palimora {

namespace {

struct ExifDataReleaser {
    void operator()(ExifData* data) const { exif_data_unref(data); }
};

constexpr ExifTag kOwnerName = static_cast<ExifTag>(0xA430);
constexpr ExifTag kBodySerialNumber = static_cast<ExifTag>(0xA431);
constexpr ExifTag kLensSerialNumber = static_cast<ExifTag>(0xA435);
constexpr ExifTag kPrivateTags[] = {EXIF_TAG_MAKER_NOTE, kOwnerName, kBodySerialNumber, kLensSerialNumber};

bool RemoveTag(ExifData& data, ExifTag tag) {
    bool removed = false;
    for (ExifContent* content : data.ifd) {
        while (ExifEntry* entry = exif_content_get_entry(content, tag)) {
            exif_content_remove_entry(content, entry);
            removed = true;
        }
    }
    return removed;
}

bool RemoveGps(ExifData& data) {
    ExifContent* gps = data.ifd[EXIF_IFD_GPS];
    const bool any = gps->count > 0;
    while (gps->count > 0) exif_content_remove_entry(gps, gps->entries[gps->count - 1]);
    return any;
}

constexpr std::string_view kExtendedXmpStart("http://ns.adobe.com/xmp/extension/\0", 35);

bool IsXmpWithGps(std::string_view payload) {
    return (payload.starts_with(kXmpStart) || payload.starts_with(kExtendedXmpStart)) &&
           payload.find("GPS") != std::string_view::npos;
}

void AppendSegment(std::string& out, unsigned char marker, std::string_view payload) {
    const std::size_t length = payload.size() + 2;
    out += static_cast<char>(0xFF);
    out += static_cast<char>(marker);
    out += static_cast<char>(length >> 8);
    out += static_cast<char>(length & 0xFF);
    out += payload;
}

}  // namespace

std::optional<std::string> ExifWithoutPrivateData(std::string_view exif) {
    if (!exif.starts_with(kExifStart)) return std::nullopt;
    std::unique_ptr<ExifData, ExifDataReleaser> data(exif_data_new());
    if (!data) return std::nullopt;
    // Entries are written back as they were read: unknown ones kept, none added.
    exif_data_unset_option(data.get(), EXIF_DATA_OPTION_IGNORE_UNKNOWN_TAGS);
    exif_data_unset_option(data.get(), EXIF_DATA_OPTION_FOLLOW_SPECIFICATION);
    exif_data_set_option(data.get(), EXIF_DATA_OPTION_DONT_CHANGE_MAKER_NOTE);
    exif_data_load_data(data.get(), reinterpret_cast<const unsigned char*>(exif.data()),
                        static_cast<unsigned int>(exif.size()));
    bool removed = RemoveGps(*data);
    for (const ExifTag tag : kPrivateTags) removed = RemoveTag(*data, tag) || removed;
    if (!removed) return std::nullopt;
    unsigned char* saved = nullptr;
    unsigned int size = 0;
    exif_data_save_data(data.get(), &saved, &size);
    std::unique_ptr<unsigned char, decltype(&std::free)> owned(saved, &std::free);
    // An APP1 block holds at most 65533 bytes.
    if (!saved || size < kExifStart.size() || size > 65533) return std::nullopt;
    return std::string(reinterpret_cast<const char*>(saved), size);
}

std::optional<std::string> JpegWithoutPrivateData(std::string_view jpeg) {
    std::string out(jpeg.substr(0, 2));
    bool changed = false;
    const std::optional<std::size_t> end = VisitJpegBlocks(jpeg, [&](const JpegBlock& block) {
        if (block.marker == 0xE1 && block.payload.starts_with(kExifStart)) {
            if (auto cleaned = ExifWithoutPrivateData(block.payload)) {
                AppendSegment(out, block.marker, *cleaned);
                changed = true;
            } else {
                out += block.bytes;
            }
        } else if (block.marker == 0xE1 && IsXmpWithGps(block.payload)) {
            changed = true;
        } else {
            out += block.bytes;
        }
    });
    if (!end || !changed) return std::nullopt;
    // Whatever follows the first start-of-scan is copied as it is.
    out += jpeg.substr(*end);
    return out;
}

bool RemovePrivateData(const std::filesystem::path& jpeg) {
    RequireOrdinaryPicture(jpeg);
    if (!JpegWithoutPrivateData(JpegHead(jpeg))) return false;
    std::string bytes;
    try {
        bytes = ReadFileBytes(jpeg, kMaxPictureFileBytes);
    } catch (const PalimoraError&) {
        throw ImageError(ImageError::Kind::Unreadable, "cannot open " + jpeg.string());
    }
    auto cleaned = JpegWithoutPrivateData(bytes);
    if (!cleaned) return false;
    WriteFileAtomically(jpeg, *cleaned, Durability::Flushed);  // the project's own copy
    return true;
}

}  // namespace palimora
