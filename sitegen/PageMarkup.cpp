#include "sitegen/PageMarkup.h"

#include "sitegen/Fragments.h"

namespace palimora {

std::string PageMarkup::RowBreak(int rowSpan, int paddingCells, int cellSpan) const {
    std::string line = RowClose() + RowOpen(rowSpan);
    // Today's pages are placed by their style sheet, whose column rules count a row's cells.
    if (ForTodaysBrowsers()) return line;
    for (int i = 0; i < paddingCells; ++i) line += CellOpen(cellSpan) + CellClose();
    return line;
}

std::string CssPixels(int pixels) { return std::to_string(pixels) + "px"; }

std::string CssBorder(int width, int colour) { return CssPixels(width) + " solid " + HtmlColour(colour); }

}  // namespace palimora
