#include "sitegen/DerivedPictures.h"
#include "imaging/BmpCodec.h"
#include "imaging/ImageError.h"
#include "imaging/JpegCodec.h"
#include "tests/support/Pictures.h"
#include "tests/support/TempFolder.h"

#include <gtest/gtest.h>

namespace palimora {
namespace {

namespace fs = std::filesystem;
using testing::Near;
using testing::PixelAt;
using testing::Rgb;

class ConversionTest : public ::testing::Test {
protected:
    ConversionTest() {
        fs::create_directories(working);
        fs::create_directories(project / "images");
    }
    void Picture(const std::string& name, const Image& image) { EncodeJpeg(image, project / "images" / name); }
    void Convert(const std::string& name) { WriteConversion(ConvertPicture(project, name, settings)); }
    PictureSize SizeOf(const fs::path& file) { return ReadJpegSize(file); }

    testing::TempFolder temp;
    fs::path project = temp.Path() / "Projets" / "P";
    fs::path working = temp.Path() / "Projets" / "W" / "images";
    ConversionSettings settings;
};

TEST_F(ConversionTest, ThumbnailsFitTheirBoxesAndAreNeverEnlarged) {
    Picture("000001.jpg", testing::Quadrants(640, 480));
    Picture("000002.jpg", testing::Quadrants(60, 40));
    settings.thumbnails = true;
    settings.galleryBoxWidth = settings.galleryBoxHeight = 100;
    settings.summaryBoxWidth = 200;
    settings.summaryBoxHeight = 100;
    settings.galleryFirstPictures[4] = "000001.jpg";
    Convert("000001.jpg");
    Convert("000002.jpg");
    EXPECT_EQ(SizeOf(project / "tn_images" / "tn-000001.jpg").width, 100);
    EXPECT_EQ(SizeOf(project / "tn_images" / "tn-000001.jpg").height, 75);
    EXPECT_EQ(SizeOf(project / "tns_images" / "tns-000001.jpg").width, 123);  // the shrinking steps compound
    EXPECT_EQ(SizeOf(project / "tn_images" / "tn-000002.jpg").width, 60);
    EXPECT_FALSE(fs::exists(project / "tns_images" / "tns-000002.jpg"));
    const Image thumbnail = DecodeJpeg(project / "tn_images" / "tn-000001.jpg");
    EXPECT_TRUE(Near(PixelAt(thumbnail, 5, 5), {255, 0, 0}, 20));
    EXPECT_TRUE(Near(PixelAt(thumbnail, 95, 70), {255, 255, 255}, 20));
}

// The site shows a reduced copy; the user's photo stays as it was given, and
// one within the limit goes to the site as its own bytes.
TEST_F(ConversionTest, TheSizeLimitShapesTheSitesCopyAndLeavesTheUsersPhotoAlone) {
    Picture("000001.jpg", testing::Quadrants(2000, 1000));
    Picture("000002.jpg", testing::Quadrants(300, 200));
    testing::WriteGif(project / "images" / "000003.gif", 50, 50, {{1, 2, 3}});
    const std::string large = testing::ReadBytes(project / "images" / "000001.jpg");
    const std::string small = testing::ReadBytes(project / "images" / "000002.jpg");
    settings.limitWidth = 1024;
    settings.limitHeight = 768;
    settings.shaped = true;
    for (const char* name : {"000001.jpg", "000002.jpg", "000003.gif"}) Convert(name);
    EXPECT_EQ(SizeOf(project / "web_images" / "000001.jpg").width, 1024);
    EXPECT_EQ(SizeOf(project / "web_images" / "000001.jpg").height, 512);
    EXPECT_EQ(testing::ReadBytes(project / "images" / "000001.jpg"), large);
    EXPECT_EQ(testing::ReadBytes(project / "web_images" / "000002.jpg"), small);  // not encoded again
    EXPECT_EQ(testing::ReadBytes(project / "web_images" / "000003.gif"),
              testing::ReadBytes(project / "images" / "000003.gif"));
    EXPECT_TRUE(fs::is_empty(working));
    EXPECT_FALSE(fs::exists(project / "web_images" / "000001.jpg.palimora.tmp"));
}

TEST_F(ConversionTest, StripsHalveToEvenAndTheLastTakesTheRest) {
    auto heights = [](int rows, int strips) {
        std::vector<int> result;
        for (const Image& strip : CutStrips(testing::Plain(4, rows, {1, 2, 3}), strips)) result.push_back(strip.height);
        return result;
    };
    EXPECT_EQ(heights(100, 3), (std::vector<int>{33, 33, 34}));
    EXPECT_EQ(heights(101, 2), (std::vector<int>{50, 51}));
    EXPECT_EQ(heights(10, 1), (std::vector<int>{10}));
    // Where the rounded height would leave a strip empty, none is.
    EXPECT_EQ(heights(6, 4), (std::vector<int>{1, 2, 1, 2}));
    EXPECT_EQ(heights(2, 3), (std::vector<int>{1, 1, 1}));
    EXPECT_EQ(heights(1, 3), (std::vector<int>{1, 1, 1}));
}

TEST_F(ConversionTest, APictureWithFewerRowsThanStripsStillGivesEveryStrip) {
    for (const auto& [width, height] : {std::pair{1, 1}, std::pair{2, 2}, std::pair{1000, 1}}) {
        EncodeJpeg(testing::Plain(width, height, {90, 120, 150}), project / "images" / "000009.jpg");
        ConversionSettings threeStrips;
        threeStrips.strips = 3;
        const auto files = ConvertPicture(project, "000009.jpg", threeStrips);
        ASSERT_EQ(files.size(), 3u) << width << " x " << height;
        for (const ConvertedFile& strip : files) EXPECT_FALSE(strip.bytes.empty());
        WriteConversion(files);
        EXPECT_EQ(DecodeJpeg(project / "morc_images" / "000009-3.jpg", 0, 0).width, width);
    }
}

TEST_F(ConversionTest, TheStampGoesInItsCornerCutAtTheEdges) {
    Image picture = testing::Plain(200, 100, {0, 0, 0});
    StampCopyright(picture, testing::Plain(40, 20, {255, 255, 255}), ConversionSettings::Corner::BottomRight, 3);
    EXPECT_EQ(PixelAt(picture, 157, 77), (Rgb{255, 255, 255}));
    EXPECT_EQ(PixelAt(picture, 196, 96), (Rgb{255, 255, 255}));
    EXPECT_EQ(PixelAt(picture, 156, 77), (Rgb{0, 0, 0}));
    EXPECT_EQ(PixelAt(picture, 197, 97), (Rgb{0, 0, 0}));

    Image small = testing::Plain(30, 10, {0, 0, 0});
    StampCopyright(small, testing::Plain(40, 20, {255, 255, 255}), ConversionSettings::Corner::TopLeft, 5);
    EXPECT_EQ(PixelAt(small, 29, 9), (Rgb{255, 255, 255}));
    EXPECT_EQ(PixelAt(small, 4, 4), (Rgb{0, 0, 0}));
    StampCopyright(small, testing::Plain(4, 4, {9, 9, 9}), ConversionSettings::Corner::None, 0);
    EXPECT_EQ(PixelAt(small, 0, 0), (Rgb{0, 0, 0}));
}

TEST_F(ConversionTest, WithStripsOnlyTheLastStripIsStampedAndTheStampIsKept) {
    Picture("000001.jpg", testing::Plain(300, 300, {0, 0, 200}));
    const std::string original = testing::ReadBytes(project / "images" / "000001.jpg");
    testing::WriteBmp(temp.Path() / "stamp.bmp", testing::Plain(40, 20, {255, 255, 0}));
    const std::string stamp = testing::ReadBytes(temp.Path() / "stamp.bmp");
    settings.strips = 3;
    settings.stamp = true;
    settings.stampFile = temp.Path() / "stamp.bmp";
    settings.corner = ConversionSettings::Corner::BottomRight;
    settings.margin = 0;
    Convert("000001.jpg");
    const Image third = DecodeJpeg(project / "morc_images" / "000001-3.jpg");
    EXPECT_TRUE(Near(PixelAt(third, 290, 95), {255, 255, 0}, 24));
    const Image first = DecodeJpeg(project / "morc_images" / "000001-1.jpg");
    EXPECT_TRUE(Near(PixelAt(first, 290, 95), {0, 0, 200}, 24));
    EXPECT_EQ(testing::ReadBytes(project / "images" / "000001.jpg"), original);
    EXPECT_EQ(testing::ReadBytes(temp.Path() / "stamp.bmp"), stamp);
}

TEST_F(ConversionTest, OnlyJpegPicturesAreConvertedAndDamageIsReported) {
    testing::WriteGif(project / "images" / "000001.gif", 50, 50, {{1, 2, 3}});
    settings.thumbnails = true;
    settings.galleryBoxWidth = settings.galleryBoxHeight = 10;
    EXPECT_TRUE(ConvertPicture(project, "000001.gif", settings).empty());
    Picture("000002.jpg", testing::Quadrants(100, 100));
    testing::CutFile(project / "images" / "000002.jpg", 400);
    EXPECT_THROW(ConvertPicture(project, "000002.jpg", settings), ImageError);
}

}  // namespace
}  // namespace palimora
