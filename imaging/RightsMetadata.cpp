#include "imaging/RightsMetadata.h"

#include <cstdlib>
#include <memory>

#include <libexif/exif-data.h>
#include <libexif/exif-loader.h>

namespace palimora {

namespace {

struct ExifDataReleaser {
    void operator()(ExifData* data) const { exif_data_unref(data); }
};

bool IsRights(const ExifContent* content, const ExifData& data, ExifTag tag) {
    return content == data.ifd[EXIF_IFD_0] && (tag == EXIF_TAG_ARTIST || tag == EXIF_TAG_COPYRIGHT);
}

}  // namespace

std::string RightsExifOf(const std::filesystem::path& jpeg) {
    std::unique_ptr<ExifLoader, decltype(&exif_loader_unref)> loader(exif_loader_new(), &exif_loader_unref);
    if (!loader) return {};
    exif_loader_write_file(loader.get(), jpeg.c_str());
    const unsigned char* exif = nullptr;
    unsigned int exifSize = 0;
    exif_loader_get_buf(loader.get(), &exif, &exifSize);
    if (!exif || exifSize == 0) return {};
    // Read as it stands: nothing added or corrected on the way.
    std::unique_ptr<ExifData, ExifDataReleaser> data(exif_data_new());
    if (!data) return {};
    exif_data_unset_option(data.get(), EXIF_DATA_OPTION_IGNORE_UNKNOWN_TAGS);
    exif_data_unset_option(data.get(), EXIF_DATA_OPTION_FOLLOW_SPECIFICATION);
    exif_data_load_data(data.get(), exif, exifSize);
    bool any = false;
    for (ExifContent* content : data->ifd) {
        for (unsigned int i = content->count; i-- > 0;) {
            ExifEntry* entry = content->entries[i];
            if (IsRights(content, *data, entry->tag)) {
                any = true;
            } else {
                exif_content_remove_entry(content, entry);
            }
        }
    }
    if (!any) return {};
    // Nor the camera's own small picture.
    std::free(data->data);
    data->data = nullptr;
    data->size = 0;
    unsigned char* saved = nullptr;
    unsigned int size = 0;
    exif_data_save_data(data.get(), &saved, &size);
    std::unique_ptr<unsigned char, decltype(&std::free)> owned(saved, &std::free);
    // An APP1 block holds at most 65533 bytes.
    if (!saved || size > 65533) return {};
    return std::string(reinterpret_cast<const char*>(saved), size);
}

std::string WithExif(std::string jpeg, std::string_view exif) {
    if (exif.empty() || jpeg.size() < 4) return jpeg;
    std::size_t at = 2;  // after the start of image
    if (static_cast<unsigned char>(jpeg[2]) == 0xFF && static_cast<unsigned char>(jpeg[3]) == 0xE0 &&
        jpeg.size() >= 6) {
        at += 2 + (static_cast<unsigned char>(jpeg[4]) << 8 | static_cast<unsigned char>(jpeg[5]));
    }
    const std::size_t length = exif.size() + 2;
    std::string segment = {static_cast<char>(0xFF), static_cast<char>(0xE1), static_cast<char>(length >> 8),
                           static_cast<char>(length & 0xFF)};
    segment += exif;
    jpeg.insert(at, segment);
    return jpeg;
}

}  // namespace palimora
