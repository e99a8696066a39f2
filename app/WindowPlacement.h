#pragma once

#include <optional>

namespace palimora {

// Where the main window goes at its first activation, by the usable screen
// width: centred at 800 x 553 on a wider screen, at the top-left corner on an
// 800-pixel screen, left alone on a narrower one.
struct WindowPlacement {
    int left = 0;
    int top = 0;
    bool resizeTo800x553 = false;
};

std::optional<WindowPlacement> PlacementForScreenWidth(int usableWidth);

// Below this usable width the program warns that it will not fit (NarrowScreen).
inline constexpr int kNarrowestScreen = 800;

}  // namespace palimora
