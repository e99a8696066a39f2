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

// The tags the page writers open and close around what they write, in one
// of two dialects: the designed fragments (DesignedMarkup) or the HTML of
// pages for today's browsers (TodaysMarkup).
class PageMarkup {
public:
    virtual ~PageMarkup() = default;

    virtual bool ForTodaysBrowsers() const = 0;

    // A block aligned by an item of the alignment list, and its end.
    virtual std::string AlignOpen(const std::string& alignment) const = 0;
    virtual std::string BlockClose() const = 0;

    // Text in a face, size (1 to 7), colour and style (an item of the style
    // list). `block` for text that may hold paragraphs of its own, as a
    // comment may.
    virtual std::string TextOpen(const std::string& face, int size, int colour, const std::string& style,
                                 bool block) const = 0;
    virtual std::string TextClose(const std::string& style, bool block) const = 0;
    std::string TextOpen(const std::string& face, int size, int colour, const std::string& style) const {
        return TextOpen(face, size, colour, style, false);
    }
    std::string TextClose(const std::string& style) const { return TextClose(style, false); }

    virtual std::string RowOpen(int span) const = 0;
    virtual std::string RowClose() const = 0;
    virtual std::string CellOpen(int span) const = 0;
    virtual std::string CellClose() const = 0;
    // Ends a row and starts the next with `paddingCells` empty cells.
    std::string RowBreak(int rowSpan, int paddingCells, int cellSpan) const;

    // The start of an <img> tag with its border, ready for its src.
    virtual std::string ImageOpen(int border, int borderColour) const = 0;
};

// The designed fragments: upper-case tags with presentational attributes,
// spelt exactly as pages have always held them.
class DesignedMarkup final : public PageMarkup {
public:
    explicit DesignedMarkup(const Language& language) : language_(language) {}
    using PageMarkup::TextClose;
    using PageMarkup::TextOpen;

    bool ForTodaysBrowsers() const override { return false; }
    std::string AlignOpen(const std::string& alignment) const override;
    std::string BlockClose() const override { return "</DIV>"; }
    std::string TextOpen(const std::string& face, int size, int colour, const std::string& style,
                         bool block) const override;
    std::string TextClose(const std::string& style, bool block) const override;
    std::string RowOpen(int span) const override { return "<TR colspan=" + std::to_string(span) + ">"; }
    std::string RowClose() const override { return "</TR>"; }
    std::string CellOpen(int span) const override { return "<TD colspan=" + std::to_string(span) + ">"; }
    std::string CellClose() const override { return "</TD>"; }
    std::string ImageOpen(int border, int borderColour) const override;

private:
    const Language& language_;
};

// Pages for today's browsers: lower-case HTML that a validator accepts, the
// same look given by style properties and by one style sheet in the head
// (TodaysPageHead). A block is a block whatever its alignment, so that
// BlockClose always closes one.
class TodaysMarkup final : public PageMarkup {
public:
    explicit TodaysMarkup(const Language& language) : language_(language) {}
    using PageMarkup::TextClose;
    using PageMarkup::TextOpen;

    // The class of the page's own table, which that style sheet styles.
    static constexpr const char* kTableClass = "frame";

    bool ForTodaysBrowsers() const override { return true; }
    std::string AlignOpen(const std::string& alignment) const override;
    std::string BlockClose() const override { return "</div>"; }
    std::string TextOpen(const std::string& face, int size, int colour, const std::string& style,
                         bool block) const override;
    std::string TextClose(const std::string& style, bool block) const override;
    std::string RowOpen(int span) const override;
    std::string RowClose() const override { return "</tr>"; }
    std::string CellOpen(int span) const override;
    std::string CellClose() const override { return "</td>"; }
    std::string ImageOpen(int border, int borderColour) const override;

private:
    const Language& language_;
};

// A CSS length or the property of a border: "4px", "1px solid #FF0000".
std::string CssPixels(int pixels);
std::string CssBorder(int width, int colour);

}  // namespace palimora
