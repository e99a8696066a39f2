#include "sitegen/PreviewPictures.h"

#include "common/ProgramFolder.h"
#include "imaging/JpegCodec.h"
#include "tests/support/Pictures.h"
#include "tests/support/TempFolder.h"

#include <gtest/gtest.h>

namespace palimora {
namespace {

namespace fs = std::filesystem;

class PreviewPicturesTest : public ::testing::Test {
protected:
    PreviewPicturesTest() {
        testing::StageProgramFolder(temp.Path());
        fs::create_directories(pictures);
    }
    std::vector<std::string> Prepare(const std::vector<std::string>& names, std::size_t first = 0) {
        return PreparePreviewPictures(folder, pictures, names, first, 3);
    }

    testing::TempFolder temp;
    ProgramFolder folder{temp.Path()};
    fs::path pictures = temp.Path() / "photos";
};

TEST_F(PreviewPicturesTest, LargePicturesAreShownSmallAndMadeOnceWhileUnchanged) {
    EncodeJpeg(testing::Quadrants(1600, 1200), pictures / "a.jpg");
    EncodeJpeg(testing::Quadrants(300, 400), pictures / "b.jpg");
    testing::WriteBytes(pictures / "c.jpg", "not a picture");  // passed over
    testing::WriteGif(pictures / "d.gif", 30, 20, {{1, 2, 3}, {4, 5, 6}});
    EncodeJpeg(testing::Quadrants(200, 100), pictures / "e.jpg");
    const std::vector<std::string> names = {"a.jpg", "b.jpg", "c.jpg", "d.gif", "e.jpg"};

    const std::vector<std::string> shown = Prepare(names);
    ASSERT_EQ(shown.size(), 3u);  // c.jpg could not be read: a, b and e
    const PictureSize large = ReadJpegSize(temp.Path() / shown[0]);
    EXPECT_EQ(large.width, kPreviewPictureSize);
    EXPECT_EQ(large.height, 480);
    EXPECT_EQ(ReadJpegSize(temp.Path() / shown[1]).height, 400);  // small enough as it is
    const auto made = fs::last_write_time(temp.Path() / shown[0]);

    EXPECT_EQ(Prepare(names), shown);
    EXPECT_EQ(fs::last_write_time(temp.Path() / shown[0]), made);

    // From another first picture: the copies no longer shown go.
    const std::vector<std::string> later = Prepare(names, 1);
    ASSERT_EQ(later.size(), 2u);
    EXPECT_FALSE(fs::exists(temp.Path() / shown[0]));
    EXPECT_EQ(later[0], shown[1]);
}

TEST_F(PreviewPicturesTest, AProjectWithoutPicturesShowsTheDemoProjects) {
    fs::copy(fs::path(PALIMORA_SOURCE_ASSETS) / "Projets", temp.Path() / "Projets", fs::copy_options::recursive);
    const std::vector<std::string> shown = Prepare({});
    ASSERT_EQ(shown.size(), 3u);
    for (const std::string& file : shown) EXPECT_TRUE(fs::exists(temp.Path() / file)) << file;
}

}  // namespace
}  // namespace palimora
