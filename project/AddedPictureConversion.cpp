#include "project/AddedPictureConversion.h"

#include "common/Cp1252.h"
#include "common/FileNames.h"
#include "common/UserDialogs.h"
#include "imaging/GifCodec.h"
#include "imaging/ImageError.h"
#include "imaging/JpegCodec.h"
#include "imaging/PictureReader.h"
#include "lang/Language.h"
#include "imaging/PictureMessages.h"
#include "lang/TextId.h"

#include <system_error>

namespace palimora {
namespace fs = std::filesystem;

namespace {

fs::path AsJpeg(const fs::path& copy) {
    fs::path jpeg = copy;
    jpeg.replace_extension(".jpg");
    return jpeg;
}

// Encodes the first frame as JPEG beside the copy, then deletes the copy.
fs::path ConvertToJpeg(const fs::path& copy, const Image& picture) {
    const fs::path jpeg = AsJpeg(copy);
    EncodeJpeg(picture, jpeg);
    std::error_code ignored;
    fs::remove(copy, ignored);
    return jpeg;
}

}  // namespace

fs::path ConvertAddedPicture(const fs::path& copy, const fs::path& source, UserDialogs& dialogs,
                             const Language& language) {
    const std::string extension = UpperExtensionOf(copy.filename().string());
    if (extension == ".JPEG") {
        std::error_code error;
        fs::rename(copy, AsJpeg(copy), error);
        return error ? copy : AsJpeg(copy);
    }
    const bool bitmap = extension == ".BMP";
    if (!bitmap && extension != ".GIF" && extension != ".GIFF") return copy;

    try {
        TextId question = TextId::ConvertBmpEnd;
        Image first;
        if (bitmap) {
            first = ReadFirstFrame(copy);
        } else {
            GifPicture gif = DecodeGif(copy);
            question = gif.frames < 2 ? TextId::ConvertGifEnd : TextId::ConvertAnimatedGifEnd;
            first = std::move(gif.image);
        }
        const std::string ask = language.LangText(TextId::ConvertStart) + " " + DisplayPath(source) + language.LangText(question);
        if (dialogs.AskOkCancel(ask) != kModalYes) return copy;
        return ConvertToJpeg(copy, first);
    } catch (const ImageError& error) {
        dialogs.ShowMessageOk(UnreadablePictureMessage(language, error, source));  // the file the user chose
        return copy;
    }
}

}  // namespace palimora
