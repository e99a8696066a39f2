#pragma once

#include <string>
#include <string_view>

namespace palimora {

class PictureTextIndex;

// The texts a picture page shows, found by the page's name g<k>-<N6>.htm.

// The picture's title; empty when it has no record.
std::string PictureTitleOfPage(const PictureTextIndex& texts, std::string_view pageName);

// How a comment goes into a page: as the HTML the user wrote (the designed
// pages), or as text (pages for today's browsers).
enum class CommentAs { Html, Text };

// The picture's comment for its page, every line followed by " <br>": as
// HTML, every line as the comment box wraps it; as text, &, < and > escaped,
// the user's lines kept (the browser wraps them) and web addresses (http,
// https, mailto) made links. Empty when the picture has no record.
std::string PictureCommentHtml(const PictureTextIndex& texts, std::string_view pageName, CommentAs as);

// A line of text with its web addresses made links; the text is already
// HTML (its &, < and > escaped).
std::string WithLinks(const std::string& html);

}  // namespace palimora
