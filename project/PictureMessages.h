#pragma once

#include <filesystem>
#include <string>
#include <vector>

namespace palimora {

class ImageError;
class Language;

// What the user is told when a picture cannot be shown, in their language.

// A damaged or unreadable picture: "Error 6: " and CannotReadPicture and DamagedOrUnknown around
// the path; a picture past the pixel cap: PictureTooLarge and PictureTooLargeEnd around the path.
std::string UnreadablePictureMessage(const Language& language, const ImageError& error,
                                     const std::filesystem::path& file);

// A missing picture: PictureNotFound, then a second message of FileWord and DoesNotExist
// around the path.
std::vector<std::string> MissingPictureMessages(const Language& language, const std::filesystem::path& file);

}  // namespace palimora
