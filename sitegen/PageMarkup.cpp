#include "sitegen/PageMarkup.h"

#include "lang/Language.h"
#include "sitegen/Fragments.h"

#include <algorithm>
#include <array>

namespace palimora {

namespace {

constexpr const char* kStyleSheetStart = "<style id=\"page-settings\">";

// The font sizes 1 to 7 of the designed pages, as browsers draw them.
constexpr std::array<const char*, 7> kFontSizes = {"x-small", "small",    "medium",   "large",
                                                   "x-large", "xx-large", "xxx-large"};

// A face name as a CSS string, in the single quotes a style attribute
// written with double quotes can hold.
std::string CssFamily(const std::string& face) {
    std::string family = "'";
    for (const char c : face) {
        if (c == '\'' || c == '\\') family += '\\';
        family += c;
    }
    return family + "'";
}

// A reference as a CSS url(): quotes, backslashes, line ends and "<" (which
// could end the style element) escaped.
std::string CssUrl(const std::string& reference) {
    std::string url = "url(\"";
    for (const char c : reference) {
        switch (c) {
            case '"': url += "\\\""; break;
            case '\\': url += "\\\\"; break;
            case '\n': url += "\\A "; break;
            case '\r': url += "\\D "; break;
            case '<': url += "\\3C "; break;
            default: url += c;
        }
    }
    return url + "\")";
}

std::string CssBackground(int colour, const std::string& picture) {
    return "background: " + HtmlColour(colour) + (picture.empty() ? "" : " " + CssUrl(picture)) + ";";
}

}  // namespace

std::string CssPixels(int pixels) { return std::to_string(pixels) + "px"; }

std::string CssBorder(int width, int colour) { return CssPixels(width) + " solid " + HtmlColour(colour); }

std::string PageMarkup::AlignOpen(const std::string& alignment) const {
    if (!today_) return palimora::AlignOpen(alignment, language_);
    const std::string keyword = AlignmentKeyword(alignment, language_);
    return keyword.empty() ? "<div>" : "<div style=\"text-align:" + keyword + "\">";
}

std::string PageMarkup::BlockClose() const { return today_ ? "</div>" : "</DIV>"; }

std::string PageMarkup::TextOpen(const std::string& face, int size, int colour, const std::string& style,
                                 bool block) const {
    if (!today_) return StyleOpen(style, language_) + FontOpen(face, size, colour, language_);
    std::string properties;
    if (face != language_.LangText(TextId::BrowserFont))
        properties += "font-family:" + CssFamily(face) + ",Arial,Helvetica;";
    properties += std::string("font-size:") + kFontSizes[std::clamp(size, 1, 7) - 1];
    properties += ";color:" + HtmlColour(colour);
    switch (StyleLetter(style, language_)) {
        case 'B': properties += ";font-weight:bold"; break;
        case 'I': properties += ";font-style:italic"; break;
        case 'U': properties += ";text-decoration:underline"; break;
        default: break;
    }
    return std::string(block ? "<div" : "<span") + " style=\"" + HtmlText(properties) + "\">";
}

std::string PageMarkup::TextClose(const std::string& style, bool block) const {
    if (!today_) return "</FONT>" + StyleClose(style, language_);
    return block ? "</div>" : "</span>";
}

std::string PageMarkup::RowOpen(int span) const {
    return today_ ? "<tr>" : "<TR colspan=" + std::to_string(span) + ">";
}

std::string PageMarkup::CellOpen(int span) const {
    if (!today_) return "<TD colspan=" + std::to_string(span) + ">";
    return span > 1 ? "<td colspan=\"" + std::to_string(span) + "\">" : "<td>";
}

std::string PageMarkup::CellClose() const { return today_ ? "</td>" : "</TD>"; }

std::string PageMarkup::RowBreak(int rowSpan, int paddingCells, int cellSpan) const {
    std::string line = (today_ ? "</tr>" : "</TR>") + RowOpen(rowSpan);
    for (int i = 0; i < paddingCells; ++i) line += CellOpen(cellSpan) + CellClose();
    return line;
}

std::string PageMarkup::ImageOpen(int border, int borderColour) const {
    if (!today_)
        return "<img border=\"" + std::to_string(border) + "\" bordercolor=\"" + HtmlColour(borderColour) + "\"  ";
    return border > 0 ? "<img style=\"border:" + CssBorder(border, borderColour) + "\" " : "<img ";
}

std::string PageMarkup::SettingsStyleSheet(const PageAppearance& look, const Language& language) {
    std::string css = kStyleSheetStart;
    css += "body { " + CssBackground(look.backgroundColour, look.backgroundPicture) + " } ";
    css += "a:link, a:visited, a:active { color: " + HtmlColour(look.linkColour) + "; } ";
    const std::string table = std::string("table.") + kTableClass;
    css += table + " { " + CssBackground(look.tableBackgroundColour, look.tableBackgroundPicture) +
           " border-spacing: " + CssPixels(look.tableCellSpacing) + ";";
    if (look.tableBorder > 0) css += " border: " + CssBorder(look.tableBorder, look.tableBorderColour) + ";";
    const std::string alignment = AlignmentKeyword(look.tableAlignment, language);
    if (!alignment.empty()) css += " text-align: " + alignment + ";";
    if (alignment == "center") css += " margin-left: auto; margin-right: auto;";
    if (alignment == "right") css += " margin-left: auto;";
    css += " } " + table + " > * > tr > td { padding: " + CssPixels(look.tableCellPadding) + ";";
    if (look.tableBorder > 0) css += " border: " + CssBorder(1, look.tableBorderColour) + ";";
    return css + " }</style>";
}

bool PageMarkup::IsSettingsStyleSheet(const std::string& line) { return line.rfind(kStyleSheetStart, 0) == 0; }

}  // namespace palimora
