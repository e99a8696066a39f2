#include "lang/Language.h"
#include "sitegen/Fragments.h"
#include "sitegen/PageMarkup.h"

#include <algorithm>
#include <array>

namespace palimora {

namespace {

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

}  // namespace

std::string TodaysMarkup::AlignOpen(const std::string& alignment) const {
    const std::string keyword = AlignmentKeyword(alignment, language_);
    return keyword.empty() ? "<div>" : "<div style=\"text-align:" + keyword + "\">";
}

std::string TodaysMarkup::TextOpen(const std::string& face, int size, int colour, const std::string& style,
                                   bool block) const {
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

std::string TodaysMarkup::TextClose(const std::string&, bool block) const { return block ? "</div>" : "</span>"; }

std::string TodaysMarkup::RowOpen(int) const { return "<tr>"; }

std::string TodaysMarkup::CellOpen(int span) const {
    return span > 1 ? "<td colspan=\"" + std::to_string(span) + "\">" : "<td>";
}

std::string TodaysMarkup::ImageOpen(int border, int borderColour) const {
    return border > 0 ? "<img style=\"border:" + CssBorder(border, borderColour) + "\" " : "<img ";
}

}  // namespace palimora
