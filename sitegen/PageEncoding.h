#pragma once

namespace palimora {

class PageLines;

// A page is written in Windows-1252, as its templates are, unless it holds
// a character Windows-1252 cannot (kept as a reference until then) or is
// for today's browsers: such a page goes out in UTF-8, every reference made
// the character it stands for (a script or a style sheet does not read
// references) and its declared character set UTF-8.
void EncodePage(PageLines& page, bool todaysBrowsers);

}  // namespace palimora
