#pragma once

#include "styles/SettingsLayout.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

// How a settings line becomes what its control shows, and how a control's
// value is written back: the one place the style panels, the preview, the
// build and the command-line build all go through.
namespace palimora::settings {

// Check: only "1" is checked.
bool ReadCheck(std::string_view line);
std::string WriteCheck(bool checked);

// Number: a decimal integer clamped to the line's range; a line that holds
// no integer gives the control's initial value.
int ReadNumber(std::string_view line, const LineLayout& layout);

// Colour: red + 256 x green + 65536 x blue, decimal or "$" hexadecimal; a
// line that holds no integer gives the control's initial colour.
int ReadColour(std::string_view line, const LineLayout& layout);

// A colour value as red + 256 x green + 65536 x blue: the Windows system
// colours that older settings files store (negative values) resolve
// through the classic colour scheme.
int ResolveColour(int colour);

// Text: the line, or the default shown for an empty one (not written back).
std::string ReadText(std::string_view line, const std::string& defaultText);

// Lists of fixed items (fonts, styles, positions, corners, templates): an
// empty line picks item 0, else the item equal to the line without regard to
// ASCII letter case; none when nothing matches (or there are no items).
std::optional<std::size_t> ReadChoice(std::string_view line, const std::vector<std::string>& items);

// Picture lists: as above, but a name that is gone picks the last picture.
std::optional<std::size_t> ReadPictureChoice(std::string_view line, const std::vector<std::string>& items);

// Mode: "1" texts, anything else pictures.
enum class ButtonMode { Texts, Pictures };
ButtonMode ReadMode(std::string_view line);
std::string WriteMode(ButtonMode mode);

// Letter case folded as list matching does (ASCII and Windows-1252 letters).
bool SameIgnoringCase(std::string_view a, std::string_view b);

}  // namespace palimora::settings
