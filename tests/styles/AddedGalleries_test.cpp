#include "styles/AddedGalleries.h"
#include "lang/Language.h"
#include "project/PictureNames.h"
#include "styles/GalleryRanges.h"
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

// How the galleries' ranges follow pictures deleted and inserted.
class GalleryRangesTest : public ::testing::Test {
protected:
    GalleryRangesTest() : settings(TextLines(settings::kLineCount)) {}

    void Gallery(int k, const std::string& name, int first, int last) {
        settings.SetLine(GalleryLine(SettingLine::GalleryName1, k), name);
        settings.SetLine(GalleryLine(SettingLine::GalleryFirstPicture1, k), SixDigits(first) + ".jpg");
        settings.SetLine(GalleryLine(SettingLine::GalleryLastPicture1, k), SixDigits(last) + ".jpg");
    }
    std::string Range(int k) const {
        const auto number = [&](SettingLine line) {
            const std::string name = settings.Line(GalleryLine(line, k));
            return name.empty() ? std::string("-") : std::to_string(std::stoi(name));
        };
        return settings.Line(GalleryLine(SettingLine::GalleryName1, k)) + ":" +
               number(SettingLine::GalleryFirstPicture1) + "-" + number(SettingLine::GalleryLastPicture1);
    }
    std::vector<std::string> Delete(int count, const std::vector<int>& positions) {
        return FollowPictures(settings, Pictures(count), Pictures(count - static_cast<int>(positions.size())),
                              PositionsAfterDeletion(count, positions));
    }
    void Insert(int count, int at, int added) {
        const InsertedPictures inserted{at, added};
        FollowPictures(settings, Pictures(count), Pictures(count + added), PositionsAfterInsertion(count, inserted),
                       inserted);
    }

    SettingsStore settings;
};

// Nature holds pictures 1 to 12, Paysages 13 to 20, Villes 21 to 25.
TEST_F(GalleryRangesTest, DeletedPicturesTakeNoOtherPictureIntoAnotherGallery) {
    Gallery(1, "Nature", 1, 12);
    Gallery(2, "Paysages", 13, 20);
    Gallery(3, "Villes", 21, 25);
    EXPECT_TRUE(Delete(25, {11}).empty());  // picture 12, Nature's last
    EXPECT_EQ(Range(1), "Nature:1-11");
    EXPECT_EQ(Range(2), "Paysages:12-19");
    EXPECT_EQ(Range(3), "Villes:20-24");

    Delete(24, {0, 11, 23});  // Nature's first, Paysages' first, the very last
    EXPECT_EQ(Range(1), "Nature:1-10");
    EXPECT_EQ(Range(2), "Paysages:11-17");
    EXPECT_EQ(Range(3), "Villes:18-21");
    EXPECT_EQ(Range(4), ":---");
}

TEST_F(GalleryRangesTest, AGalleryLeftWithoutPicturesGoesAndTheLaterOnesMoveUp) {
    Gallery(1, "Nature", 1, 3);
    Gallery(2, "Paysages", 4, 5);
    Gallery(3, "Villes", 6, 8);
    EXPECT_EQ(Delete(8, {3, 4}), std::vector<std::string>{"Paysages"});
    EXPECT_EQ(Range(1), "Nature:1-3");
    EXPECT_EQ(Range(2), "Villes:4-6");
    EXPECT_EQ(settings.Line(GalleryLine(SettingLine::GalleryName1, 3)), "");
}

TEST_F(GalleryRangesTest, InsertedPicturesJoinTheGalleryOfThePictureTheyGoBefore) {
    Gallery(1, "Nature", 1, 3);
    Gallery(2, "Paysages", 4, 6);
    Insert(6, 3, 2);  // before picture 4, Paysages' first
    EXPECT_EQ(Range(1), "Nature:1-3");
    EXPECT_EQ(Range(2), "Paysages:4-8");
    Insert(8, 1, 1);  // inside Nature
    EXPECT_EQ(Range(1), "Nature:1-4");
    EXPECT_EQ(Range(2), "Paysages:5-9");
}

TEST_F(GalleryRangesTest, LinesOfGalleriesTheChangeLeavesAloneKeepTheirBytes) {
    Gallery(1, "Nature", 1, 3);
    settings.SetLine(GalleryLine(SettingLine::GalleryFirstPicture1, 5), "unnamed");
    Delete(5, {4});
    EXPECT_EQ(Range(1), "Nature:1-3");
    EXPECT_EQ(settings.Line(GalleryLine(SettingLine::GalleryFirstPicture1, 5)), "unnamed");
}

}  // namespace
}  // namespace palimora
