#pragma once

#include "project/PictureTextFile.h"

#include <filesystem>

namespace palimora {

// Whether an added picture's title and comment come from the photo's own
// metadata when it has any, or always its title from the file name.
enum class AddedTexts { FromPhoto, FromFileName };

// The texts an added picture starts with. From a photo that carries them:
// its title (or, without one, a description short enough to be one, or the
// first sentence or words of a longer one) and its description, whole, as
// the comment. The title is otherwise the file name without extension
// (TitleOfSource).
PictureTextFile::Texts TextsOfAddedPicture(const std::filesystem::path& source, AddedTexts from);

}  // namespace palimora
