#pragma once

#include "common/Cp1252.h"

#include <filesystem>
#include <string_view>

namespace palimora {

// What a photo says of itself in its metadata, in UTF-8: a title (XMP
// dc:title, else IPTC object name) and a description (XMP dc:description,
// else IPTC caption, else EXIF ImageDescription). Either may be empty; the
// placeholder texts cameras write ("OLYMPUS DIGITAL CAMERA") count as none.
struct PhotoCaption {
    Utf8Text title;
    Utf8Text description;
};

// Reads the caption of a JPEG file's metadata blocks, or a clip's own title;
// nothing for another kind of file or one that cannot be read.
PhotoCaption CaptionOf(const std::filesystem::path& photo);
// The same from a JPEG file's bytes (its blocks up to the picture data).
PhotoCaption CaptionOfJpeg(std::string_view jpeg);

}  // namespace palimora
