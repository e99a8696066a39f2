#pragma once

#include "imaging/JpegCodec.h"

#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <unordered_map>
#include <vector>

namespace palimora {

struct ConversionSettings;

// The sizes at which a built site shows one picture of the project, read
// from its header before any page is written: its thumbnails and the
// picture itself. Nothing where the file cannot be read.
struct ShownSizes {
    std::optional<PictureSize> thumbnail;  // what a gallery shows
    std::optional<PictureSize> summary;    // what the summary shows for its gallery
    std::optional<PictureSize> picture;    // what the picture page shows
    // For today's browsers, where made: the sharper thumbnails and the picture for phones.
    std::optional<PictureSize> thumbnail2x, summary2x, phone, smallPhone;
};

using ShownSizesByName = std::unordered_map<std::string, ShownSizes>;

// `known` gives a picture's shown size when it is known without reading its header.
using KnownShownSize = std::function<std::optional<PictureSize>(const std::string& name)>;
ShownSizesByName ReadShownSizes(const std::filesystem::path& picturesFolder, const std::vector<std::string>& names,
                                const ConversionSettings& conversion, const KnownShownSize& known = {});

// ` width="W" height="H"`, or nothing for an unknown size.
std::string SizeAttributes(const std::optional<PictureSize>& size);

}  // namespace palimora
