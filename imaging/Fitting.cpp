#include "imaging/Fitting.h"

#include <cmath>

namespace palimora {

int RoundHalfEven(double value) {
    return static_cast<int>(std::nearbyint(value));  // the default rounding mode is to nearest, ties to even
}

namespace {

// Shrinks `side` step by step (1 %, then 2 % of what is left, ...) until the
// derived other side fits.
void ShrinkUntilFits(int natural, int naturalOther, int& side, int& other, int limitOther) {
    int percent = 100;
    while (other > limitOther && side > 0) {
        --percent;
        side = side * percent / 100;
        other = RoundHalfEven(static_cast<double>(naturalOther) * side / natural);
    }
}

}  // namespace

Placement FitInPanel(int width, int height, int panelWidth, int panelHeight) {
    Placement placement{0, 0, width, height};
    if (width > panelWidth || height > panelHeight) {
        if (width > height) {
            placement.width = panelWidth - 4;
            placement.height = RoundHalfEven(static_cast<double>(height) * placement.width / width);
            ShrinkUntilFits(width, height, placement.width, placement.height, panelHeight);
        } else {
            placement.height = panelHeight - 4;
            placement.width = RoundHalfEven(static_cast<double>(width) * placement.height / height);
            ShrinkUntilFits(height, width, placement.height, placement.width, panelWidth);
        }
    }
    placement.top = (panelHeight - placement.height) / 2;
    placement.left = (panelWidth - placement.width) / 2;
    return placement;
}

Placement FitInBox(int width, int height, int boxWidth, int boxHeight) {
    Placement placement{0, 0, width, height};
    if (width <= boxWidth && height <= boxHeight) return placement;
    if (width > height) {
        placement.width = boxWidth;
        placement.height = RoundHalfEven(static_cast<double>(height) * boxWidth / width);
        ShrinkUntilFits(width, height, placement.width, placement.height, boxHeight);
    } else {
        placement.height = boxHeight;
        placement.width = RoundHalfEven(static_cast<double>(width) * boxHeight / height);
        ShrinkUntilFits(height, width, placement.height, placement.width, boxWidth);
    }
    return placement;
}

Placement FitInIcon(int width, int height, int side) {
    Placement placement{0, 0, width, height};
    if (width > side || height > side) {
        if (height < width) {
            placement.width = side;
            placement.height = RoundHalfEven(static_cast<double>(height) * side / width);
        } else {
            placement.width = RoundHalfEven(static_cast<double>(width) * side / height);
            placement.height = side;
        }
    }
    placement.left = (side - placement.width) / 2;
    placement.top = (side - placement.height) / 2;
    return placement;
}

}  // namespace palimora
