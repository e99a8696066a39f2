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
    // The pictures of one gallery from position `first`, or of none.
    std::vector<std::string> Prepare(const std::vector<std::string>& names, int first = 0) {
        Galleries galleries{};
        if (!names.empty()) galleries[0] = {"One", first, static_cast<int>(names.size()) - 1, {}};
        std::vector<std::string> shown;
        for (const SamplePicture& picture : PrepareSamplePictures(folder, pictures, names, galleries).gallery) {
            shown.push_back(picture.preview);
        }
        return shown;
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
    ASSERT_GE(shown.size(), 3u);
    for (const std::string& file : shown) EXPECT_TRUE(fs::exists(temp.Path() / file)) << file;
}

TEST_F(PreviewPicturesTest, EachGalleryIsShownWithItsOwnCover) {
    for (const char* name : {"a.jpg", "b.jpg", "c.jpg", "d.jpg"})
        EncodeJpeg(testing::Quadrants(64, 48), pictures / name);
    testing::WriteBytes(pictures / "c.jpg", "damaged");
    const std::vector<std::string> names = {"a.jpg", "b.jpg", "c.jpg", "d.jpg"};
    Galleries galleries{};
    galleries[0] = {"Sea", 0, 1, {}};
    galleries[1] = {"Hills", 2, 3, {}};  // its first picture is damaged: the next one is its cover

    const SamplePictures shown = PrepareSamplePictures(folder, pictures, names, galleries);
    ASSERT_EQ(shown.gallery.size(), 2u);
    EXPECT_EQ(shown.gallery[1].number, 2);
    EXPECT_TRUE(shown.UsersOwn());
    EXPECT_EQ(shown.covers[0].number, 1);
    EXPECT_EQ(shown.covers[1].number, 4);
    EXPECT_TRUE(shown.covers[2].preview.empty());
    EXPECT_TRUE(fs::exists(temp.Path() / shown.covers[1].preview));
}

}  // namespace
}  // namespace palimora
