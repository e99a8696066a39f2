#pragma once

#include "imaging/PictureReader.h"

#include <filesystem>
#include <string>

namespace palimora {

class Language;
class UserDialogs;

// What stays of an added picture's copy: a JPEG copy loses its GPS position
// and the camera's private notes (the user's own file is untouched), and a
// ".jpeg" copy is renamed ".jpg"; a bitmap, GIF, HEIC/HEIF, PNG, WebP or
// TIFF is turned into a quality-90 JPEG (a GIF's first frame), upright and
// in sRGB, when the user agrees, the copy then deleted; anything else stays
// as it is. A picture that cannot be read is kept as copied, and the user
// told so. Throws PalimoraError, naming `source`, when the GPS position
// cannot be taken out (a full disk): that picture is then not added.
// The question asked before `source`, a picture of `format`, is turned into
// a JPEG; `frames` above one tells an animated GIF.
std::string ConversionQuestion(const std::filesystem::path& source, PictureFormat format, const Language& language,
                               int frames = 1);

std::filesystem::path ConvertAddedPicture(const std::filesystem::path& copy, const std::filesystem::path& source,
                                          UserDialogs& dialogs, const Language& language);

}  // namespace palimora
