#pragma once

#include <filesystem>
#include <string>
#include <vector>

namespace palimora {

class ImageError;
class Language;

// What the user is told when a picture cannot be shown, in their language.

// A damaged or unreadable picture: "Error 6: " and texts 141 and 142 around
// the path; a picture past the pixel cap: texts 124 and 125 around the path.
std::string UnreadablePictureMessage(const Language& language, const ImageError& error,
                                     const std::filesystem::path& file);

// A missing picture: text 143, then a second message of texts 137 and 138
// around the path.
std::vector<std::string> MissingPictureMessages(const Language& language, const std::filesystem::path& file);

}  // namespace palimora
