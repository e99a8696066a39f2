#include "imaging/ImageError.h"
#include "imaging/JpegCodec.h"
#include "tests/support/Pictures.h"
#include "tests/support/TempFolder.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <stdexcept>
#include <vector>

#include <jpeglib.h>

namespace palimora {
namespace {

namespace fs = std::filesystem;
using testing::Near;
using testing::PixelAt;

// A 16 x 16 four-ink JPEG: the left half pure red ink (magenta and
// yellow), the right half black ink alone. The inks are written inverted, as
// the Adobe marker libjpeg adds says; stored as YCCK with `ycck`.
void WriteInkJpeg(const fs::path& file, bool ycck) {
    std::FILE* out = std::fopen(file.c_str(), "wb");
    if (!out) throw std::runtime_error("cannot write test JPEG");
    jpeg_compress_struct info;
    jpeg_error_mgr errors;
    info.err = jpeg_std_error(&errors);
    jpeg_create_compress(&info);
    jpeg_stdio_dest(&info, out);
    info.image_width = 16;
    info.image_height = 16;
    info.input_components = 4;
    info.in_color_space = JCS_CMYK;
    jpeg_set_defaults(&info);
    jpeg_set_colorspace(&info, ycck ? JCS_YCCK : JCS_CMYK);
    jpeg_set_quality(&info, 95, TRUE);
    jpeg_start_compress(&info, TRUE);
    std::vector<JSAMPLE> row(16 * 4);
    for (int x = 0; x < 16; ++x) {
        // Inverted inks: 255 is no ink.
        const JSAMPLE red[4] = {255, 0, 0, 255}, black[4] = {255, 255, 255, 0};
        std::copy(x < 8 ? red : black, (x < 8 ? red : black) + 4, row.begin() + x * 4);
    }
    while (info.next_scanline < info.image_height) {
        JSAMPROW line = row.data();
        jpeg_write_scanlines(&info, &line, 1);
    }
    jpeg_finish_compress(&info);
    jpeg_destroy_compress(&info);
    std::fclose(out);
}

TEST(JpegInks, CmykAndYcckPicturesAreTurnedIntoRgb) {
    testing::TempFolder temp;
    for (const bool ycck : {false, true}) {
        const fs::path file = temp.Path() / (ycck ? "ycck.jpg" : "cmyk.jpg");
        WriteInkJpeg(file, ycck);
        const Image image = DecodeJpeg(file);
        ASSERT_EQ(image.width, 16) << file;
        EXPECT_TRUE(Near(PixelAt(image, 2, 8), {255, 0, 0})) << file;
        EXPECT_TRUE(Near(PixelAt(image, 13, 8), {0, 0, 0})) << file;
        EXPECT_EQ(DecodeJpeg(file, 4, 4).width, 4) << file;  // reduced like any other
    }
}

}  // namespace
}  // namespace palimora
