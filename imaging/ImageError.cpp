#include "imaging/ImageError.h"

#include "common/TextLines.h"

#include <string>

namespace palimora {

void RequireOrdinaryPicture(const std::filesystem::path& file) {
    try {
        RequireOrdinaryFile(file);
    } catch (const PalimoraError& error) {
        throw ImageError(ImageError::Kind::Unreadable, error.UserMessage());
    }
}

void CheckPictureSize(long long width, long long height, const char* format, long long cap) {
    if (width <= 0 || height <= 0) {
        throw ImageError(ImageError::Kind::Unreadable, std::string(format) + ": empty picture");
    }
    if (width * height > cap) {
        throw ImageError(ImageError::Kind::TooLarge, std::string(format) + ": " + std::to_string(width) + " x " +
                                                         std::to_string(height) + " pixels");
    }
}

}  // namespace palimora
