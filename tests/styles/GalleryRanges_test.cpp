#include "styles/GalleryRanges.h"

#include "project/PictureNames.h"
#include "styles/SettingsLayout.h"
#include "styles/SettingsStore.h"

#include <gtest/gtest.h>

namespace palimora {
namespace {

std::vector<std::string> Pictures(int count) {
    std::vector<std::string> names;
    for (int n = 1; n <= count; ++n) names.push_back(SixDigits(n) + ".jpg");
    return names;
}

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
