#include "sitegen/ShownSizes.h"

#include "imaging/PictureReader.h"
#include "sitegen/DerivedClips.h"
#include "sitegen/DerivedPictures.h"

namespace palimora {

ShownSizesByName ReadShownSizes(const std::filesystem::path& picturesFolder, const std::vector<std::string>& names,
                                const ConversionSettings& conversion, const KnownShownSize& known) {
    ShownSizesByName shown;
    for (const std::string& name : names) {
        if (FormatOfName(name) == PictureFormat::Clip) {
            const std::optional<PictureSize> clip = ShownClipSize(picturesFolder / name, conversion);
            if (!clip) continue;
            // Its poster is as large as the clip; the thumbnails are made from it.
            const DerivedSizes derived = SizesDerivedFrom(*clip, conversion);
            ShownSizes& sizes = shown[name];
            sizes.picture = clip;
            sizes.thumbnail = conversion.thumbnails ? derived.thumbnail : *clip;
            sizes.summary = conversion.thumbnails ? derived.summary : *clip;
            continue;
        }
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
