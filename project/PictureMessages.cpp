#include "project/PictureMessages.h"

#include "common/Cp1252.h"
#include "imaging/ImageError.h"
#include "lang/Language.h"
#include "lang/TextId.h"

namespace palimora {

std::string UnreadablePictureMessage(const Language& language, const ImageError& error,
                                     const std::filesystem::path& file) {
    const std::string path = DisplayPath(file);
    if (error.ErrorKind() == ImageError::Kind::TooLarge) {
        return language.LangText(TextId::PictureTooLarge) + " " + path + " " +
               language.LangText(TextId::PictureTooLargeEnd);
    }
    return "Error 6: " + language.LangText(TextId::CannotReadPicture) + " " + path + " " +
           language.LangText(TextId::DamagedOrUnknown);
}

std::vector<std::string> MissingPictureMessages(const Language& language, const std::filesystem::path& file) {
    std::string second(" ");
    second +=
        language.LangText(TextId::FileWord) + " " + DisplayPath(file) + " " + language.LangText(TextId::DoesNotExist);
    return {language.LangText(TextId::PictureNotFound), second};
}

}  // namespace palimora
