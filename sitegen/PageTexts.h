#pragma once

#include <string>
#include <string_view>

namespace palimora {

class PictureTextIndex;

// The texts a picture page shows, found by the page's name g<k>-<N6>.htm.

// The picture's title; empty when it has no record.
std::string PictureTitleOfPage(const PictureTextIndex& texts, std::string_view pageName);

// The picture's comment as HTML: every line as the comment box wraps it,
// followed by " <br>". Empty when the picture has no record.
std::string PictureCommentHtml(const PictureTextIndex& texts, std::string_view pageName);

}  // namespace palimora
