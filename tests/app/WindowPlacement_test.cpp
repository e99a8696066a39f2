#include "app/WindowPlacement.h"

#include <gtest/gtest.h>

namespace palimora {
namespace {

TEST(WindowPlacement, WideScreensCentreThe800x553Window) {
    const auto placement = PlacementForScreenWidth(1024);
    ASSERT_TRUE(placement);
    EXPECT_EQ(placement->left, 112);
    EXPECT_EQ(placement->top, 107);
    EXPECT_TRUE(placement->resizable);

    const auto fullHd = PlacementForScreenWidth(1920);
    EXPECT_EQ(fullHd->left, 560);
    EXPECT_EQ(fullHd->top, 443);  // a 4:3 screen's height, 1440, less the window's, halved

    const auto odd = PlacementForScreenWidth(801);  // halves round down
    EXPECT_EQ(odd->left, 0);
    EXPECT_EQ(odd->top, 23);
}

TEST(WindowPlacement, An800PixelScreenTakesTheTopLeftCorner) {
    const auto placement = PlacementForScreenWidth(800);
    ASSERT_TRUE(placement);
    EXPECT_EQ(placement->left, 0);
    EXPECT_EQ(placement->top, 0);
    EXPECT_FALSE(placement->resizable);
}

TEST(WindowPlacement, NarrowerScreensMoveNothing) {
    EXPECT_FALSE(PlacementForScreenWidth(799));
    EXPECT_FALSE(PlacementForScreenWidth(640));
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
