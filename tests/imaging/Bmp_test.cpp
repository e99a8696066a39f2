#include "imaging/BmpCodec.h"
#include "imaging/ImageError.h"
#include "imaging/PictureReader.h"
#include "tests/support/Pictures.h"
#include "tests/support/TempFolder.h"

#include <gtest/gtest.h>

#include <sys/resource.h>
#include <unistd.h>

#include <cstdint>
#include <string>
#include <vector>

namespace palimora {
namespace {

namespace fs = std::filesystem;
using testing::PixelAt;
using testing::Rgb;

constexpr Rgb kRed{255, 0, 0}, kGreen{0, 255, 0}, kBlue{0, 0, 255}, kWhite{255, 255, 255};

void Put(std::string& out, std::uint32_t value, int bytes) {
    for (int i = 0; i < bytes; ++i) out += static_cast<char>((value >> (8 * i)) & 0xFF);
}

// A bitmap file around the given pixel bytes: the 40-byte header, then the
// masks (for bit fields), then the palette (blue, green, red, 0 each).
std::string Bitmap(int width, int height, int bits, int compression, const std::vector<Rgb>& palette,
                   const std::string& pixels, const std::vector<std::uint32_t>& masks = {}) {
    std::string info;
    Put(info, 40, 4);
    Put(info, static_cast<std::uint32_t>(width), 4);
    Put(info, static_cast<std::uint32_t>(height), 4);
    Put(info, 1, 2);
    Put(info, static_cast<std::uint32_t>(bits), 2);
    Put(info, static_cast<std::uint32_t>(compression), 4);
    Put(info, static_cast<std::uint32_t>(pixels.size()), 4);
    Put(info, 2835, 4);
    Put(info, 2835, 4);
    Put(info, static_cast<std::uint32_t>(palette.size()), 4);
    Put(info, 0, 4);
    for (std::uint32_t mask : masks) Put(info, mask, 4);
    for (const Rgb& colour : palette) {
        info += static_cast<char>(colour[2]);
        info += static_cast<char>(colour[1]);
        info += static_cast<char>(colour[0]);
        info += '\0';
    }
    std::string file = "BM";
    Put(file, static_cast<std::uint32_t>(14 + info.size() + pixels.size()), 4);
    Put(file, 0, 4);
    Put(file, static_cast<std::uint32_t>(14 + info.size()), 4);
    return file + info + pixels;
}

std::string Bytes(std::initializer_list<int> values) {
    std::string out;
    for (int v : values) out += static_cast<char>(v);
    return out;
}

class BmpTest : public ::testing::Test {
protected:
    Image Read(const char* name, const std::string& bytes) {
        testing::WriteBytes(temp.Path() / name, bytes);
        return DecodeBmp(temp.Path() / name);
    }
    testing::TempFolder temp;
};

// Every case is 2 x 2: red, green on the top row; blue, white below.
void ExpectQuadrants(const Image& image) {
    ASSERT_EQ(image.width, 2);
    ASSERT_EQ(image.height, 2);
    EXPECT_EQ(PixelAt(image, 0, 0), kRed);
    EXPECT_EQ(PixelAt(image, 1, 0), kGreen);
    EXPECT_EQ(PixelAt(image, 0, 1), kBlue);
    EXPECT_EQ(PixelAt(image, 1, 1), kWhite);
}

TEST_F(BmpTest, TopDownRowsComeFirstToLast) {
    // 24-bit rows of 6 bytes padded to 8, top row first.
    const std::string rows = Bytes({0, 0, 255, 0, 255, 0, 0, 0, 255, 0, 0, 255, 255, 255, 0, 0});
    ExpectQuadrants(Read("topdown.bmp", Bitmap(2, -2, 24, 0, {}, rows)));
}

TEST_F(BmpTest, RunLengthEncodedBitmapsAreDrawn) {
    const std::vector<Rgb> palette = {kRed, kGreen, kBlue, kWhite};
    // RLE8, bottom row first: a blue run and a white run, end of line;
    // then one red and one green as runs, end of bitmap.
    const std::string rle8 = Bytes({1, 2, 1, 3, 0, 0, 1, 0, 1, 1, 0, 1});
    ExpectQuadrants(Read("rle8.bmp", Bitmap(2, 2, 8, 1, palette, rle8)));
    // RLE4: a run of two pixels alternating the nibbles' colours.
    const std::string rle4 = Bytes({2, 0x23, 0, 0, 2, 0x01, 0, 1});
    ExpectQuadrants(Read("rle4.bmp", Bitmap(2, 2, 4, 2, palette, rle4)));
}

TEST_F(BmpTest, SixteenBitFiveSixFivePixels) {
    // Bottom row first: blue 001F, white FFFF; red F800, green 07E0.
    const std::string rows = Bytes({0x1F, 0x00, 0xFF, 0xFF, 0x00, 0xF8, 0xE0, 0x07});
    ExpectQuadrants(Read("565.bmp", Bitmap(2, 2, 16, 3, {}, rows, {0xF800, 0x07E0, 0x001F})));
}

TEST_F(BmpTest, APaletteBeforeTrueColourPixelsIsPassedOver) {
    const std::string rows = Bytes({255, 0, 0, 255, 255, 255, 0, 0, 0, 0, 255, 0, 255, 0, 0, 0});
    ExpectQuadrants(Read("palette24.bmp", Bitmap(2, 2, 24, 0, {kBlue, kBlue, kBlue}, rows)));
}

TEST_F(BmpTest, ARunLengthBitmapThatStopsShortIsDamaged) {
    const std::vector<Rgb> palette = {kRed, kGreen, kBlue, kWhite};
    try {
        Read("cut.bmp", Bitmap(2, 2, 8, 1, palette, Bytes({1, 2, 1, 3})));
        ADD_FAILURE() << "a cut bitmap was read";
    } catch (const ImageError& error) {
        EXPECT_EQ(error.ErrorKind(), ImageError::Kind::Unreadable);
    }
}

// A bitmap whose header declares 15000 x 15000 pixels (past the cap) and
// whose file holds them all, sparse on disk: it is refused from its header,
// before the 675 MB are read. The child process runs with 512 MB of address
// space, so a whole read fails there instead of merely taking its time.
TEST_F(BmpTest, AnOversizedBitmapIsRefusedFromItsHeaderAlone) {
    const fs::path file = temp.Path() / "huge.bmp";
    testing::WriteBytes(file, Bitmap(15000, 15000, 24, 0, {}, {}));
    fs::resize_file(file, 54 + 45000ull * 15000ull);
    const auto refusedFromHeader = [&file](auto read) {
        rlimit limit{512ull << 20, 512ull << 20};
        setrlimit(RLIMIT_AS, &limit);
        try {
            read(file);
        } catch (const ImageError& error) {
            _exit(error.ErrorKind() == ImageError::Kind::TooLarge ? 0 : 1);
        } catch (...) {
            _exit(2);
        }
        _exit(3);
    };
    EXPECT_EXIT(refusedFromHeader([](const fs::path& f) { DecodeBmp(f); }), ::testing::ExitedWithCode(0), "");
    EXPECT_EXIT(refusedFromHeader([](const fs::path& f) { ReadBmpSize(f); }), ::testing::ExitedWithCode(0), "");
}

// A few bytes of run-length data may declare 14000 x 14000 pixels, well under
// the old pixel cap: what they would expand to must be refused from the
// header, not expanded (1.3 GB) and then written as a JPEG of that size.
TEST_F(BmpTest, ATinyRunLengthBombIsRefusedBeforeItExpands) {
    const fs::path file = temp.Path() / "bomb.bmp";
    testing::WriteBytes(file, Bitmap(14000, 14000, 8, 1, {kRed, kGreen}, Bytes({0, 1})));
    ASSERT_LT(fs::file_size(file), 2000u);
    const auto refusedWithinBounds = [&file] {
        rlimit limit{400ull << 20, 400ull << 20};
        setrlimit(RLIMIT_AS, &limit);
        try {
            ReadFirstFrame(file);
        } catch (const ImageError& error) {
            _exit(error.ErrorKind() == ImageError::Kind::TooLarge ? 0 : 1);
        }
        _exit(3);
    };
    EXPECT_EXIT(refusedWithinBounds(), ::testing::ExitedWithCode(0), "");
}

}  // namespace
}  // namespace palimora
