#include "app/ResultCommand.h"
#include "app/ProjectCommands.h"
#include "app/Session.h"
#include "imaging/JpegCodec.h"
#include "project/BuiltSite.h"
#include "publish/PublishRun.h"
#include "sitegen/ProjectBuild.h"
#include "tests/support/FtpServers.h"
#include "tests/support/NamingWindows.h"
#include "tests/support/Pictures.h"
#include "tests/support/QuietProgress.h"
#include "tests/support/ScriptedDialogs.h"
#include "tests/support/TempFolder.h"

#include <gtest/gtest.h>

#include <chrono>
#include <map>

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
    built_site::Record(Project());  // as a build that finished leaves it
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
    built_site::Record(Project());
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
    built_site::Record(Project());
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

// The window's road after one title change: the change saved, the site
// built with the working folder's texts, then published to a server that
// holds the last publication. Only the pages that show the title change, and
// only they are sent again.
TEST_F(ResultCommandTest, AfterOneTitleChangeOnlyThePagesShowingItAreBuiltAndSentAgain) {
    std::vector<fs::path> photos;
    for (int n = 1; n <= 4; ++n) {
        photos.push_back(temp.Path() / ("photo" + std::to_string(n) + ".jpg"));
        EncodeJpeg(testing::Quadrants(1600 + 40 * n, 1200), photos.back());  // above the size limit
    }
    session.Pictures().Add(photos, 0, {});
    SaveProject(session, "Vacances");
    testing::TempFolder served;
    testing::LocalFtpServer server(served.Path());
    const auto buildAndPublish = [&](ReplacePolicy replace) {
        testing::QuietProgress building;
        ASSERT_EQ(BuildProject({session.Folder(), "Vacances", session.WorkingFolder()}, dialogs, building),
                  BuildOutcome::Built);
        struct : PublishProgress {
            void SetMaximum(int) override {}
            void Step() override {}
            void SetStatus(const std::string&) override {}
            bool CancelRequested() override { return false; }
        } publishing;
        dialogs.textAnswers = {std::string("Vacances")};
        const PublishRequest request{session.Folder(), "Vacances",
                                     FtpServer{"ftp://127.0.0.1", server.Port(), "photo", "secret", 20}, replace};
        ASSERT_EQ(PublishSite(request, session.CurrentLanguage(), dialogs, publishing), PublishOutcome::Published);
    };
    const auto siteFiles = [&] {
        std::map<std::string, std::string> files;
        for (const auto& entry : fs::recursive_directory_iterator(Project())) {
            const std::string name = fs::relative(entry.path(), Project()).generic_string();
            if (entry.is_regular_file() && name.find('/') == std::string::npos &&
                name.find(".htm") != std::string::npos)
                files[name] = testing::ReadBytes(entry.path());
        }
        return files;
    };
    buildAndPublish(ReplacePolicy::All);
    const auto before = siteFiles();
    const auto old = fs::file_time_type::clock::now() - std::chrono::hours(24 * 365);
    for (const auto& entry : fs::recursive_directory_iterator(served.Path()))
        if (entry.is_regular_file()) fs::last_write_time(entry.path(), old);

    session.Pictures().Texts().Write(2, "Prairie alpine", "");
    session.SetProjectModified(true);
    ASSERT_EQ(SeeResult(session, dialogs, windows), ResultStep::Build);
    buildAndPublish(ReplacePolicy::Changed);

    std::vector<std::string> changed, sent;
    for (const auto& [name, bytes] : siteFiles()) {
        if (before.at(name) == bytes) continue;
        changed.push_back(name);
        EXPECT_NE(bytes.find("Prairie alpine"), std::string::npos) << name << " changed without the title";
    }
    for (const auto& entry : fs::recursive_directory_iterator(served.Path() / "Vacances")) {
        if (entry.is_regular_file() && fs::last_write_time(entry.path()) > old + std::chrono::hours(1))
            sent.push_back(fs::relative(entry.path(), served.Path() / "Vacances").generic_string());
    }
    std::sort(sent.begin(), sent.end());
    EXPECT_FALSE(changed.empty());
    EXPECT_EQ(sent, changed);
}

}  // namespace
}  // namespace palimora
