#include "imaging/PhotoFormats.h"
#include "common/TextLines.h"
#include "imaging/ImageError.h"
#include "imaging/PictureReader.h"
#include "tests/support/PhotoFixtures.h"
#include "tests/support/Pictures.h"
#include "tests/support/TempFolder.h"

#include <gtest/gtest.h>

#include <cstdlib>

namespace palimora {
namespace {

namespace fs = std::filesystem;
using testing::PixelAt;
using testing::Rgb;

TEST(PhotoFormatsTest, PngWebpAndTiffWithADisplayP3ProfileAreReadInSrgb) {
    testing::TempFolder temp;
    const std::vector<std::uint8_t> p3 = testing::DisplayP3Profile();
    WriteFileAtomically(temp.Path() / "p3.icc", std::string(p3.begin(), p3.end()));
    const Rgb colour{60, 180, 70};
    const std::string script =
        "from PIL import Image\n"
        "import sys\n"
        "icc = open(sys.argv[1] + '/p3.icc', 'rb').read()\n"
        "picture = Image.new('RGB', (40, 30), (60, 180, 70))\n"
        "for name in ('p3.png', 'p3.tiff'): picture.save(sys.argv[1] + '/' + name, icc_profile=icc)\n"
        "picture.save(sys.argv[1] + '/p3.webp', icc_profile=icc, lossless=True)\n";
    WriteFileAtomically(temp.Path() / "make.py", script);
    ASSERT_EQ(
        std::system(
            ("/usr/bin/python3 '" + (temp.Path() / "make.py").string() + "' '" + temp.Path().string() + "'").c_str()),
        0);
    Image plain(1, 1);
    plain.rgb = {colour[0], colour[1], colour[2]};
    const Rgb expected = PixelAt(testing::ToSrgbWithLcms(plain, p3), 0, 0);
    ASSERT_FALSE(testing::Near(expected, colour, 8)) << "the colour must tell a conversion from none";
    for (const char* name : {"p3.png", "p3.tiff", "p3.webp"}) {
        SCOPED_TRACE(name);
        const Image read = ReadFirstFrame(temp.Path() / name);
        ASSERT_EQ(read.width, 40);
        const Rgb got = PixelAt(read, 20, 15);
        for (int c = 0; c < 3; ++c) EXPECT_NEAR(got[c], expected[c], 2) << "channel " << c;
    }
}

TEST(PhotoFormatsTest, DamagedFilesOfEachFormatAreUnreadableNotFatal) {
    testing::TempFolder temp;
    testing::MakePhotoFixtures(temp.Path());
    for (const char* name : {"photo.heic", "alpha.png", "photo.webp", "photo16.tiff"}) {
        SCOPED_TRACE(name);
        const fs::path file = temp.Path() / name;
        testing::CutFile(file, fs::file_size(file) / 2);
        EXPECT_THROW(ReadFirstFrame(file), ImageError);
        WriteFileAtomically(file, "not a picture at all");
        EXPECT_THROW(ReadFirstFrame(file), ImageError);
    }
}

}  // namespace
}  // namespace palimora
