#include "app/WindowPlacement.h"

namespace palimora {

std::optional<WindowPlacement> PlacementForScreenWidth(int usableWidth) {
    if (usableWidth > kNarrowestScreen) {
        return WindowPlacement{(usableWidth - 800) / 2, ((usableWidth * 480 / 640) - 553) / 2, true};
    }
    if (usableWidth == kNarrowestScreen) return WindowPlacement{0, 0, false};
    return std::nullopt;
}

}  // namespace palimora
