#pragma once

#include <array>
#include <optional>
#include <string_view>

// runweb.ini and runweb.in_: a project's settings lines.
//
// 152 lines of Windows-1252 text, CR LF, numbered from 0; each line holds
// the value of one style control (the control's tag is its line number),
// encoded by the control's kind. Lines 39, 51, 74, 99 and 111 belong to no
// control and are carried through. The summary title size has line 2 of its
// own (the summary background colour keeps line 0).
namespace palimora::settings {

inline constexpr int kLineCount = 152;
inline constexpr std::size_t kMaxLineLength = 4096;

enum class Kind {
    Free,      // no control
    Check,     // "1" checked, anything else not
    Text,      // the text; an empty line shows the control's default text
    Number,    // a decimal integer, clamped to the control's range
    Colour,    // red + 256 x green + 65536 x blue, decimal or "$" hexadecimal
    Font,      // list: text 85 (the browser's font), then the installed fonts
    Style,     // list: texts 77 to 80
    Position,  // list: texts 81 to 83
    Corner,    // list: texts 207 to 210
    Picture,   // list: the project's picture file names
    Template,  // list: the .htm/.html files of a template folder
    Mode,      // "1" texts, anything else pictures
};

struct LineLayout {
    std::string_view control;  // the control's name in the style panels
    Kind kind = Kind::Free;
    int minimum = 0;   // numbers: range and the value shown before any load
    int maximum = 0;
    int initial = 0;   // numbers and colours: the control's own value
    int defaultText = -1;  // texts: the language text shown for an empty line (-1: none)
};

// The default of the summary title is the project's name, not a language text.
inline constexpr int kDefaultIsProjectName = -2;

const LineLayout& Layout(int line);

// Lines by name, for the code that reads a setting.
inline constexpr int kSummaryBackgroundColour = 0;
inline constexpr int kSummaryTitle = 1;
inline constexpr int kSummaryTitleSize = 2;
inline constexpr int kPictureTemplate = 10;
inline constexpr int kButtonMode = 29;
inline constexpr int kMakeSummary = 41;
inline constexpr int kMakeGalleries = 42;
inline constexpr int kMakePicturePages = 43;
inline constexpr int kSummaryTemplate = 44;
inline constexpr int kGalleryTemplate = 45;
inline constexpr int kGalleryName1 = 58;            // 58..67: galleries 1 to 10
inline constexpr int kGalleryFirstPicture1 = 114;   // 114..123
inline constexpr int kGalleryLastPicture1 = 124;    // 124..133

// The template folder of a template line (models/sommaires, galeries, images).
std::optional<std::string_view> TemplateFolderOf(int line);

}  // namespace palimora::settings
