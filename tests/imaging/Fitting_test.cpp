#include "imaging/Fitting.h"
#include "imaging/Resize.h"
#include "tests/support/Pictures.h"

#include <gtest/gtest.h>

namespace palimora {
namespace {

void ExpectPlacement(const Placement& p, int left, int top, int width, int height) {
    EXPECT_EQ(p.left, left);
    EXPECT_EQ(p.top, top);
    EXPECT_EQ(p.width, width);
    EXPECT_EQ(p.height, height);
}

TEST(Fitting, LargePicturesShrinkStepByStepIntoThePanel) {
    // 373 x 336 first, then 369 x 332, 361 x 325, 350 x 315 and 336 x 302.
    ExpectPlacement(FitInPanel(1000, 900, 377, 305), 20, 1, 336, 302);
    ExpectPlacement(FitInPanel(600, 1200, 377, 305), 113, 2, 150, 301);  // 150.5 rounds to 150
    ExpectPlacement(FitInPanel(4000, 1000, 377, 305), 2, 106, 373, 93);
}

TEST(Fitting, SmallPicturesKeepTheirSizeAndAreCentred) {
    ExpectPlacement(FitInPanel(200, 150, 377, 305), 88, 77, 200, 150);
    ExpectPlacement(FitInPanel(377, 305, 377, 305), 0, 0, 377, 305);
}

TEST(Fitting, IconsKeepTheirProportionsInFiftyPixels) {
    ExpectPlacement(FitInIcon(200, 100), 0, 12, 50, 25);
    ExpectPlacement(FitInIcon(30, 40), 10, 5, 30, 40);
    ExpectPlacement(FitInIcon(80, 80), 0, 0, 50, 50);
    ExpectPlacement(FitInIcon(4000, 3000), 0, 6, 50, 38);  // 37.5 rounds to even 38
}

TEST(Fitting, DerivedPicturesShrinkIntoTheirBox) {
    ExpectPlacement(FitInBox(800, 600, 100, 100), 0, 0, 100, 75);
    ExpectPlacement(FitInBox(600, 800, 100, 100), 0, 0, 75, 100);
    ExpectPlacement(FitInBox(640, 480, 100, 100), 0, 0, 100, 75);
    // 120 x 60, 118 x 59, 115 x 58 (57.5 to even), 111 x 56, 106 x 53, then 100 x 50.
    ExpectPlacement(FitInBox(1000, 500, 120, 50), 0, 0, 100, 50);
    ExpectPlacement(FitInBox(90, 60, 100, 100), 0, 0, 90, 60);  // never enlarged
}

TEST(Fitting, HalvesRoundToTheEvenNeighbour) {
    EXPECT_EQ(RoundHalfEven(150.5), 150);
    EXPECT_EQ(RoundHalfEven(151.5), 152);
    EXPECT_EQ(RoundHalfEven(2.4), 2);
    EXPECT_EQ(RoundHalfEven(2.6), 3);
}

TEST(Resize, ShrinkingAveragesWhatEachPixelCovers) {
    Image checker(4, 2);
    for (int x = 0; x < 4; ++x) {
        for (int y = 0; y < 2; ++y) {
            const std::uint8_t v = (x + y) % 2 ? 255 : 0;
            std::fill_n(checker.Row(y) + x * 3, 3, v);
        }
    }
    const Image half = Resize(checker, 2, 1);
    EXPECT_TRUE(testing::Near(testing::PixelAt(half, 0, 0), {128, 128, 128}, 1));
    EXPECT_TRUE(testing::Near(testing::PixelAt(half, 1, 0), {128, 128, 128}, 1));

    const Image quadrants = Resize(testing::Quadrants(400, 300), 40, 30);
    EXPECT_EQ(testing::PixelAt(quadrants, 0, 0), (testing::Rgb{255, 0, 0}));
    EXPECT_EQ(testing::PixelAt(quadrants, 39, 29), (testing::Rgb{255, 255, 255}));
    // An odd ratio: no colour from outside the picture creeps in at the edges.
    const Image odd = Resize(testing::Plain(7, 5, {10, 200, 30}), 3, 2);
    EXPECT_EQ(testing::PixelAt(odd, 2, 1), (testing::Rgb{10, 200, 30}));
}

TEST(Resize, EnlargingKeepsCornersAndSize) {
    const Image big = Resize(testing::Quadrants(4, 4), 40, 40);
    EXPECT_EQ(big.width, 40);
    EXPECT_EQ(testing::PixelAt(big, 0, 0), (testing::Rgb{255, 0, 0}));
    EXPECT_EQ(testing::PixelAt(big, 39, 0), (testing::Rgb{0, 255, 0}));
}

}  // namespace
}  // namespace palimora
