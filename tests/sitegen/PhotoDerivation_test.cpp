#include "common/TextLines.h"
#include "imaging/Fitting.h"
#include "imaging/Icons.h"
#include "imaging/JpegCodec.h"
#include "project/SiteLayout.h"
#include "sitegen/DerivedPictures.h"
#include "tests/support/PhotoFixtures.h"
#include "tests/support/Pictures.h"
#include "tests/support/TempFolder.h"

#include <gtest/gtest.h>

namespace palimora {
namespace {

namespace fs = std::filesystem;
using testing::Near;
using testing::PixelAt;
using testing::Rgb;

constexpr Rgb kRed{255, 0, 0}, kBlue{0, 0, 255}, kGrey{128, 128, 128}, kGreen{0, 255, 0};

// The photos' marks, as a viewer sees them: red top-left, blue bottom-right.
void ExpectUpright(const Image& picture, int left, int top, int width, int height, const std::string& what) {
    SCOPED_TRACE(what);
    EXPECT_TRUE(Near(PixelAt(picture, left + 1, top + 1), kRed, 40));
    EXPECT_TRUE(Near(PixelAt(picture, left + width - 2, top + height - 2), kBlue, 40));
    EXPECT_TRUE(Near(PixelAt(picture, left + width - 2, top + 1), kGrey, 40));
    EXPECT_TRUE(Near(PixelAt(picture, left + 1, top + height - 2), kGrey, 40));
}

class PhotoDerivationTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        fixtures_ = new testing::TempFolder;
        testing::MakePhotoFixtures(fixtures_->Path());
    }
    static void TearDownTestSuite() { delete fixtures_; }
    static fs::path Fixture(const std::string& name) { return fixtures_->Path() / name; }

    PhotoDerivationTest() {
        fs::create_directories(working);
        fs::create_directories(project / "images");
    }
    std::vector<ConvertedFile> Convert(const std::string& name) { return ConvertPicture(project, name, settings); }

    static testing::TempFolder* fixtures_;
    testing::TempFolder temp;
    fs::path project = temp.Path() / "Projets" / "P";
    fs::path working = temp.Path() / "Projets" / "W" / "images";
    ConversionSettings settings;
};

testing::TempFolder* PhotoDerivationTest::fixtures_ = nullptr;

TEST_F(PhotoDerivationTest, EveryOrientationIsShownAndDerivedUpright) {
    // A green stamp goes in the bottom-right corner of the photo as it is seen.
    EncodeJpeg(testing::Plain(6, 6, kGreen), temp.Path() / "stamp.jpg");
    for (int orientation = 1; orientation <= 8; ++orientation) {
        SCOPED_TRACE("orientation " + std::to_string(orientation));
        const std::string name = "00000" + std::to_string(orientation) + ".jpg";
        const fs::path photo = project / "images" / name;
        fs::copy_file(Fixture("orientation-" + std::to_string(orientation) + ".jpg"), photo);

        EXPECT_EQ(ReadJpegSize(photo).width, 60);
        EXPECT_EQ(ReadJpegSize(photo).height, 40);
        ExpectUpright(DecodeJpeg(photo), 0, 0, 60, 40, "decoded");
        ExpectUpright(DecodeJpeg(photo, 30, 20), 0, 0, 30, 20, "decoded reduced");
        const Placement icon = FitInIcon(60, 40);
        ExpectUpright(MakeIcon(photo), icon.left, icon.top, icon.width, icon.height, "icon");

        // Not re-encoded: the picture keeps its bytes and so its tag.
        const std::string stored = testing::ReadBytes(photo);
        settings = {};
        settings.thumbnails = true;
        settings.galleryBoxWidth = settings.galleryBoxHeight = 30;
        settings.summaryBoxWidth = settings.summaryBoxHeight = 50;
        settings.galleryFirstPictures[0] = name;
        settings.strips = 2;
        WriteConversion(Convert(name));
        EXPECT_EQ(testing::ReadBytes(photo), stored);
        const Image thumbnail = DecodeJpeg(project / "tn_images" / ("tn-00000" + std::to_string(orientation) + ".jpg"));
        EXPECT_EQ(thumbnail.width, 30);
        ExpectUpright(thumbnail, 0, 0, thumbnail.width, thumbnail.height, "thumbnail");
        const Image summary = DecodeJpeg(project / "tns_images" / ("tns-00000" + std::to_string(orientation) + ".jpg"));
        EXPECT_EQ(summary.width, 50);
        ExpectUpright(summary, 0, 0, summary.width, summary.height, "summary thumbnail");
        const Image top = DecodeJpeg(project / "morc_images" / ("00000" + std::to_string(orientation) + "-1.jpg"));
        EXPECT_TRUE(Near(PixelAt(top, 1, 1), kRed, 40));
        EXPECT_EQ(top.width, 60);

        // Re-encoded (reduced and stamped): turned, without any EXIF.
        settings.strips = 1;
        settings.limitWidth = settings.limitHeight = 40;
        settings.stamp = true;
        settings.stampFile = temp.Path() / "stamp.jpg";
        settings.corner = ConversionSettings::Corner::BottomRight;
        const std::string given = testing::ReadBytes(photo);
        WriteConversion(Convert(name));
        EXPECT_EQ(testing::ReadBytes(photo), given);  // the site's copy is shaped, never the photo
        const fs::path shown = project / "web_images" / site_layout::ShapedName(name);
        const std::string reduced = testing::ReadBytes(shown);
        EXPECT_EQ(reduced.find("Exif"), std::string::npos);
        const Image limited = DecodeJpeg(shown);
        ASSERT_EQ(limited.width, 40);
        ASSERT_EQ(limited.height, 27);
        EXPECT_TRUE(Near(PixelAt(limited, 1, 1), kRed, 40));
        EXPECT_TRUE(Near(PixelAt(limited, 38, 25), kGreen, 60));  // the stamp
        EXPECT_TRUE(Near(PixelAt(limited, 32, 25), kBlue, 60));   // beside it, the photo's own corner
        EXPECT_TRUE(Near(PixelAt(limited, 38, 2), kGrey, 40));
    }
}

TEST_F(PhotoDerivationTest, ADisplayP3PhotoIsDerivedInSrgbAsLcmsConvertsIt) {
    // Four plain patches, colours a P3 screen shows quite unlike sRGB.
    const std::vector<Rgb> colours{{200, 80, 60}, {60, 180, 70}, {70, 100, 200}, {230, 200, 120}};
    Image patches(400, 400);
    for (int i = 0; i < 4; ++i) patches.Paste(testing::Plain(200, 200, colours[i]), (i % 2) * 200, (i / 2) * 200);
    const std::vector<std::uint8_t> p3 = testing::DisplayP3Profile();
    const std::string plain = EncodeJpegToMemory(patches, 95);
    WriteFileAtomically(project / "images" / "000001.jpg", testing::WithIccProfile(plain, p3));
    WriteFileAtomically(temp.Path() / "untagged.jpg", plain);

    // What lcms2 alone makes of the stored pixels.
    const Image stored = DecodeJpeg(temp.Path() / "untagged.jpg");
    const Image expected = testing::ToSrgbWithLcms(stored, p3);
    bool differs = false;
    for (int i = 0; i < 4; ++i) {
        const Rgb before = PixelAt(stored, 100 + (i % 2) * 200, 100 + (i / 2) * 200);
        differs = differs || !Near(before, PixelAt(expected, 100 + (i % 2) * 200, 100 + (i / 2) * 200), 8);
    }
    ASSERT_TRUE(differs) << "the patches must tell a conversion from none";

    const auto expectSrgb = [&](const Image& derived, double scale, int top) {
        for (int i = 0; i < 4; ++i) {
            const int x = 100 + (i % 2) * 200, y = 100 + (i / 2) * 200;
            // A patch outside the derived picture (a strip) is not looked at.
            const int row = static_cast<int>(y * scale) - top;
            if (row < 0 || row >= derived.height) continue;
            const Rgb want = PixelAt(expected, x, y);
            const Rgb got = PixelAt(derived, static_cast<int>(x * scale), row);
            for (int c = 0; c < 3; ++c) EXPECT_NEAR(got[c], want[c], 2) << "patch " << i << " channel " << c;
        }
    };
    // The large display and the icons decode through the same conversion.
    expectSrgb(DecodeJpeg(project / "images" / "000001.jpg"), 1.0, 0);
    settings.thumbnails = true;
    settings.galleryBoxWidth = settings.galleryBoxHeight = 100;
    settings.limitWidth = settings.limitHeight = 200;
    settings.strips = 2;
    const std::vector<ConvertedFile> files = Convert("000001.jpg");
    ASSERT_GE(files.size(), 4u);
    for (const ConvertedFile& file : files) {
        SCOPED_TRACE(file.file.string());
        EXPECT_EQ(file.bytes.find("ICC_PROFILE"), std::string::npos);
        EXPECT_EQ(file.bytes.find("Exif"), std::string::npos);
    }
    WriteConversion(files);
    expectSrgb(DecodeJpeg(project / "tn_images" / "tn-000001.jpg"), 0.25, 0);
    expectSrgb(DecodeJpeg(project / "web_images" / "000001.jpg"), 0.5, 0);
    expectSrgb(DecodeJpeg(project / "morc_images" / "000001-1.jpg"), 0.5, 0);
    expectSrgb(DecodeJpeg(project / "morc_images" / "000001-2.jpg"), 0.5, 100);
}

}  // namespace
}  // namespace palimora
