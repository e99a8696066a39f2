#include "common/TextLines.h"
#include "imaging/JpegCodec.h"
#include "imaging/PrivateMetadata.h"
#include "imaging/RightsMetadata.h"
#include "tests/support/PhotoFixtures.h"
#include "tests/support/Pictures.h"
#include "tests/support/TempFolder.h"

#include <gtest/gtest.h>

namespace palimora {
namespace {

namespace fs = std::filesystem;

std::string_view ExifBlockOf(std::string_view jpeg) {
    const std::size_t at = jpeg.find(std::string_view("Exif\0\0", 6));
    if (at == std::string_view::npos || at < 4) return {};
    const std::size_t length =
        (std::size_t{static_cast<unsigned char>(jpeg[at - 2])} << 8) | static_cast<unsigned char>(jpeg[at - 1]);
    return jpeg.substr(at, length - 2);
}

std::string_view CompressedPart(std::string_view jpeg) { return jpeg.substr(jpeg.find("\xFF\xDA")); }

TEST(PrivateDataTest, PositionAndOwnerGoWhileOrientationDateProfileAndPixelsStayByteForByte) {
    testing::TempFolder temp;
    testing::MakePhotoFixtures(temp.Path());
    const std::string tagged =
        testing::WithIccProfile(testing::ReadBytes(temp.Path() / "gps.jpg"), testing::DisplayP3Profile());
    ASSERT_TRUE(ExifWithoutPrivateData(ExifBlockOf(tagged)).has_value());

    const std::optional<std::string> cleaned = JpegWithoutPrivateData(tagged);
    ASSERT_TRUE(cleaned.has_value());
    EXPECT_FALSE(ExifWithoutPrivateData(ExifBlockOf(*cleaned)).has_value()) << "nothing left to remove";
    EXPECT_EQ(cleaned->find("Jeanne Martin"), std::string::npos);
    EXPECT_EQ(cleaned->find("SN123456"), std::string::npos);
    EXPECT_NE(cleaned->find("2024:05:01 10:20:30"), std::string::npos);
    EXPECT_NE(cleaned->find("ICC_PROFILE"), std::string::npos);
    EXPECT_EQ(CompressedPart(*cleaned), CompressedPart(tagged));
    const fs::path file = temp.Path() / "cleaned.jpg";
    WriteFileAtomically(file, *cleaned);
    EXPECT_EQ(ReadJpegSize(file).width, 400) << "still turned by its orientation";
    EXPECT_EQ(ReadJpegSize(file).height, 600);
}

// A picture derived from a photo keeps who made it and whose it is, and
// nothing else: no position, date, serial number or turn.
TEST(PrivateDataTest, ADerivedPictureKeepsOnlyTheArtistAndCopyright) {
    testing::TempFolder temp;
    testing::MakePhotoFixtures(temp.Path());
    const std::string rights = RightsExifOf(temp.Path() / "gps.jpg");
    ASSERT_FALSE(rights.empty());
    const fs::path derived = temp.Path() / "derived.jpg";
    WriteFileAtomically(derived, WithExif(EncodeJpegToMemory(testing::Quadrants(60, 40)), rights));
    const std::string bytes = testing::ReadBytes(derived);
    EXPECT_NE(bytes.find("J. Martin"), std::string::npos);
    EXPECT_NE(bytes.find("(c) 2024 J. Martin"), std::string::npos);
    for (const char* gone : {"Jeanne Martin", "SN123456", "2024:05:01", "Phone 12"}) {
        EXPECT_EQ(bytes.find(gone), std::string::npos) << gone;
    }
    EXPECT_EQ(ReadJpegSize(derived).width, 60) << "no turn carried over";
    EXPECT_EQ(DecodeJpeg(derived).height, 40);
    EXPECT_TRUE(RightsExifOf(temp.Path() / "orientation-6.jpg").empty());
}

// A camera's large file (here a GPS photo followed by 20 MB the decoders
// never read) is cleaned whole, every byte after its blocks kept.
TEST(PrivateDataTest, ALargePhotoIsCleanedWholeInPlace) {
    testing::TempFolder temp;
    testing::MakePhotoFixtures(temp.Path());
    const std::string tail(20u << 20, '\x5A');
    const fs::path large = temp.Path() / "large.jpg";
    testing::WriteBytes(large, testing::ReadBytes(temp.Path() / "gps.jpg") + tail);
    ASSERT_TRUE(RemovePrivateData(large));
    const std::string cleaned = testing::ReadBytes(large);
    EXPECT_EQ(cleaned.find("Jeanne Martin"), std::string::npos);
    EXPECT_EQ(cleaned.substr(cleaned.size() - tail.size()), tail);
    EXPECT_FALSE(RemovePrivateData(large)) << "a clean file is not written again";
}

TEST(PrivateDataTest, ACleanOrDamagedFileIsLeftAsItIs) {
    testing::TempFolder temp;
    const fs::path clean = temp.Path() / "clean.jpg";
    EncodeJpeg(testing::Quadrants(40, 30), clean);
    const auto before = fs::last_write_time(clean);
    EXPECT_FALSE(RemovePrivateData(clean));
    EXPECT_EQ(fs::last_write_time(clean), before);
    EXPECT_FALSE(JpegWithoutPrivateData("not a jpeg").has_value());
    const std::string cut = testing::ReadBytes(clean).substr(0, 30);
    EXPECT_FALSE(JpegWithoutPrivateData(cut).has_value());
    EXPECT_FALSE(ExifWithoutPrivateData(std::string_view("Exif\0\0garbage", 13)).has_value());
}

}  // namespace
}  // namespace palimora
