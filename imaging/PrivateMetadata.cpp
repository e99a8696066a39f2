#include "imaging/PrivateMetadata.h"

#include "common/TextLines.h"
#include "imaging/ImageError.h"

#include <cstdlib>
#include <cstring>
#include <fstream>
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

constexpr std::string_view kExifStart("Exif\0\0", 6);
constexpr std::string_view kXmpStart("http://ns.adobe.com/xap/1.0/\0", 29);
constexpr std::string_view kExtendedXmpStart("http://ns.adobe.com/xmp/extension/\0", 35);

unsigned char At(std::string_view bytes, std::size_t i) { return static_cast<unsigned char>(bytes[i]); }

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
    if (jpeg.size() < 4 || At(jpeg, 0) != 0xFF || At(jpeg, 1) != 0xD8) return std::nullopt;
    std::string out(jpeg.substr(0, 2));
    bool changed = false;
    std::size_t at = 2;
    // The blocks before the compressed data; whatever follows the first
    // start-of-scan is copied as it is.
    while (at + 4 <= jpeg.size() && At(jpeg, at) == 0xFF) {
        const unsigned char marker = At(jpeg, at + 1);
        if (marker == 0xDA || marker == 0xD9 || marker == 0xFF) break;
        const std::size_t length = (std::size_t{At(jpeg, at + 2)} << 8) | At(jpeg, at + 3);
        if (length < 2 || at + 2 + length > jpeg.size()) return std::nullopt;
        const std::string_view payload = jpeg.substr(at + 4, length - 2);
        if (marker == 0xE1 && payload.starts_with(kExifStart)) {
            if (auto cleaned = ExifWithoutPrivateData(payload)) {
                AppendSegment(out, marker, *cleaned);
                changed = true;
            } else {
                out += jpeg.substr(at, 2 + length);
            }
        } else if (marker == 0xE1 && IsXmpWithGps(payload)) {
            changed = true;
        } else {
            out += jpeg.substr(at, 2 + length);
        }
        at += 2 + length;
    }
    if (!changed) return std::nullopt;
    out += jpeg.substr(at);
    return out;
}

namespace {

// The blocks of a JPEG before its compressed data, read block by block: most
// photos are clean, and their compressed data need not be read to know it.
// Stops at the first start-of-scan, at anything that is no block, or at the
// end of the file; a header beyond all reason stops being read too.
std::string JpegHead(const std::filesystem::path& jpeg) {
    constexpr std::size_t kMostHeadBytes = 16u << 20;
    std::ifstream in(jpeg, std::ios::binary);
    if (!in) throw ImageError(ImageError::Kind::Unreadable, "cannot open " + jpeg.string());
    std::string head(2, '\0');
    if (!in.read(head.data(), 2)) return {};
    char block[4];
    while (head.size() < kMostHeadBytes && in.read(block, sizeof block)) {
        head.append(block, sizeof block);
        const auto marker = static_cast<unsigned char>(block[1]);
        if (static_cast<unsigned char>(block[0]) != 0xFF || marker == 0xDA || marker == 0xD9 || marker == 0xFF) break;
        const std::size_t length =
            (std::size_t{static_cast<unsigned char>(block[2])} << 8) | static_cast<unsigned char>(block[3]);
        if (length < 2) break;
        const std::size_t start = head.size();
        head.resize(start + length - 2);
        in.read(head.data() + start, static_cast<std::streamsize>(length - 2));
        head.resize(start + static_cast<std::size_t>(in.gcount()));
        if (in.gcount() != static_cast<std::streamsize>(length - 2)) break;
    }
    return head;
}

}  // namespace

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
