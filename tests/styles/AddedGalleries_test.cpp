#include "styles/AddedGalleries.h"
#include "lang/Language.h"
#include "project/PictureNames.h"
#include "styles/SettingsLayout.h"
#include "styles/SettingsStore.h"
#include "tests/support/TempFolder.h"

#include <gtest/gtest.h>

namespace palimora {
namespace {

std::vector<std::string> Pictures(int count) {
    std::vector<std::string> names;
    for (int n = 1; n <= count; ++n) names.push_back(SixDigits(n) + ".jpg");
    return names;
}

class AddedGalleriesTest : public ::testing::Test {
protected:
    AddedGalleriesTest() : settings(TextLines(settings::kLineCount)) {
        testing::StageProgramFolder(temp.Path());
        language.LoadChosen(ProgramFolder(temp.Path()));
    }
    void Gallery(int k, const std::string& name, const std::string& first, const std::string& last) {
        settings.SetLine(GalleryLine(SettingLine::GalleryName1, k), name);
        settings.SetLine(GalleryLine(SettingLine::GalleryFirstPicture1, k), first);
        settings.SetLine(GalleryLine(SettingLine::GalleryLastPicture1, k), last);
    }
    std::string Range(int k) const {
        return settings.Line(GalleryLine(SettingLine::GalleryName1, k)) + ":" +
               settings.Line(GalleryLine(SettingLine::GalleryFirstPicture1, k)) + "-" +
               settings.Line(GalleryLine(SettingLine::GalleryLastPicture1, k));
    }
    void Add(const std::string& gallery, int before, int after) {
        AddedGalleries(language, gallery).Place(settings, Pictures(before), Pictures(after));
    }

    testing::TempFolder temp;
    Language language;
    SettingsStore settings;
};

TEST_F(AddedGalleriesTest, ANewProjectGetsGalleryOneOverAllItsPicturesAndItGrowsWithTheLastPicture) {
    Add({}, 0, 3);
    EXPECT_EQ(Range(1), language.LangText(GalleryText(1)) + ":000001.jpg-000003.jpg");
    Add({}, 3, 5);
    EXPECT_EQ(Range(1), language.LangText(GalleryText(1)) + ":000001.jpg-000005.jpg");

    // A gallery the user ended before the last picture stays as it was.
    Gallery(1, "Mer", "000001.jpg", "000002.jpg");
    Add({}, 5, 6);
    EXPECT_EQ(Range(1), "Mer:000001.jpg-000002.jpg");
}

TEST_F(AddedGalleriesTest, ANamedGalleryStartsAfterTheLastOneOrExtendsItWhenItIsTheLast) {
    Add("Sea", 0, 2);
    EXPECT_EQ(Range(1), "Sea:000001.jpg-000002.jpg");
    Add("City", 2, 4);
    EXPECT_EQ(Range(1), "Sea:000001.jpg-000002.jpg");
    EXPECT_EQ(Range(2), "City:000003.jpg-000004.jpg");
    Add("City", 4, 5);
    EXPECT_EQ(Range(2), "City:000003.jpg-000005.jpg");
}

TEST_F(AddedGalleriesTest, AnEleventhGalleryDoesNotFitButTheTenthCanStillGrow) {
    for (int k = 1; k <= 10; ++k) Gallery(k, "G" + std::to_string(k), Pictures(10)[k - 1], Pictures(10)[k - 1]);
    EXPECT_FALSE(AddedGalleries(language, "Eleven").Fit(settings, Pictures(10)));
    EXPECT_TRUE(AddedGalleries(language, "G10").Fit(settings, Pictures(10)));
    EXPECT_TRUE(AddedGalleries(language, {}).Fit(settings, Pictures(10)));
    Add("G10", 10, 12);
    EXPECT_EQ(Range(10), "G10:000010.jpg-000012.jpg");
}

}  // namespace
}  // namespace palimora
