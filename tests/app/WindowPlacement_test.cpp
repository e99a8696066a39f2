#include "app/WindowPlacement.h"

#include <gtest/gtest.h>

namespace palimora {
namespace {

TEST(WindowPlacement, WideScreensCentreThe800x553Window) {
    const auto placement = PlacementForScreenWidth(1024);
    ASSERT_TRUE(placement);
    EXPECT_EQ(placement->left, 112);
    EXPECT_EQ(placement->top, 107);
    EXPECT_TRUE(placement->resizeTo800x553);

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
    EXPECT_FALSE(placement->resizeTo800x553);
}

TEST(WindowPlacement, NarrowerScreensMoveNothing) {
    EXPECT_FALSE(PlacementForScreenWidth(799));
    EXPECT_FALSE(PlacementForScreenWidth(640));
}

}  // namespace
}  // namespace palimora
