#include "app/Session.h"
#include "app/HelpPages.h"
#include "common/Error.h"
#include "common/TextLines.h"
#include "lang/TextId.h"
#include "project/BuiltSite.h"
#include "project/PictureTextFile.h"
#include "project/PictureTextLayout.h"
#include "styles/SettingsLayout.h"
#include "tests/support/ScriptedDialogs.h"
#include "tests/support/TempFolder.h"

#include <gtest/gtest.h>

namespace palimora {
namespace {

namespace fs = std::filesystem;
using testing::ReadBytes;
using testing::ScriptedDialogs;
using testing::WriteBytes;

class SessionTest : public ::testing::Test {
protected:
    SessionTest() { testing::StageProgramFolder(temp.Path()); }

    fs::path Working() const { return temp.Path() / "Projets" / "Nouveau Projet"; }

    testing::TempFolder temp;
    Session session{ProgramFolder(temp.Path())};
    ScriptedDialogs dialogs;
};

TEST_F(SessionTest, StartLeavesAnEmptyUnnamedProjectWhateverWasLeftBehind) {
    WriteBytes(Working() / "images" / "000001.jpg", "left by a crash");
    WriteBytes(Working() / "textes" / "images.dat", std::string(912, 'x'));
    WriteBytes(Working() / "stray.htm", "x");
    WriteBytes(temp.Path() / "blanksom.htm", "sample");
    session.Start();
    EXPECT_TRUE(fs::is_empty(Working() / "images"));
    EXPECT_EQ(fs::file_size(Working() / "textes" / picture_text::kFileName), 0u);
    EXPECT_FALSE(fs::exists(Working() / "stray.htm"));
    EXPECT_FALSE(fs::exists(temp.Path() / "blanksom.htm"));
    EXPECT_EQ(session.ProjectName(), "Nouveau Projet");
    EXPECT_TRUE(session.IsUnnamedProject());
    EXPECT_FALSE(session.ProjectModified());
}

TEST_F(SessionTest, StartCreatesAMissingWorkingFolder) {
    fs::remove_all(temp.Path() / "Projets");
    session.Start();
    EXPECT_TRUE(fs::is_directory(Working() / "images"));
    EXPECT_TRUE(fs::exists(Working() / "textes" / "images.dat"));
}

TEST_F(SessionTest, AMissingLanguageFileIsToldAndTheOtherLanguageServes) {
    fs::remove(temp.Path() / "french.asc");
    session.Start();
    EXPECT_NE(session.LanguageProblem().find("french.asc"), std::string::npos);
    EXPECT_EQ(session.LangText(TextId::WorkingName), "New Project");
    EXPECT_TRUE(fs::exists(temp.Path() / "Projets" / "New Project" / "textes" / "images.dat"));
}

TEST_F(SessionTest, WithoutAnyLanguageFileTheProgramStillHasAWorkingFolder) {
    fs::remove(temp.Path() / "french.asc");
    fs::remove(temp.Path() / "english.asc");
    WriteBytes(temp.Path() / "Projets" / "keep.txt", "not the working folder");
    session.Start();
    EXPECT_FALSE(session.LanguageProblem().empty());
    EXPECT_EQ(session.WorkingName(), "Nouveau Projet");
    EXPECT_TRUE(fs::exists(Working() / "textes" / "images.dat"));
    session.FinishClose();
    EXPECT_TRUE(fs::exists(temp.Path() / "Projets" / "keep.txt"));
}

TEST_F(SessionTest, QuittingAsksFirstAndOnlyYesGoesOn) {
    session.Start();
    dialogs.answers = {kModalNo};
    EXPECT_FALSE(session.ConfirmClose(dialogs, [] { FAIL() << "no save"; }));
    dialogs.answers = {kModalCancel};
    EXPECT_FALSE(session.ConfirmClose(dialogs, [] { FAIL() << "no save"; }));
    dialogs.answers = {kModalYes};
    EXPECT_TRUE(session.ConfirmClose(dialogs, [] { FAIL() << "nothing to save"; }));
    ASSERT_EQ(dialogs.shown.size(), 3u);
    EXPECT_EQ(dialogs.shown[0], session.LangText(TextId::QuitQuestion));
}

TEST_F(SessionTest, AChangedProjectIsOfferedASave) {
    session.Start();
    session.SetProjectModified(true);
    int saves = 0;
    dialogs.answers = {kModalYes, kModalCancel};
    EXPECT_FALSE(session.ConfirmClose(dialogs, [&] { ++saves; }));
    EXPECT_EQ(dialogs.shown.back(), session.LangText(TextId::SaveChangesQuestion));
    dialogs.answers = {kModalYes, kModalNo};
    EXPECT_TRUE(session.ConfirmClose(dialogs, [&] { ++saves; }));
    EXPECT_EQ(saves, 0);
    dialogs.answers = {kModalYes, kModalYes};  // the save did not happen (its window was cancelled)
    EXPECT_FALSE(session.ConfirmClose(dialogs, [&] { ++saves; }));
    EXPECT_EQ(saves, 1);
    dialogs.answers = {kModalYes, kModalYes};
    EXPECT_TRUE(session.ConfirmClose(dialogs, [&] {
        ++saves;
        session.SetProjectModified(false);
    }));
    EXPECT_EQ(saves, 2);
}

TEST_F(SessionTest, ClosingEmptiesTheWorkingFolderButKeepsItsFolders) {
    session.Start();
    WriteBytes(Working() / "images" / "000001.jpg", "picture");
    WriteBytes(Working() / "textes" / "images.dat", "texts");
    WriteBytes(temp.Path() / "Projets" / "Vacances" / "images" / "000001.jpg", "saved");
    session.FinishClose();
    EXPECT_TRUE(fs::is_empty(Working() / "images"));
    EXPECT_TRUE(fs::is_empty(Working() / "textes"));
    EXPECT_TRUE(fs::exists(temp.Path() / "Projets" / "Vacances" / "images" / "000001.jpg"));
}

TEST_F(SessionTest, ChoosingEnglishMovesTheWorkingFolderToItsEnglishName) {
    session.Start();
    session.ChooseLanguage("English");
    EXPECT_EQ(session.LanguageCode(), "english");
    EXPECT_EQ(session.ProjectName(), "New Project");
    EXPECT_EQ(session.WorkingFolder(), temp.Path() / "Projets" / "New Project");
    EXPECT_TRUE(fs::exists(session.WorkingFolder() / "textes" / "images.dat"));
    EXPECT_FALSE(fs::exists(Working()));
}

// The demo speaks the language chosen at the first start, unless the user
// has made it their own.
TEST_F(SessionTest, TheDemoSpeaksTheChosenLanguageUntilItIsChanged) {
    const fs::path demo = temp.Path() / "Projets" / "Demo";
    fs::copy(fs::path(PALIMORA_SOURCE_ASSETS) / "Projets" / "Demo", demo, fs::copy_options::recursive);
    EXPECT_EQ(ReadTextLines(demo / "Demo.ini")[static_cast<int>(SettingLine::TodaysBrowsers)], "1");
    // A site built with the shipped words is not shown or sent with the new ones.
    WriteBytes(demo / "index.html", "Carnet de voyage");
    built_site::Record(demo);
    session.Start();
    session.ChooseLanguage("Deutsch");
    EXPECT_FALSE(fs::exists(demo / "index.html"));
    EXPECT_FALSE(built_site::Files(demo));
    EXPECT_EQ(PictureTextFile(demo / "textes" / "images.dat").Read(1)->title, "Morgen in der Bucht");
    EXPECT_EQ(ReadTextLines(demo / "Demo.ini")[static_cast<int>(SettingLine::SummaryTitle)], "Reisetagebuch");
    EXPECT_EQ(ReadBytes(demo / "runweb.ini"), ReadBytes(demo / "Demo.ini"));

    PictureTextFile(demo / "textes" / "images.dat").Write(1, "Meine Bucht", "");
    session.ChooseLanguage("English");
    EXPECT_EQ(PictureTextFile(demo / "textes" / "images.dat").Read(1)->title, "Meine Bucht");
    EXPECT_EQ(ReadTextLines(demo / "Demo.ini")[static_cast<int>(SettingLine::SummaryTitle)], "Reisetagebuch");
}

TEST_F(SessionTest, HelpPagesFollowTheLanguageAndWhatIsShown) {
    const ProgramFolder folder(temp.Path());
    EXPECT_EQ(*HelpPageFor(folder, "french", ShownPanel::PictureList),
              temp.Path() / "aide" / "aide_france" / "aideweb" / "sommairewebs.htm");
    EXPECT_EQ(*HelpPageFor(folder, "english", ShownPanel::GalleryStyles),
              temp.Path() / "aide" / "aide_us" / "aideweb_us" / "etape2b.htm");
    EXPECT_EQ(*HelpPageFor(folder, "", ShownPanel::PictureStyles),
              temp.Path() / "aide" / "aide_us" / "aideweb_us" / "etape2c.htm");
    EXPECT_EQ(*HelpPageFor(folder, "german", ShownPanel::PictureList),
              temp.Path() / "aide" / "german" / "sommairewebs.htm");
    // A language added without help pages is helped in English.
    EXPECT_EQ(*HelpPageFor(folder, "italian", ShownPanel::PictureList),
              temp.Path() / "aide" / "aide_us" / "aideweb_us" / "sommairewebs.htm");
    EXPECT_FALSE(HelpPageFor(folder, "french", ShownPanel::Nothing));
    for (const char* language : {"french", "english", "german", "spanish"}) {
        EXPECT_TRUE(fs::exists(WelcomePage(folder, language))) << language;
        EXPECT_TRUE(fs::exists(*HelpPageFor(folder, language, ShownPanel::PictureList))) << language;
    }
}

}  // namespace
}  // namespace palimora
