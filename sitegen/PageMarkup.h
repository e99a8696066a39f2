#pragma once

#include <string>

namespace palimora {

class Language;

// What the settings give a page besides its texts: its colours, its links'
// colour and its table, each a value as the settings hold it. A picture is
// a reference as the page names it.
struct PageAppearance {
    int backgroundColour = 0;
    std::string backgroundPicture;
    int linkColour = 0;
    std::string tableAlignment;  // an item of the alignment list
    int tableBorder = 0;
    int tableBorderColour = 0;
    int tableCellSpacing = 0;
    int tableCellPadding = 0;
    int tableBackgroundColour = 0;
    std::string tableBackgroundPicture;
};

// The tags the page writers open and close around what they write: the
// designed fragments (upper-case tags with presentational attributes, spelt
// exactly as pages have always held them) or, for pages for today's
// browsers, lower-case HTML that a validator accepts, the same look given by
// style properties and one style sheet in the head (SettingsStyleSheet).
class PageMarkup {
public:
    PageMarkup(bool todaysBrowsers, const Language& language) : today_(todaysBrowsers), language_(language) {}

    bool ForTodaysBrowsers() const { return today_; }

    // A block aligned by an item of the alignment list. For today's
    // browsers it is a block whatever the item, so that BlockClose always
    // closes one.
    std::string AlignOpen(const std::string& alignment) const;
    std::string BlockClose() const;

    // Text in a face, size (1 to 7), colour and style (an item of the style
    // list). `block` for text that may hold paragraphs of its own, as a
    // comment may.
    std::string TextOpen(const std::string& face, int size, int colour, const std::string& style,
                         bool block = false) const;
    std::string TextClose(const std::string& style, bool block = false) const;

    std::string RowOpen(int span) const;
    std::string CellOpen(int span) const;
    std::string CellClose() const;
    // Ends a row and starts the next with `paddingCells` empty cells.
    std::string RowBreak(int rowSpan, int paddingCells, int cellSpan) const;

    // The start of an <img> tag with its border, ready for its src.
    std::string ImageOpen(int border, int borderColour) const;

    // For today's browsers: the class of the page's own table, and the
    // style sheet that gives the page, its links and that table what the
    // designed pages give with attributes, as one line.
    static constexpr const char* kTableClass = "frame";
    static std::string SettingsStyleSheet(const PageAppearance& appearance, const Language& language);
    // The line of a page that holds that style sheet, once written.
    static bool IsSettingsStyleSheet(const std::string& line);

private:
    bool today_;
    const Language& language_;
};

// A CSS length or the property of a border: "4px", "1px solid #FF0000".
std::string CssPixels(int pixels);
std::string CssBorder(int width, int colour);

}  // namespace palimora
