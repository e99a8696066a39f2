#pragma once

namespace palimora {

// Rounds to the nearest integer, halves to the even neighbour (150.5 -> 150).
int RoundHalfEven(double value);

struct Placement {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
};

// A picture of natural size width x height in the large display area:
// shrunk to fit when larger than the area (keeping its proportions, a
// little inside the edges), shown at its natural size otherwise, centred.
Placement FitInPanel(int width, int height, int panelWidth, int panelHeight);

// The size of a derived picture (thumbnail, size-limited picture) in a box:
// its own size when it fits, else the box's width (or height) shrunk step by
// step until the other side fits too.
Placement FitInBox(int width, int height, int boxWidth, int boxHeight);

inline constexpr int kIconSize = 50;  // the list's icons as designed

// The size of a picture's icon in its square box (50 x 50 as designed), keeping proportions.
Placement FitInIcon(int width, int height, int side = kIconSize);

}  // namespace palimora
