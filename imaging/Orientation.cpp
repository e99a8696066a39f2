#include "imaging/Orientation.h"

#include <cstring>
#include <memory>

#include <libexif/exif-data.h>

namespace palimora {

namespace {

struct ExifDataReleaser {
    void operator()(ExifData* data) const { exif_data_unref(data); }
};

// Where the viewer's pixel (x, y) comes from in the stored picture of
// width w and height h.
struct Source {
    int x;
    int y;
};

Source SourceOf(int orientation, int x, int y, int w, int h) {
    switch (orientation) {
        case 2: return {w - 1 - x, y};
        case 3: return {w - 1 - x, h - 1 - y};
        case 4: return {x, h - 1 - y};
        case 5: return {y, x};
        case 6: return {y, h - 1 - x};
        case 7: return {w - 1 - y, h - 1 - x};
        case 8: return {w - 1 - y, x};
        default: return {x, y};
    }
}

}  // namespace

int ExifOrientation(const std::uint8_t* exif, std::size_t size) {
    if (!exif || size < 14) return kUpright;
    std::unique_ptr<ExifData, ExifDataReleaser> data(exif_data_new());
    if (!data) return kUpright;
    // Read as it is: nothing is added to the block to make it complete.
    exif_data_unset_option(data.get(), EXIF_DATA_OPTION_FOLLOW_SPECIFICATION);
    exif_data_load_data(data.get(), exif, static_cast<unsigned int>(size));
    ExifEntry* entry = exif_content_get_entry(data->ifd[EXIF_IFD_0], EXIF_TAG_ORIENTATION);
    if (!entry || entry->format != EXIF_FORMAT_SHORT || entry->components < 1 || !entry->data) return kUpright;
    const int value = exif_get_short(entry->data, exif_data_get_byte_order(data.get()));
    return value >= 1 && value <= 8 ? value : kUpright;
}

Image Oriented(Image stored, int orientation) {
    if (orientation < 2 || orientation > 8 || stored.Empty()) return stored;
    const int w = stored.width, h = stored.height;
    Image seen = SwapsSides(orientation) ? Image(h, w) : Image(w, h);
    for (int y = 0; y < seen.height; ++y) {
        std::uint8_t* out = seen.Row(y);
        for (int x = 0; x < seen.width; ++x, out += 3) {
            const Source from = SourceOf(orientation, x, y, w, h);
            std::memcpy(out, stored.Row(from.y) + static_cast<std::size_t>(from.x) * 3, 3);
        }
    }
    return seen;
}

}  // namespace palimora
