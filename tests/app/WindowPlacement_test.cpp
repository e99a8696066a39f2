#include "app/WindowPlacement.h"

#include <gtest/gtest.h>

namespace palimora {
namespace {

TEST(WindowPlacement, WideScreensCentreThe800x553Window) {
    const auto placement = PlacementForScreen(1024, 740);
    ASSERT_TRUE(placement);
    EXPECT_EQ(placement->left, 112);
    EXPECT_EQ(placement->top, 107);
    EXPECT_TRUE(placement->resizable);

    const auto fullHd = PlacementForScreen(1920, 1050);
    EXPECT_EQ(fullHd->left, 560);
    EXPECT_EQ(fullHd->top, 443);  // a 4:3 screen's height, 1440, less the window's, halved

    const auto odd = PlacementForScreen(801, 600);  // halves round down
    EXPECT_EQ(odd->left, 0);
    EXPECT_EQ(odd->top, 23);

    // 1920 x 1050 at 150 %: the window is whole, as low as the screen lets it be.
    const auto scaled = PlacementForScreen(1280, 700);
    EXPECT_EQ(scaled->top, 700 - 553);
    EXPECT_EQ(PlacementForScreen(1280, 500)->top, 0);  // too low for it: the title bar stays on the screen
}

TEST(WindowPlacement, An800PixelScreenTakesTheTopLeftCorner) {
    const auto placement = PlacementForScreen(800, 570);
    ASSERT_TRUE(placement);
    EXPECT_EQ(placement->left, 0);
    EXPECT_EQ(placement->top, 0);
    EXPECT_FALSE(placement->resizable);
}

TEST(WindowPlacement, NarrowerScreensMoveNothing) {
    EXPECT_FALSE(PlacementForScreen(799, 600));
    EXPECT_FALSE(PlacementForScreen(640, 480));
}

TEST(WindowPlacement, ARememberedSizeComesBackWithinTheScreen) {
    EXPECT_EQ(WindowSizeOfLine(WindowSizeLine({1100, 700})), (WindowSize{1100, 700}));
    for (const char* odd : {"", "1100", "1100x", "x700", "1100x700 ", "700x400", "-5x900", "99999999999x700"})
        EXPECT_FALSE(WindowSizeOfLine(odd)) << odd;

    const WindowPlacement fits = PlacementOfRememberedSize({1000, 700}, 1920, 1050);
    EXPECT_EQ(fits.size, (WindowSize{1000, 700}));
    EXPECT_EQ(fits.left, 460);
    EXPECT_EQ(fits.top, 350);  // centred in the screen's top 4:3, as the designed size is
    const WindowPlacement clamped = PlacementOfRememberedSize({3000, 2000}, 1024, 740);
    EXPECT_EQ(clamped.size, (WindowSize{1024, 740}));  // a smaller screen than last time
    EXPECT_EQ(clamped.left, 0);
    EXPECT_EQ(clamped.top, 0);
}

}  // namespace
}  // namespace palimora
