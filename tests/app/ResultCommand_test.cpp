#include "app/ResultCommand.h"
#include "app/ProjectCommands.h"
#include "app/Session.h"
#include "imaging/JpegCodec.h"
#include "tests/support/NamingWindows.h"
#include "tests/support/ScriptedDialogs.h"
#include "tests/support/TempFolder.h"

#include <gtest/gtest.h>

namespace palimora {
namespace {

namespace fs = std::filesystem;

class ResultCommandTest : public ::testing::Test {
protected:
    ResultCommandTest() {
        testing::StageProgramFolder(temp.Path());
        session.Start();
    }
    void AddPicture() {
        const fs::path source = temp.Path() / "a.jpg";
        EncodeJpeg(Image(8, 8), source);
        session.Pictures().Add({source}, 0, {});
        session.SetProjectModified(true);
    }
    fs::path Project() const { return temp.Path() / "Projets" / "Vacances"; }

    testing::TempFolder temp;
    Session session{ProgramFolder(temp.Path())};
    testing::ScriptedDialogs dialogs;
    testing::NamingWindows windows;
};

TEST_F(ResultCommandTest, EmptyOrUnnamedProjectsAreRefused) {
    EXPECT_EQ(SeeResult(session, dialogs, windows), ResultStep::Refused);
    EXPECT_EQ(dialogs.shown.back(), session.LangText(TextId::NoPictures));
    AddPicture();
    EXPECT_EQ(SeeResult(session, dialogs, windows), ResultStep::Refused);
    EXPECT_EQ(dialogs.shown.back(), session.LangText(TextId::SaveFirst));
    EXPECT_EQ(windows.saveWindows, 1);  // the save command followed
    EXPECT_EQ(session.ProjectName(), "Vacances");
}

TEST_F(ResultCommandTest, PageDesignNeedsPicturesAndASavedNamedProject) {
    EXPECT_FALSE(MayEnterPageDesign(session, dialogs, windows));
    EXPECT_EQ(dialogs.shown.back(), session.LangText(TextId::NoPictures));

    AddPicture();
    EXPECT_FALSE(MayEnterPageDesign(session, dialogs, windows));  // unnamed: told, then the save window
    EXPECT_EQ(dialogs.shown.back(), session.LangText(TextId::SaveFirstQuestion));
    EXPECT_EQ(windows.saveWindows, 1);
    EXPECT_EQ(session.ProjectName(), "Vacances");
    EXPECT_FALSE(session.ProjectModified());
    EXPECT_TRUE(MayEnterPageDesign(session, dialogs, windows));

    session.SetProjectModified(true);
    dialogs.answers = {kModalCancel};
    EXPECT_FALSE(MayEnterPageDesign(session, dialogs, windows));
    EXPECT_TRUE(session.ProjectModified());  // cancelled: nothing saved
    dialogs.answers = {kModalYes};
    const std::size_t asked = dialogs.shown.size();
    EXPECT_FALSE(MayEnterPageDesign(session, dialogs, windows));  // saved; the next click enters
    EXPECT_EQ(dialogs.shown[asked], session.LangText(TextId::SaveFirstQuestion));
    EXPECT_FALSE(session.ProjectModified());
    EXPECT_TRUE(MayEnterPageDesign(session, dialogs, windows));
}

TEST_F(ResultCommandTest, AChangedOrUnbuiltProjectIsBuiltABuiltOneOpened) {
    AddPicture();
    SaveCommand(session, dialogs, windows);
    EXPECT_EQ(SeeResult(session, dialogs, windows), ResultStep::Build);  // nothing built yet
    testing::WriteBytes(Project() / "g1-000001.htm", "built");
    EXPECT_EQ(SeeResult(session, dialogs, windows), ResultStep::OpenBuilt);
    // A picture added since the save: saved first, so the build shows it.
    const fs::path source = temp.Path() / "b.jpg";
    EncodeJpeg(Image(8, 8), source);
    session.Pictures().Add({source}, 1, {});
    session.SetProjectModified(true);
    EXPECT_EQ(SeeResult(session, dialogs, windows), ResultStep::Build);
    EXPECT_FALSE(session.ProjectModified());
    EXPECT_TRUE(fs::exists(Project() / "images" / "000002.jpg"));
    EXPECT_EQ(windows.saveWindows, 1);  // no question, no save window
}

TEST_F(ResultCommandTest, NoKindOfPageIsRefusedAndTheStartPageFollowsTheKinds) {
    AddPicture();
    SaveCommand(session, dialogs, windows);
    testing::WriteBytes(Project() / "g1-000001.htm", "built");
    EXPECT_EQ(StartPage(session, true), Project() / "g1-000001.htm");  // index.html is not there
    EXPECT_EQ(StartPage(session, false), Project() / "index.html");
    session.Settings().Store(SettingLine::MakeSummary, "0");
    session.Settings().Store(SettingLine::MakeGalleries, "0");
    EXPECT_EQ(StartPage(session, false), Project() / "g1-000001.htm");
    session.Settings().Store(SettingLine::MakePicturePages, "0");
    EXPECT_EQ(SeeResult(session, dialogs, windows), ResultStep::Refused);
    EXPECT_EQ(dialogs.shown.back(), session.LangText(TextId::NoKindOfPage));
}

TEST_F(ResultCommandTest, PublishingIsRefusedForAnEmptyUnnamedOrKindlessProject) {
    EXPECT_FALSE(MayPublish(session, dialogs, windows));
    EXPECT_EQ(dialogs.shown.back(), session.LangText(TextId::NoPictures));
    EXPECT_EQ(windows.saveWindows, 0);

    AddPicture();
    EXPECT_FALSE(MayPublish(session, dialogs, windows));  // unnamed: told, then the save window
    EXPECT_EQ(dialogs.shown.back(), session.LangText(TextId::SaveFirstToPublish));
    EXPECT_EQ(windows.saveWindows, 1);
    EXPECT_EQ(session.ProjectName(), "Vacances");

    testing::WriteBytes(Project() / "index.html", "built");
    for (SettingLine kind : {SettingLine::MakeSummary, SettingLine::MakeGalleries, SettingLine::MakePicturePages}) {
        session.Settings().Store(kind, "0");
    }
    EXPECT_FALSE(MayPublish(session, dialogs, windows));
    EXPECT_EQ(dialogs.shown.back(), session.LangText(TextId::NoKindOfPageToPublish));
    session.Settings().Store(SettingLine::MakePicturePages, "1");  // one kind is enough
    EXPECT_TRUE(MayPublish(session, dialogs, windows));
}

TEST_F(ResultCommandTest, AChangedProjectIsSavedNotPublishedAndAnUnbuiltOneIsRefused) {
    AddPicture();
    SaveCommand(session, dialogs, windows);
    EXPECT_FALSE(MayPublish(session, dialogs, windows));  // saved but never built
    EXPECT_EQ(dialogs.shown.back(), session.LangText(TextId::NotBuiltYet));
    testing::WriteBytes(Project() / "Gal1.htm", "built");
    EXPECT_TRUE(MayPublish(session, dialogs, windows));

    session.SetProjectModified(true);
    dialogs.answers = {kModalCancel};
    EXPECT_FALSE(MayPublish(session, dialogs, windows));
    EXPECT_EQ(dialogs.shown.back(), session.LangText(TextId::SaveFirstQuestion));
    EXPECT_TRUE(session.ProjectModified());  // cancelled: nothing saved
    EXPECT_TRUE(fs::exists(Project() / "Gal1.htm"));

    const int saves = windows.saveWindows;
    dialogs.answers = {kModalYes};
    EXPECT_FALSE(MayPublish(session, dialogs, windows));  // saved, and still nothing published
    EXPECT_FALSE(session.ProjectModified());
    EXPECT_EQ(windows.saveWindows, saves);  // a named project is saved under its name
    // The save removed the built pages: the next click asks for a build first.
    EXPECT_FALSE(MayPublish(session, dialogs, windows));
    EXPECT_EQ(dialogs.shown.back(), session.LangText(TextId::NotBuiltYet));
}

}  // namespace
}  // namespace palimora
