#include "sitegen/ShownSizes.h"

#include "imaging/PictureReader.h"
#include "sitegen/DerivedPictures.h"

namespace palimora {

ShownSizesByName ReadShownSizes(const std::filesystem::path& picturesFolder, const std::vector<std::string>& names,
                                const ConversionSettings& conversion, const KnownShownSize& known) {
    ShownSizesByName shown;
    for (const std::string& name : names) {
        std::optional<PictureSize> natural = known ? known(name) : std::nullopt;
        if (!natural) natural = ReadShownSize(picturesFolder / name);
        if (!natural) continue;
        ShownSizes& sizes = shown[name];
        if (!IsJpegName(name)) {
            // Only JPEG pictures are derived: the others are shown as they are.
            sizes.thumbnail = sizes.summary = sizes.picture = natural;
            continue;
        }
        const DerivedSizes derived = SizesDerivedFrom(*natural, conversion);
        sizes.picture = derived.shown;
        sizes.thumbnail = conversion.thumbnails ? derived.thumbnail : derived.shown;
        sizes.summary = conversion.thumbnails ? derived.summary : derived.shown;
        if (conversion.thumbnails) {
            sizes.thumbnail2x = derived.thumbnail2x;
            sizes.summary2x = derived.summary2x;
        }
        sizes.phone = derived.phone;
        sizes.smallPhone = derived.smallPhone;
    }
    return shown;
}

std::string SizeAttributes(const std::optional<PictureSize>& size) {
    if (!size) return {};
    return " width=\"" + std::to_string(size->width) + "\" height=\"" + std::to_string(size->height) + "\"";
}

}  // namespace palimora
