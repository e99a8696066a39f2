#include "app/WindowPlacement.h"

#include <algorithm>
#include <charconv>

namespace palimora {

namespace {

// The designed placement centres the window in the top 4:3 of the screen.
int TopOf(int height, int usableWidth) { return ((usableWidth * 480 / 640) - height) / 2; }

}  // namespace

std::optional<WindowPlacement> PlacementForScreen(int usableWidth, int usableHeight) {
    if (usableWidth > kNarrowestScreen) {
        const int top = std::min(TopOf(kDesignedHeight, usableWidth), usableHeight - kDesignedHeight);
        return WindowPlacement{(usableWidth - kDesignedWidth) / 2, std::max(0, top), true, {}};
    }
    if (usableWidth == kNarrowestScreen) return WindowPlacement{0, 0, false, {}};
    return std::nullopt;
}

WindowPlacement PlacementOfRememberedSize(WindowSize remembered, int usableWidth, int usableHeight) {
    const WindowSize size{std::clamp(remembered.width, kDesignedWidth, std::max(kDesignedWidth, usableWidth)),
                          std::clamp(remembered.height, kDesignedHeight, std::max(kDesignedHeight, usableHeight))};
    const int top = std::min(TopOf(size.height, usableWidth), usableHeight - size.height);
    return WindowPlacement{std::max(0, (usableWidth - size.width) / 2), std::max(0, top), true, size};
}

std::string WindowSizeLine(WindowSize size) { return std::to_string(size.width) + "x" + std::to_string(size.height); }

std::optional<WindowSize> WindowSizeOfLine(std::string_view line) {
    WindowSize size;
    const char* end = line.data() + line.size();
    const auto [afterWidth, widthError] = std::from_chars(line.data(), end, size.width);
    if (widthError != std::errc() || afterWidth == end || *afterWidth != 'x') return std::nullopt;
    const auto [afterHeight, heightError] = std::from_chars(afterWidth + 1, end, size.height);
    if (heightError != std::errc() || afterHeight != end) return std::nullopt;
    if (size.width < kDesignedWidth || size.height < kDesignedHeight) return std::nullopt;
    return size;
}

}  // namespace palimora
