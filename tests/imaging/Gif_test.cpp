#include "imaging/GifCodec.h"
#include "imaging/ImageError.h"
#include "imaging/PictureReader.h"
#include "tests/support/Pictures.h"
#include "tests/support/TempFolder.h"

#include <gtest/gtest.h>

#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <stdexcept>
#include <vector>

#include <gif_lib.h>

namespace palimora {
namespace {

namespace fs = std::filesystem;
using testing::PixelAt;
using testing::Rgb;

// One frame: a rectangle of colour indices, row by row from the top.
struct Frame {
    int left = 0;
    int top = 0;
    int width = 1;
    int height = 1;
    std::vector<GifPixelType> indices;  // width x height; empty: all index 0
    int disposal = DISPOSAL_UNSPECIFIED;
    int transparent = NO_TRANSPARENT_COLOR;
    bool interlace = false;
};

// Palette: 0 red, 1 green, 2 blue, 3 white; the background is white.
constexpr Rgb kRed{255, 0, 0}, kGreen{0, 255, 0}, kBlue{0, 0, 255}, kWhite{255, 255, 255};

void WriteFrames(const fs::path& file, int width, int height, int count, const auto& frameAt) {
    int error = 0;
    GifFileType* gif = EGifOpenFileName(file.c_str(), false, &error);
    if (!gif) throw std::runtime_error("cannot write test GIF");
    GifColorType colours[4] = {{255, 0, 0}, {0, 255, 0}, {0, 0, 255}, {255, 255, 255}};
    ColorMapObject* map = GifMakeMapObject(4, colours);
    EGifSetGifVersion(gif, true);
    EGifPutScreenDesc(gif, width, height, 2, 3, map);
    for (int i = 0; i < count; ++i) {
        const Frame frame = frameAt(i);
        GraphicsControlBlock control{frame.disposal, false, 0, frame.transparent};
        GifByteType extension[4];
        EGifPutExtension(gif, GRAPHICS_EXT_FUNC_CODE, static_cast<int>(EGifGCBToExtension(&control, extension)),
                         extension);
        EGifPutImageDesc(gif, frame.left, frame.top, frame.width, frame.height, frame.interlace, nullptr);
        std::vector<GifPixelType> pixels = frame.indices;
        pixels.resize(static_cast<std::size_t>(frame.width) * frame.height, 0);
        std::vector<int> rows;
        if (frame.interlace) {
            for (const auto& [start, step] : {std::pair{0, 8}, {4, 8}, {2, 4}, {1, 2}}) {
                for (int y = start; y < frame.height; y += step) rows.push_back(y);
            }
        } else {
            for (int y = 0; y < frame.height; ++y) rows.push_back(y);
        }
        for (int y : rows) EGifPutLine(gif, pixels.data() + static_cast<std::size_t>(y) * frame.width, frame.width);
    }
    GifFreeMapObject(map);
    EGifCloseFile(gif, &error);
}

// Many frames of a small square moving over the screen, the way a long
// animation of little changes is stored.
void WriteLongAnimation(const fs::path& file, int width, int height, int frames) {
    WriteFrames(file, width, height, frames, [&](int i) {
        Frame frame{(i * 3) % (width - 4), (i * 7) % (height - 4), 4, 4, {}};
        frame.indices.assign(16, static_cast<GifPixelType>(i % 3));
        return frame;
    });
}

class GifTest : public ::testing::Test {
protected:
    fs::path File(const char* name) const { return temp.Path() / name; }
    testing::TempFolder temp;
};

TEST_F(GifTest, DisposalTransparencyAndInterlaceComposeEachFrame) {
    std::vector<Frame> frames = {
        {0, 0, 8, 8, std::vector<GifPixelType>(64, 0), DISPOSAL_UNSPECIFIED},  // red screen
        {0, 0, 2, 2, {2, 2, 2, 2}, DISPOSE_PREVIOUS},                          // blue, then undone
        {4, 0, 2, 2, {1, 3, 1, 1}, DISPOSE_BACKGROUND, 3},                     // green, one hole
        {0, 4, 8, 4, {}, DISPOSAL_UNSPECIFIED, NO_TRANSPARENT_COLOR, true},    // interlaced rows
    };
    for (int y = 0; y < 4; ++y) frames[3].indices.insert(frames[3].indices.end(), 8, static_cast<GifPixelType>(y % 3));
    WriteFrames(File("composed.gif"), 8, 8, 4, [&](int i) { return frames[static_cast<std::size_t>(i)]; });

    const ReadPicture strip = ReadPictureFile(File("composed.gif"));
    ASSERT_EQ(strip.frames, 4);
    ASSERT_EQ(strip.image.width, 32);
    EXPECT_EQ(PixelAt(strip.image, 8 + 0, 0), kBlue);
    EXPECT_EQ(PixelAt(strip.image, 16 + 0, 0), kRed);  // the blue square was undone
    EXPECT_EQ(PixelAt(strip.image, 16 + 4, 0), kGreen);
    EXPECT_EQ(PixelAt(strip.image, 16 + 5, 0), kRed);    // transparent: the red shows
    EXPECT_EQ(PixelAt(strip.image, 24 + 4, 0), kWhite);  // the green square went to the background
    EXPECT_EQ(PixelAt(strip.image, 24 + 5, 0), kWhite);
    EXPECT_EQ(PixelAt(strip.image, 24, 4), kRed);  // interlaced rows land in their places
    EXPECT_EQ(PixelAt(strip.image, 24, 5), kGreen);
    EXPECT_EQ(PixelAt(strip.image, 24, 6), kBlue);
    EXPECT_EQ(PixelAt(strip.image, 24, 7), kRed);
}

TEST_F(GifTest, TheFilmstripIsReducedAsItIsRead) {
    testing::WriteGif(File("anim.gif"), 20, 10, {kRed, kGreen, kBlue, kWhite});
    const ReadPicture read = ReadPictureFile(File("anim.gif"), 40, 40);
    EXPECT_EQ(read.naturalWidth, 80);
    EXPECT_EQ(read.naturalHeight, 10);
    EXPECT_EQ(read.image.width, 40);
    EXPECT_EQ(read.image.height, 5);
    EXPECT_EQ(PixelAt(read.image, 5, 2), kRed);
    EXPECT_EQ(PixelAt(read.image, 15, 2), kGreen);
    EXPECT_EQ(PixelAt(read.image, 39, 4), kWhite);

    const GifPicture first = DecodeGif(File("anim.gif"));
    EXPECT_EQ(first.frames, 4);
    EXPECT_EQ(first.image.width, 20);
    EXPECT_EQ(PixelAt(first.image, 19, 9), kRed);
}

// 35 bytes declaring a 14000 x 14000 screen: refused before a canvas is made.
TEST_F(GifTest, ATinyFileWithAHugeScreenIsRefusedBeforeItsCanvasIsMade) {
    std::string gif = "GIF89a";
    gif += std::string("\xB0\x36\xB0\x36\x80\x00\x00", 7);  // 14000 x 14000, a two-colour table
    gif += std::string("\x00\x00\x00\xFF\xFF\xFF", 6);
    gif += std::string(",\x00\x00\x00\x00\x01\x00\x01\x00\x00", 10);  // a 1 x 1 frame
    gif += std::string("\x02\x02\x44\x01\x00;", 6);
    testing::WriteBytes(File("screen.gif"), gif);
    for (const bool firstFrame : {true, false}) {
        try {
            if (firstFrame)
                DecodeGif(File("screen.gif"));
            else
                ReadPictureFile(File("screen.gif"), 800, 600);
            ADD_FAILURE() << "the screen was made";
        } catch (const ImageError& error) {
            EXPECT_EQ(error.ErrorKind(), ImageError::Kind::TooLarge);
        }
    }
}

TEST_F(GifTest, AStripPastThePixelCapIsRefusedBeforeDecoding) {
    WriteLongAnimation(File("long.gif"), 640, 480, 700);  // 215 million pixels in all
    try {
        ReadPictureFile(File("long.gif"), 800, 600);
        ADD_FAILURE() << "the strip was read";
    } catch (const ImageError& error) {
        EXPECT_EQ(error.ErrorKind(), ImageError::Kind::TooLarge);
    }
    // The first frame alone is still shown and converted.
    const GifPicture first = DecodeGif(File("long.gif"));
    EXPECT_EQ(first.frames, 700);
    EXPECT_EQ(ReadFirstFrame(File("long.gif")).width, 640);
}

// What a child process found reading the 5,000-frame file.
struct LongRead {
    long peakKilobytes = 0;
    int firstFrames = 0;
    int stripFrames = 0;
    int stripWidth = 0;
    int fullStripPixels = 0;
    bool wideRefused = false;
    bool failed = false;
};

LongRead ReadInChild(const fs::path& small, const fs::path& wide) {
    int channel[2];
    if (pipe(channel) != 0) throw std::runtime_error("pipe");
    const pid_t child = fork();
    if (child == 0) {
        LongRead found;
        try {
            found.firstFrames = DecodeGif(small).frames;
            const ReadPicture shown = ReadPictureFile(small, 800, 600);
            found.stripFrames = shown.frames;
            found.stripWidth = shown.image.width;
            const ReadPicture full = ReadPictureFile(small);
            found.fullStripPixels = full.image.width * full.image.height;
            DecodeGif(wide);
            try {
                ReadPictureFile(wide, 800, 600);
            } catch (const ImageError& error) {
                found.wideRefused = error.ErrorKind() == ImageError::Kind::TooLarge;
            }
        } catch (...) {
            found.failed = true;
        }
        rusage usage{};
        getrusage(RUSAGE_SELF, &usage);
        found.peakKilobytes = usage.ru_maxrss;
        const ssize_t written = write(channel[1], &found, sizeof found);
        _exit(written == static_cast<ssize_t>(sizeof found) ? 0 : 1);
    }
    close(channel[1]);
    LongRead found;
    const ssize_t got = read(channel[0], &found, sizeof found);
    close(channel[0]);
    int status = 0;
    waitpid(child, &status, 0);
    if (got != static_cast<ssize_t>(sizeof found)) found.failed = true;
    return found;
}

TEST_F(GifTest, FiveThousandFramesAreReadInLittleMemory) {
    WriteLongAnimation(File("small.gif"), 200, 200, 5000);  // 200 million pixels: just within the cap
    WriteLongAnimation(File("wide.gif"), 640, 480, 5000);
    const LongRead found = ReadInChild(File("small.gif"), File("wide.gif"));
    ASSERT_FALSE(found.failed);
    EXPECT_EQ(found.firstFrames, 5000);
    EXPECT_EQ(found.stripFrames, 5000);
    EXPECT_EQ(found.stripWidth, 5000);  // a column per frame is all 800 x 600 needs
    EXPECT_LE(found.fullStripPixels, kMaxFilmstripPixels);
    EXPECT_TRUE(found.wideRefused);
    EXPECT_LT(found.peakKilobytes, 300 * 1024);
    RecordProperty("peak_kilobytes", static_cast<int>(found.peakKilobytes));
    std::printf("peak memory reading 5,000 frames: %ld KB\n", found.peakKilobytes);
}

}  // namespace
}  // namespace palimora
