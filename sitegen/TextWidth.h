#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace palimora {

// The width in pixels of Windows-1252 text in the comment box's font (Arial,
// 11 pixels), from the font's published advance widths, so that the GUI
// and the command-line build wrap comments alike.
double TextWidth(std::string_view cp1252);

// Wraps one line as a word-wrapping text box of `width` pixels does: at the
// last blank that fits, or inside a word longer than the whole width.
std::vector<std::string> WrapLine(std::string_view cp1252Line, double width);

// The comment box's width less its borders and margins.
inline constexpr double kCommentWrapWidth = 353 - 8;

}  // namespace palimora
