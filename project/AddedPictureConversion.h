#pragma once

#include <filesystem>

namespace palimora {

class Language;
class UserDialogs;

// What stays of an added picture's copy: a ".jpeg" copy is renamed ".jpg";
// a bitmap or a GIF is turned into a JPEG (its first frame) when the user
// agrees, the copy then deleted; anything else stays as it is. A picture
// that cannot be read is kept as copied, and the user told so.
std::filesystem::path ConvertAddedPicture(const std::filesystem::path& copy, const std::filesystem::path& source,
                                          UserDialogs& dialogs, const Language& language);

}  // namespace palimora
