#include "project/AddedPictureConversion.h"

#include "common/Cp1252.h"
#include "common/FileNames.h"
#include "common/UserDialogs.h"
#include "imaging/ClipCopy.h"
#include "imaging/GifCodec.h"
#include "imaging/ImageError.h"
#include "imaging/JpegCodec.h"
#include "imaging/PictureReader.h"
#include "imaging/PrivateMetadata.h"
#include "lang/Language.h"
#include "lang/TextId.h"
#include "project/PictureMessages.h"

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

// The copy loses its GPS position and the camera's private notes. A copy
// that cannot be cleaned (a full disk) is not added: a position never enters
// the project, and the user is told by the name of the file chosen.
void KeepPrivateDataOut(const fs::path& copy, const fs::path& source, const Language& language) {
    try {
        RemovePrivateData(copy);
    } catch (const PalimoraError&) {
        throw PalimoraError(language.LangText(TextId::PrivateDataNotRemoved) + " " + DisplayPath(source));
    }
}

// The copy of a clip remuxed without its metadata (where it was shot, on
// what), in place of the copy. A clip the libraries cannot read is refused.
fs::path ClipWithoutMetadata(const fs::path& copy, const fs::path& source, const Language& language) {
    const fs::path clean = copy.parent_path() / (copy.stem().string() + "-clean" + copy.extension().string());
    try {
        CopyClipWithoutMetadata(copy, clean);
    } catch (const ImageError&) {
        throw PalimoraError(language.LangText(TextId::ClipNotAdded) + " " + DisplayPath(source));
    }
    std::error_code error;
    fs::rename(clean, copy, error);
    if (error) {
        fs::remove(clean, error);
        throw PalimoraError(language.LangText(TextId::ClipNotAdded) + " " + DisplayPath(source));
    }
    return copy;
}

}  // namespace

std::string ConversionQuestion(const fs::path& source, PictureFormat format, const Language& language, int frames) {
    const TextId end = format == PictureFormat::Bmp   ? TextId::ConvertBmpEnd
                       : format != PictureFormat::Gif ? TextId::ConvertPhotoEnd
                       : frames < 2                   ? TextId::ConvertGifEnd
                                                      : TextId::ConvertAnimatedGifEnd;
    return language.LangText(TextId::ConvertStart) + " " + DisplayPath(source) + language.LangText(end);
}

fs::path ConvertAddedPicture(const fs::path& copy, const fs::path& source, UserDialogs& dialogs,
                             const Language& language) {
    const std::string extension = UpperExtensionOf(copy.filename().string());
    const PictureFormat format = FormatOf(copy);
    if (format == PictureFormat::Jpeg) {
        KeepPrivateDataOut(copy, source, language);
        if (extension != ".JPEG") return copy;
        std::error_code error;
        fs::rename(copy, AsJpeg(copy), error);
        return error ? copy : AsJpeg(copy);
    }
    if (format == PictureFormat::Clip) return ClipWithoutMetadata(copy, source, language);
    if (!IsConvertibleFormat(format)) return copy;

    try {
        Image first;
        int frames = 1;
        if (format != PictureFormat::Gif) {
            first = ReadFirstFrame(copy);
        } else {
            GifPicture gif = DecodeGif(copy);
            frames = gif.frames;
            first = std::move(gif.image);
        }
        if (dialogs.AskOkCancel(ConversionQuestion(source, format, language, frames)) != kModalYes) return copy;
        return ConvertToJpeg(copy, first);
    } catch (const ImageError& error) {
        dialogs.ShowMessageOk(UnreadablePictureMessage(language, error, source));  // the file the user chose
        return copy;
    }
}

}  // namespace palimora
