#include "imaging/BmpCodec.h"
#include "imaging/GifCodec.h"
#include "imaging/ImageError.h"
#include "imaging/JpegCodec.h"
#include "imaging/PictureReader.h"
#include "tests/support/Pictures.h"
#include "tests/support/TempFolder.h"

#include <gtest/gtest.h>

namespace palimora {
namespace {

namespace fs = std::filesystem;
using testing::Near;
using testing::PixelAt;
using testing::Rgb;

class CodecTest : public ::testing::Test {
protected:
    fs::path File(const char* name) const { return temp.Path() / name; }

    ImageError::Kind FailureOf(const fs::path& file) {
        try {
            ReadPictureFile(file);
        } catch (const ImageError& error) {
            return error.ErrorKind();
        }
        ADD_FAILURE() << file << " was read";
        return ImageError::Kind::Unsupported;
    }

    testing::TempFolder temp;
};

TEST_F(CodecTest, JpegRoundTripKeepsSizeAndColours) {
    EncodeJpeg(testing::Quadrants(64, 48), File("q.jpg"));
    const ReadPicture read = ReadPictureFile(File("q.jpg"));
    EXPECT_EQ(read.naturalWidth, 64);
    EXPECT_EQ(read.naturalHeight, 48);
    EXPECT_EQ(read.frames, 1);
    EXPECT_TRUE(Near(PixelAt(read.image, 4, 4), {255, 0, 0}));
    EXPECT_TRUE(Near(PixelAt(read.image, 60, 4), {0, 255, 0}));
    EXPECT_TRUE(Near(PixelAt(read.image, 4, 44), {0, 0, 255}));
    EXPECT_TRUE(Near(PixelAt(read.image, 60, 44), {255, 255, 255}));
    EXPECT_FALSE(fs::exists(File("q.jpg.palimora.tmp")));
}

TEST_F(CodecTest, JpegIsWrittenBaselineAndReducedInTheDctDomain) {
    EncodeJpeg(testing::Quadrants(800, 600), File("big.JPEG"));
    const std::string bytes = testing::ReadBytes(File("big.JPEG"));
    EXPECT_NE(bytes.find("\xFF\xC0"), std::string::npos);  // baseline frame
    EXPECT_EQ(bytes.find("\xFF\xC2"), std::string::npos);  // not progressive

    const Image reduced = DecodeJpeg(File("big.JPEG"), 100, 75);
    EXPECT_EQ(reduced.width, 100);  // 1/8
    EXPECT_EQ(reduced.height, 75);
    EXPECT_EQ(DecodeJpeg(File("big.JPEG"), 101, 75).width, 200);  // 2/8: the next that covers
    const ReadPicture read = ReadPictureFile(File("big.JPEG"), 50, 50);
    EXPECT_EQ(read.naturalWidth, 800);  // the natural size stays the file's
    EXPECT_EQ(read.image.width, 100);
}

TEST_F(CodecTest, DamagedJpegsAreUnreadableNeverFatal) {
    EncodeJpeg(testing::Quadrants(64, 48), File("cut.jpg"));
    const auto size = fs::file_size(File("cut.jpg"));
    testing::CutFile(File("cut.jpg"), size / 2);
    EXPECT_EQ(FailureOf(File("cut.jpg")), ImageError::Kind::Unreadable);

    testing::CutFile(File("cut.jpg"), 100);  // inside the headers
    EXPECT_EQ(FailureOf(File("cut.jpg")), ImageError::Kind::Unreadable);

    EncodeJpeg(testing::Quadrants(64, 48), File("broken.jpg"));
    std::string bytes = testing::ReadBytes(File("broken.jpg"));
    bytes[1] = '\x00';  // the start-of-image marker
    testing::WriteBytes(File("broken.jpg"), bytes);
    EXPECT_EQ(FailureOf(File("broken.jpg")), ImageError::Kind::Unreadable);

    testing::WriteBytes(File("text.jpg"), "this is not a picture");
    EXPECT_EQ(FailureOf(File("text.jpg")), ImageError::Kind::Unreadable);
    EXPECT_EQ(FailureOf(File("missing.jpg")), ImageError::Kind::Unreadable);
}

TEST_F(CodecTest, AnEnormousJpegIsRefusedBeforeDecoding) {
    EncodeJpeg(testing::Quadrants(16, 16), File("huge.jpg"));
    std::string bytes = testing::ReadBytes(File("huge.jpg"));
    const auto frame = bytes.find("\xFF\xC0");
    ASSERT_NE(frame, std::string::npos);
    // Height and width fields of the frame header: 60000 x 60000.
    for (std::size_t offset : {frame + 5, frame + 7}) {
        bytes[offset] = static_cast<char>(0xEA);
        bytes[offset + 1] = static_cast<char>(0x60);
    }
    testing::WriteBytes(File("huge.jpg"), bytes);
    EXPECT_EQ(ReadJpegSize(File("huge.jpg")).width, 60000);
    EXPECT_EQ(FailureOf(File("huge.jpg")), ImageError::Kind::TooLarge);
}

TEST_F(CodecTest, BmpIsReadAndItsDamageReported) {
    testing::WriteBmp(File("q.bmp"), testing::Quadrants(6, 4));
    const ReadPicture read = ReadPictureFile(File("q.bmp"));
    EXPECT_EQ(read.naturalWidth, 6);
    EXPECT_EQ(PixelAt(read.image, 0, 0), (Rgb{255, 0, 0}));
    EXPECT_EQ(PixelAt(read.image, 5, 3), (Rgb{255, 255, 255}));
    EXPECT_EQ(ReadBmpSize(File("q.bmp")).height, 4);

    testing::CutFile(File("q.bmp"), 60);
    EXPECT_EQ(FailureOf(File("q.bmp")), ImageError::Kind::Unreadable);
    testing::CutFile(File("q.bmp"), 10);
    EXPECT_EQ(FailureOf(File("q.bmp")), ImageError::Kind::Unreadable);
}

TEST_F(CodecTest, AnimatedGifBecomesAFilmstrip) {
    testing::WriteGif(File("anim.giff"), 20, 10, {{255, 0, 0}, {0, 255, 0}, {0, 0, 255}, {255, 255, 0}});
    const ReadPicture read = ReadPictureFile(File("anim.giff"));
    EXPECT_EQ(read.frames, 4);
    EXPECT_EQ(read.naturalWidth, 80);
    EXPECT_EQ(read.naturalHeight, 10);
    EXPECT_EQ(PixelAt(read.image, 5, 5), (Rgb{255, 0, 0}));
    EXPECT_EQ(PixelAt(read.image, 25, 5), (Rgb{0, 255, 0}));
    EXPECT_EQ(PixelAt(read.image, 79, 9), (Rgb{255, 255, 0}));

    EXPECT_EQ(ReadFirstFrame(File("anim.giff")).width, 20);
    testing::WriteGif(File("still.gif"), 7, 3, {{1, 2, 3}});
    const ReadPicture still = ReadPictureFile(File("still.gif"));
    EXPECT_EQ(still.frames, 1);
    EXPECT_EQ(still.naturalWidth, 7);
}

TEST_F(CodecTest, ACutGifKeepsItsWholeFramesOnly) {
    testing::WriteGif(File("two.gif"), 40, 40, {{255, 0, 0}, {0, 0, 255}});
    const auto size = fs::file_size(File("two.gif"));
    testing::CutFile(File("two.gif"), size - 8);  // inside the second frame
    const GifPicture kept = DecodeGif(File("two.gif"));
    ASSERT_EQ(kept.frames, 1);
    EXPECT_EQ(PixelAt(kept.image, 0, 0), (Rgb{255, 0, 0}));
    EXPECT_EQ(ReadPictureFile(File("two.gif")).frames, 1);

    testing::WriteGif(File("one.gif"), 40, 40, {{255, 0, 0}});
    testing::CutFile(File("one.gif"), fs::file_size(File("one.gif")) - 8);
    EXPECT_EQ(FailureOf(File("one.gif")), ImageError::Kind::Unreadable);
    testing::CutFile(File("one.gif"), 5);
    EXPECT_EQ(FailureOf(File("one.gif")), ImageError::Kind::Unreadable);
}

TEST_F(CodecTest, FormatsGoByTheExtensionInAnyCase) {
    EXPECT_EQ(FormatOfName("a.jpg"), PictureFormat::Jpeg);
    EXPECT_EQ(FormatOfName("A.JpEg"), PictureFormat::Jpeg);
    EXPECT_EQ(FormatOfName("x.GIFF"), PictureFormat::Gif);
    EXPECT_EQ(FormatOfName("x.wmf"), PictureFormat::Metafile);
    EXPECT_EQ(FormatOfName("x.ico"), PictureFormat::Icon);
    EXPECT_EQ(FormatOfName("noextension"), PictureFormat::Other);
    testing::WriteBytes(File("m.wmf"), "metafile");
    EXPECT_EQ(FailureOf(File("m.wmf")), ImageError::Kind::Unsupported);
}

}  // namespace
}  // namespace palimora
