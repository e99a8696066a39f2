#include "common/ProgramFolder.h"
#include "imaging/JpegCodec.h"
#include "lang/Language.h"
#include "styles/ProjectSettings.h"
#include "styles/SettingValues.h"
#include "tests/support/TempFolder.h"

#include <gtest/gtest.h>

namespace palimora {
namespace {

namespace fs = std::filesystem;
using namespace settings;
using Items = std::vector<std::string>;

TEST(SettingValues, NumbersAreClampedAndNonNumbersTakeTheInitialValue) {
    EXPECT_EQ(ReadNumber("9", Layout(SettingLine::PictureTitleSize)), 7);    // a font size: 1..7
    EXPECT_EQ(ReadNumber("0", Layout(SettingLine::PictureBorderWidth)), 0);  // a border width: 0..5000
    EXPECT_EQ(ReadNumber("-4", Layout(SettingLine::PictureTitleSize)), 1);
    EXPECT_EQ(ReadNumber(" 12 ", Layout(SettingLine::GalleryTablePicturesPerRow)), 12);
    EXPECT_EQ(ReadNumber("", Layout(SettingLine::PictureTableBorderWidth)), 3);  // the spin's own value
    EXPECT_EQ(ReadNumber("abc", Layout(SettingLine::PictureTableBorderWidth)), 3);
    EXPECT_EQ(ReadNumber("12px", Layout(SettingLine::PictureTableBorderWidth)), 3);
    EXPECT_EQ(ReadNumber("99999999999999999999", Layout(SettingLine::PictureTableBorderWidth)), 3);
}

TEST(SettingValues, ColoursAreDecimalOrDollarHexadecimal) {
    EXPECT_EQ(ReadColour("16777215", Layout(SettingLine::SummaryBackgroundColour)), 0xFFFFFF);
    EXPECT_EQ(ReadColour("255", Layout(SettingLine::SummaryBackgroundColour)), 255);
    EXPECT_EQ(ReadColour("$00FF00", Layout(SettingLine::SummaryBackgroundColour)), 0xFF00);
    EXPECT_EQ(ReadColour("-16777201", Layout(SettingLine::SummaryBackgroundColour)),
              -16777201);  // a system colour of old files
    EXPECT_EQ(ReadColour("red", Layout(SettingLine::PictureTitleColour)),
              Layout(SettingLine::PictureTitleColour).initial);
}

TEST(SettingValues, ChecksTextsAndModes) {
    EXPECT_TRUE(ReadCheck("1"));
    for (const char* line : {"0", "", "true", "2", " 1"}) {
        EXPECT_FALSE(ReadCheck(line)) << line;
    }
    EXPECT_EQ(WriteCheck(true), "1");
    EXPECT_EQ(WriteCheck(false), "0");
    EXPECT_EQ(ReadText("", "Accueil"), "Accueil");
    EXPECT_EQ(ReadText("Maison", "Accueil"), "Maison");
    EXPECT_EQ(ReadMode("1"), ButtonMode::Texts);
    EXPECT_EQ(ReadMode("x"), ButtonMode::Pictures);
    EXPECT_EQ(WriteMode(ButtonMode::Pictures), "2");
}

TEST(SettingValues, ListsMatchWithoutLetterCase) {
    const Items positions = {"Centr\xE9", "Gauche", "Droite"};
    EXPECT_EQ(ReadChoice("", positions), 0u);
    EXPECT_EQ(ReadChoice("droite", positions), 2u);
    EXPECT_EQ(ReadChoice("CENTR\xC9", positions), 0u);  // É folds to é
    EXPECT_FALSE(ReadChoice("Right", positions));       // stored in another language
    EXPECT_FALSE(ReadChoice("", Items{}));

    const Items pictures = {"000001.jpg", "000002.jpg", "000003.gif"};
    EXPECT_EQ(ReadPictureChoice("000002.JPG", pictures), 1u);
    EXPECT_EQ(ReadPictureChoice("000009.jpg", pictures), 2u);  // gone: the last picture
    EXPECT_EQ(ReadPictureChoice("", pictures), 0u);
}

TEST(SettingLine, EveryLineOfTheFileHasExactlyOneName) {
    std::vector<int> named(kLineCount, 0);
    for (const LineLayout& layout : AllLines()) {
        const int line = LineNumber(layout.line);
        ASSERT_GE(line, 0);
        ASSERT_LT(line, kLineCount);
        ++named[static_cast<std::size_t>(line)];
        EXPECT_EQ(&Layout(layout.line), &layout) << "line " << line;  // row n is line n
    }
    for (int line = 0; line < kLineCount; ++line)
        EXPECT_EQ(named[static_cast<std::size_t>(line)], 1) << "line " << line;
}

TEST(SettingLine, GalleryLinesRunFromGalleryOneToTen) {
    EXPECT_EQ(GalleryLine(SettingLine::GalleryName1, 1), SettingLine::GalleryName1);
    EXPECT_EQ(GalleryLine(SettingLine::GalleryName1, 10), SettingLine::GalleryName10);
    EXPECT_EQ(GalleryLine(SettingLine::GalleryFirstPicture1, 10), SettingLine::GalleryFirstPicture10);
    EXPECT_EQ(GalleryLine(SettingLine::GalleryLastPicture1, 4), SettingLine::GalleryLastPicture4);
    EXPECT_EQ(Layout(GalleryLine(SettingLine::GalleryLastPicture1, 10)).control, "ComboLImgGal10");
}

TEST(SettingsStore, NeverGrowsAndReadsEmptyPastTheEnd) {
    SettingsStore store({"a", "b"});
    store.SetLine(SettingLine::PictureTitleFont, "lost");
    store.SetLine(static_cast<SettingLine>(-1), "lost");
    store.SetLine(SettingLine::SummaryTitle, "B");
    EXPECT_EQ(store.LineCount(), 2u);
    EXPECT_EQ(store.Line(SettingLine::SummaryTitle), "B");
    EXPECT_EQ(store.Line(SettingLine::PictureTitleColour), "");
    SettingsStore longLine({std::string(5000, 'x')});
    EXPECT_EQ(longLine.Line(SettingLine::SummaryBackgroundColour).size(), 4096u);
}

class ProjectSettingsTest : public ::testing::Test {
protected:
    ProjectSettingsTest() {
        testing::StageProgramFolder(temp.Path());
        language.LoadChosen(folder);
        fs::create_directories(project / "images");
    }
    void Picture(const std::string& name) { EncodeJpeg(Image(4, 4), project / "images" / name); }

    testing::TempFolder temp;
    ProgramFolder folder{temp.Path()};
    fs::path project = temp.Path() / "Projets" / "Vacances";
    Language language;
    ProjectSettings settings;
};

TEST_F(ProjectSettingsTest, TheFirstSaveStartsFromTheDefaultsWithOneGallery) {
    Picture("a.jpg");
    Picture("b.jpg");
    Picture("c.jpg");
    settings.Commit(folder, "Vacances", language);
    for (const char* file : {"runweb.ini", "Vacances.ini"}) {
        const TextLines lines = ReadTextLines(project / file);
        ASSERT_EQ(lines.size(), 152u) << file;
        EXPECT_EQ(lines[58], "Galerie 1");
        EXPECT_EQ(lines[114], "a.jpg");
        EXPECT_EQ(lines[124], "c.jpg");
    }
    const TextLines defaults = ReadTextLines(folder.DefaultSettings());
    const TextLines saved = ReadTextLines(project / "runweb.ini");
    for (int line = 0; line < 152; ++line) {
        if (line != 58 && line != 114 && line != 124) {
            EXPECT_EQ(saved[line], defaults[line]) << line;
        }
    }
}

TEST_F(ProjectSettingsTest, WithoutPicturesTheGalleryLinesStayEmpty) {
    settings.Commit(folder, "Vacances", language);
    EXPECT_EQ(settings.Lines().Line(SettingLine::GalleryFirstPicture1), "");
    EXPECT_EQ(settings.Lines().Line(SettingLine::GalleryLastPicture1), "");
}

TEST_F(ProjectSettingsTest, OpeningDropsChangesMadeSinceTheLastSave) {
    settings.Commit(folder, "Vacances", language);
    settings.Store(SettingLine::PictureTitleSize, "2");
    EXPECT_EQ(ReadTextLines(project / "runweb.ini")[9], "2");
    ProjectSettings reopened;
    reopened.Restore(folder, "Vacances", language);
    EXPECT_EQ(reopened.Number(SettingLine::PictureTitleSize),
              ReadNumber(ReadTextLines(folder.DefaultSettings())[9], Layout(SettingLine::PictureTitleSize)));
    EXPECT_EQ(ReadTextLines(project / "runweb.ini")[9], ReadTextLines(project / "Vacances.ini")[9]);

    settings.Store(SettingLine::PictureTitleSize, "2");
    settings.Commit(folder, "Vacances", language);  // saving keeps them
    EXPECT_EQ(ReadTextLines(project / "Vacances.ini")[9], "2");
}

TEST_F(ProjectSettingsTest, LinesResolveAsTheirControlsShowThem) {
    settings.Commit(folder, "Vacances", language);
    EXPECT_EQ(settings.Text(SettingLine::SummaryTitle, language, "Vacances"), "Vacances");  // shown, not written
    EXPECT_EQ(settings.Lines().Line(SettingLine::SummaryTitle), "");
    EXPECT_EQ(settings.Text(SettingLine::HomeTitle, language, "Vacances"), "Accueil");
    EXPECT_EQ(settings.ChosenItem(SettingLine::SummaryTitlePosition, folder, language, {}),
              "Centr\xE9");  // an empty line: item 0
    settings.Store(SettingLine::PictureTitleFont, "Deja Vu Sans");
    EXPECT_EQ(settings.ChosenItem(SettingLine::PictureTitleFont, folder, language, {"DejaVu Sans"}),
              "");  // no such font: nothing
    settings.Store(SettingLine::PictureTitleFont, "dejavu sans");
    EXPECT_EQ(settings.ChosenItem(SettingLine::PictureTitleFont, folder, language, {"DejaVu Sans"}), "DejaVu Sans");
    settings.Store(SettingLine::PictureTableBorderWidth, "not a number");
    EXPECT_EQ(settings.Number(SettingLine::PictureTableBorderWidth), 3);
}

TEST_F(ProjectSettingsTest, ShippedDefaultsHoldAValueOfTheRightKindOnEveryLine) {
    const TextLines defaults = ReadTextLines(folder.DefaultSettings());
    ASSERT_EQ(defaults.size(), 152u);
    for (const LineLayout& layout : AllLines()) {
        const auto line = static_cast<std::size_t>(LineNumber(layout.line));
        if (layout.kind == Kind::Number) {
            EXPECT_EQ(std::to_string(ReadNumber(defaults[line], layout)), defaults[line]) << line;
        } else if (layout.kind == Kind::Colour) {
            EXPECT_EQ(std::to_string(ReadColour(defaults[line], layout)), defaults[line]) << line;
        } else if (layout.line == SettingLine::VisitorExtras) {
            EXPECT_EQ(VisitorExtras::Read(defaults[line]), VisitorExtras::ForNewProjects());
        } else if (layout.kind == Kind::Free) {
            EXPECT_EQ(defaults[line], "") << line;
        }
    }
}

TEST(VisitorExtras, AnOldProjectHasEveryExtraOffAndANewOneTheMarkedOnes) {
    EXPECT_EQ(VisitorExtras::Read(""), VisitorExtras());
    const VisitorExtras fresh = VisitorExtras::ForNewProjects();
    EXPECT_EQ(VisitorExtras::Read(fresh.Write()), fresh);
    EXPECT_TRUE(fresh.originalDownload && fresh.galleryArchive && fresh.slideshow && fresh.feed);
    EXPECT_FALSE(fresh.photoFacts);
    EXPECT_EQ(fresh.scheme, ColourScheme::FollowVisitor);
}

TEST(VisitorExtras, OddWordsLeaveTheirExtraAsAnEmptyLineHasIt) {
    const VisitorExtras read = VisitorExtras::Read("download=yes zip=1 seconds=999 scheme=purple facts feed=1 x=1");
    EXPECT_FALSE(read.originalDownload);
    EXPECT_TRUE(read.galleryArchive);
    EXPECT_EQ(read.slideSeconds, VisitorExtras::kSlideSecondsMaximum);
    EXPECT_EQ(read.scheme, ColourScheme::Light);
    EXPECT_FALSE(read.photoFacts);
    EXPECT_TRUE(read.feed);
    EXPECT_EQ(VisitorExtras::Read("seconds=abc").slideSeconds, VisitorExtras::kSlideSecondsDefault);
}

}  // namespace
}  // namespace palimora
