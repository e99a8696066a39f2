#pragma once

#include "imaging/PictureReader.h"

#include <filesystem>
#include <string>
#include <string_view>

namespace palimora {

// What a file holds, told by its first bytes whatever its name says: one of
// the formats a project takes (JPEG, GIF, BMP, and those turned into JPEG on
// adding), or Other. A folder, a special file or a file that cannot be
// opened is Other.
PictureFormat PictureFormatOfContent(const std::filesystem::path& file);
PictureFormat PictureFormatOfBytes(std::string_view firstBytes);

// The extension a project gives a picture of that format (".jpg" for every
// JPEG, whatever its name ended in); empty for Other.
std::string ProjectExtensionOf(PictureFormat format);

}  // namespace palimora
