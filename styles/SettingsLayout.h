#pragma once

#include "lang/TextId.h"

#include <array>
#include <optional>
#include <string_view>

namespace palimora {

// The most galleries a site has: each has its name, first and last picture
// among the settings lines.
inline constexpr int kMaxGalleries = 10;

// runweb.ini and runweb.in_: a project's settings lines.
//
// 152 lines of Windows-1252 text, CR LF, numbered from 0; each line holds
// the value of one style control, encoded by the control's kind. The free
// lines belong to no control and are carried through. The summary title
// size has a line of its own beside the summary background colour. A
// character Windows-1252 cannot hold (in a title, a gallery name, a file's
// name) is written as its HTML numeric character reference, "&#321;" for
// U+0141, as in images.dat (common/Cp1252.h).
//
// A line is only ever named through this enumeration; its value is the line's
// number in the file.
enum class SettingLine {
    SummaryBackgroundColour = 0,
    SummaryTitle = 1,
    SummaryTitleSize = 2,
    SummaryBackgroundPicture = 3,
    PictureTitleShown = 4,
    PictureTitleFont = 5,
    PictureTitleStyle = 6,
    PictureTitleColour = 7,
    PictureTitlePosition = 8,
    PictureTitleSize = 9,
    PictureTemplate = 10,
    PicturePosition = 11,
    PictureBorderColour = 12,
    PictureBorderWidth = 13,
    PictureSpaceHorizontal = 14,
    PictureSpaceVertical = 15,
    CommentShown = 16,
    CommentPosition = 17,
    CommentFont = 18,
    CommentStyle = 19,
    CommentSize = 20,
    CommentColour = 21,
    ButtonsAtTop = 22,
    ButtonsAtBottom = 23,
    ButtonsPosition = 24,
    ButtonsFont = 25,
    ButtonsStyle = 26,
    ButtonsSize = 27,
    ButtonsColour = 28,
    ButtonMode = 29,
    BackButton = 30,
    ContentsButton = 31,
    NextButton = 32,
    PictureTablePosition = 33,
    PictureTableBackgroundColour = 34,
    PictureTableBorderColour = 35,
    PictureTableBorderWidth = 36,
    PictureTableCellPadding = 37,
    PictureTableCellSpacing = 38,
    TodaysBrowsers = 39,  // pages for today's browsers: image sizes, names, language
    PictureTableBackgroundPicture = 40,
    MakeSummary = 41,
    MakeGalleries = 42,
    MakePicturePages = 43,
    SummaryTemplate = 44,
    GalleryTemplate = 45,
    SummaryTitleShown = 46,
    SummaryTitleFont = 47,
    SummaryTitleStyle = 48,
    SummaryTitleColour = 49,
    SummaryTitlePosition = 50,
    SiteLanguage = 51,  // the language of the site's fixed words: empty for the program's
    GalleryTitleShown = 52,
    GalleryTitleFont = 53,
    GalleryTitleStyle = 54,
    GalleryTitleColour = 55,
    GalleryTitlePosition = 56,
    GalleryTitleSize = 57,
    GalleryName1 = 58,
    GalleryName2 = 59,
    GalleryName3 = 60,
    GalleryName4 = 61,
    GalleryName5 = 62,
    GalleryName6 = 63,
    GalleryName7 = 64,
    GalleryName8 = 65,
    GalleryName9 = 66,
    GalleryName10 = 67,
    SummaryTablePosition = 68,
    SummaryTableBackgroundColour = 69,
    SummaryTableBorderColour = 70,
    SummaryTableBorderWidth = 71,
    SummaryTableCellPadding = 72,
    SummaryTableCellSpacing = 73,
    VisitorExtras = 74,  // what today's pages offer visitors (VisitorExtras.h): no control of its own
    SummaryTableBackgroundPicture = 75,
    SummaryGalleryTitlesShown = 76,
    SummaryGalleryTitleFont = 77,
    SummaryGalleryTitleStyle = 78,
    SummaryGalleryTitleColour = 79,
    SummaryGalleryTitlePosition = 80,
    SummaryGalleryTitleSize = 81,
    SummaryGalleryPicturesShown = 82,
    SummaryGalleryPictureWidth = 83,
    SummaryGalleryPictureHeight = 84,
    SummaryGalleryPicturePosition = 85,
    SummaryGalleryPictureBorderColour = 86,
    SummaryGalleryPictureBorderWidth = 87,
    HomeLinkShown = 88,
    HomeTitle = 89,
    HomeLink = 90,
    HomePicture = 91,
    SummaryTableEntriesPerRow = 92,
    GalleryTablePosition = 93,
    GalleryTableBackgroundColour = 94,
    GalleryTableBorderColour = 95,
    GalleryTableBorderWidth = 96,
    GalleryTableCellPadding = 97,
    GalleryTableCellSpacing = 98,
    Unused99 = 99,
    GalleryTableBackgroundPicture = 100,
    GalleryTablePicturesPerRow = 101,
    GalleryThumbnailWidth = 102,
    GalleryThumbnailHeight = 103,
    GalleryThumbnailPosition = 104,
    GalleryThumbnailBorderColour = 105,
    GalleryThumbnailBorderWidth = 106,
    GalleryThumbnailTitlesShown = 107,
    GalleryThumbnailTitleFont = 108,
    GalleryThumbnailTitleStyle = 109,
    GalleryThumbnailTitleColour = 110,
    Unused111 = 111,
    GalleryThumbnailTitleSize = 112,
    GalleryThumbnailTitlePosition = 113,
    GalleryFirstPicture1 = 114,
    GalleryFirstPicture2 = 115,
    GalleryFirstPicture3 = 116,
    GalleryFirstPicture4 = 117,
    GalleryFirstPicture5 = 118,
    GalleryFirstPicture6 = 119,
    GalleryFirstPicture7 = 120,
    GalleryFirstPicture8 = 121,
    GalleryFirstPicture9 = 122,
    GalleryFirstPicture10 = 123,
    GalleryLastPicture1 = 124,
    GalleryLastPicture2 = 125,
    GalleryLastPicture3 = 126,
    GalleryLastPicture4 = 127,
    GalleryLastPicture5 = 128,
    GalleryLastPicture6 = 129,
    GalleryLastPicture7 = 130,
    GalleryLastPicture8 = 131,
    GalleryLastPicture9 = 132,
    GalleryLastPicture10 = 133,
    GalleryBackgroundColour = 134,
    PicturePageBackgroundColour = 135,
    GalleryBackgroundPicture = 136,
    PicturePageBackgroundPicture = 137,
    MakeThumbnails = 138,
    SummaryTopHtml = 139,
    SummaryBottomHtml = 140,
    GalleryTopHtml = 141,
    GalleryBottomHtml = 142,
    PictureTopHtml = 143,
    PictureBottomHtml = 144,
    LargestPictureWidth = 145,
    LargestPictureHeight = 146,
    PictureStrips = 147,
    StampCopyright = 148,
    CopyrightPicture = 149,
    CopyrightCorner = 150,
    CopyrightDistance = 151,
};

// The line's number in the file: what the store is indexed by.
constexpr int LineNumber(SettingLine line) { return static_cast<int>(line); }

// The line of gallery `gallery` (1 to 10) in a run of ten gallery lines, named
// by its first: GalleryName1, GalleryFirstPicture1 or GalleryLastPicture1.
constexpr SettingLine GalleryLine(SettingLine lineOfGallery1, int gallery) {
    return static_cast<SettingLine>(LineNumber(lineOfGallery1) + gallery - 1);
}

}  // namespace palimora

namespace palimora::settings {

inline constexpr int kLineCount = 152;
inline constexpr std::size_t kMaxLineLength = 4096;

enum class Kind {
    Free,      // no control
    Check,     // "1" checked, anything else not
    Text,      // the text; an empty line shows the control's default text
    Number,    // a decimal integer, clamped to the control's range
    Colour,    // red + 256 x green + 65536 x blue, decimal or "$" hexadecimal
    Font,      // list: the browser's font, then the installed fonts
    Style,     // list: the four style texts
    Position,  // list: the three position texts
    Corner,    // list: the four corner texts
    Picture,   // list: the project's picture file names
    Template,  // list: the .htm/.html files of a template folder
    Mode,      // "1" texts, anything else pictures
    Language,  // list: the program's language, then the other ("Français", "English")
};

// What an empty text line shows.
enum class EmptyText { Nothing, LanguageText, ProjectName };

struct LineLayout {
    SettingLine line;
    std::string_view control;  // the control's name in the style panels
    Kind kind = Kind::Free;
    int minimum = 0;  // numbers: range and the value shown before any load
    int maximum = 0;
    int initial = 0;                            // numbers and colours: the control's own value
    EmptyText whenEmpty = EmptyText::Nothing;   // texts
    TextId defaultText = TextId::ProgramTitle;  // texts, with EmptyText::LanguageText
};

const LineLayout& Layout(SettingLine line);

// The items of the fixed lists, in list order.
inline constexpr std::array<TextId, 4> kStyleTexts{TextId::StylePlain, TextId::StyleBold, TextId::StyleItalic,
                                                   TextId::StyleUnderlined};
inline constexpr std::array<TextId, 3> kPositionTexts{TextId::PositionCentred, TextId::PositionLeft,
                                                      TextId::PositionRight};
inline constexpr std::array<TextId, 4> kCornerTexts{TextId::CornerBottomRight, TextId::CornerBottomLeft,
                                                    TextId::CornerTopRight, TextId::CornerTopLeft};

// Every line of the file, in order: row n is line n.
const std::array<LineLayout, kLineCount>& AllLines();

// The template folder of a template line (models/sommaires, galeries, images).
std::optional<std::string_view> TemplateFolderOf(SettingLine line);

}  // namespace palimora::settings
