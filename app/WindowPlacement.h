#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace palimora {

// The main window's designed size, which is also the least it can be made.
inline constexpr int kDesignedWidth = 800;
inline constexpr int kDesignedHeight = 553;

struct WindowSize {
    int width = kDesignedWidth;
    int height = kDesignedHeight;
    friend bool operator==(const WindowSize&, const WindowSize&) = default;
};

// Where the main window goes at its first activation, by the usable screen
// width: centred at 800 x 553 on a wider screen, where it may then be made
// larger; at the top-left corner on an 800-pixel screen, left alone on a
// narrower one. A screen lower than 4:3 (a wide one, or one scaled up) gets
// the window higher, whole on the screen where it is tall enough.
struct WindowPlacement {
    int left = 0;
    int top = 0;
    bool resizable = false;  // sized to `size`, which it may outgrow
    WindowSize size;
};

std::optional<WindowPlacement> PlacementForScreen(int usableWidth, int usableHeight);

// The placement of a resizable window at the size it was last left: no
// larger than the usable screen, centred as the designed size is.
WindowPlacement PlacementOfRememberedSize(WindowSize remembered, int usableWidth, int usableHeight);

// The size as palimora.ini keeps it ("1024x700"), and back: nothing for a
// line that is no size or is smaller than the designed one.
std::string WindowSizeLine(WindowSize size);
std::optional<WindowSize> WindowSizeOfLine(std::string_view line);

// Below this usable width the program warns that it will not fit (NarrowScreen).
inline constexpr int kNarrowestScreen = 800;

}  // namespace palimora
