#include "imaging/PictureMessages.h"

#include "common/Cp1252.h"
#include "imaging/ImageError.h"
#include "lang/Language.h"
#include "lang/TextNumbers.h"

namespace palimora {

std::string UnreadablePictureMessage(const Language& language, const ImageError& error,
                                     const std::filesystem::path& file) {
    const std::string path = DisplayPath(file);
    if (error.ErrorKind() == ImageError::Kind::TooLarge) {
        return language.LangText(text::kPictureTooLarge) + " " + path + " " + language.LangText(text::kPictureTooLargeEnd);
    }
    return "Error 6: " + language.LangText(text::kCannotReadPicture) + " " + path + " " +
           language.LangText(text::kDamagedOrUnknown);
}

std::vector<std::string> MissingPictureMessages(const Language& language, const std::filesystem::path& file) {
    std::string second(" ");
    second += language.LangText(text::kFileWord) + " " + DisplayPath(file) + " " + language.LangText(text::kDoesNotExist);
    return {language.LangText(text::kPictureNotFound), second};
}

}  // namespace palimora
