#include "app/ProjectCommands.h"
#include "app/Session.h"
#include "common/Cp1252.h"
#include "common/TextLines.h"
#include "imaging/JpegCodec.h"
#include "lang/TextId.h"
#include "project/ProjectFolders.h"
#include "tests/support/ScriptedDialogs.h"
#include "tests/support/TempFolder.h"

#include <gtest/gtest.h>

namespace palimora {
namespace {

namespace fs = std::filesystem;
using testing::ReadBytes;
using testing::WriteBytes;

// The save window types the next scripted name and presses OK until the
// window may close (or no name is left: Cancel); the open window picks a name.
class ScriptedWindows : public ProjectWindows {
public:
    ScriptedWindows(Session& session, UserDialogs& dialogs) : session_(session), dialogs_(dialogs) {}

    std::vector<std::string> typedNames;
    std::string openChoice;
    std::vector<TextId> captions;

    std::optional<std::string> ShowSaveWindow(TextId caption) override {
        captions.push_back(caption);
        while (!typedNames.empty()) {
            const std::string typed = typedNames.front();
            typedNames.erase(typedNames.begin());
            if (ConfirmSaveName(session_, typed, dialogs_)) return typed;
        }
        return std::nullopt;
    }
    std::optional<std::string> ShowOpenWindow() override {
        if (openChoice.empty()) return std::nullopt;
        return openChoice;
    }

private:
    Session& session_;
    UserDialogs& dialogs_;
};

class ProjectCommandsTest : public ::testing::Test {
protected:
    ProjectCommandsTest() {
        testing::StageProgramFolder(temp.Path());
        session.Start();
    }

    void AddPictures(std::initializer_list<const char*> names) {
        for (const char* name : names) {
            const fs::path source = temp.Path() / "photos" / name;
            fs::create_directories(source.parent_path());
            EncodeJpeg(Image(6, 4), source);
            session.Pictures().Add({source}, static_cast<int>(session.Pictures().Files().size()), {});
        }
        session.SetProjectModified(true);
    }

    fs::path Project(const std::string& name) const { return temp.Path() / "Projets" / name; }
    std::string Text(TextId text) const { return session.LangText(text); }

    testing::TempFolder temp;
    Session session{ProgramFolder(temp.Path())};
    testing::ScriptedDialogs dialogs;
    ScriptedWindows windows{session, dialogs};
};

TEST_F(ProjectCommandsTest, TheFirstSaveNamesTheProjectAndWritesItsFiles) {
    AddPictures({"a.jpg", "b.jpg", "c.jpg"});
    session.Pictures().Texts().Write(2, "Plage", "\"Nice day\"");
    windows.typedNames = {"Vacances"};
    SaveCommand(session, dialogs, windows);
    EXPECT_EQ(windows.captions, std::vector<TextId>{TextId::SaveNewCaption});
    EXPECT_EQ(session.ProjectName(), "Vacances");
    EXPECT_FALSE(session.ProjectModified());
    for (const char* file :
         {"images/000001.jpg", "images/000003.jpg", "textes/images.dat", "runweb.ini", "Vacances.ini"}) {
        EXPECT_TRUE(fs::exists(Project("Vacances") / file)) << file;
    }
    EXPECT_EQ(ReadTextLines(Project("Vacances") / "Vacances.ini")[124], "000003.jpg");
}

TEST_F(ProjectCommandsTest, AnUnnamedProjectWithoutPicturesIsNotSaved) {
    SaveCommand(session, dialogs, windows);
    EXPECT_EQ(dialogs.shown, std::vector<std::string>{Text(TextId::NothingToSave)});
    EXPECT_TRUE(windows.captions.empty());
    EXPECT_TRUE(ListProjects(session.Folder(), Text(TextId::WorkingName)).empty());
}

TEST_F(ProjectCommandsTest, ANamedChangedProjectIsSavedInPlaceAndMustBeBuiltAgain) {
    AddPictures({"a.jpg"});
    windows.typedNames = {"Vacances"};
    SaveCommand(session, dialogs, windows);
    for (const char* page : {"index.html", "Gal1.htm", "g1-000001.htm", "Gal2.htm"}) {
        WriteBytes(Project("Vacances") / page, "built");
    }
    AddPictures({"b.jpg"});
    SaveCommand(session, dialogs, windows);
    EXPECT_EQ(windows.captions.size(), 1u);  // no window this time
    EXPECT_EQ(dialogs.shown.back(), Text(TextId::SavedChanged));
    EXPECT_TRUE(fs::exists(Project("Vacances") / "images" / "000002.jpg"));
    EXPECT_FALSE(fs::exists(Project("Vacances") / "index.html"));
    EXPECT_FALSE(fs::exists(Project("Vacances") / "g1-000001.htm"));
    EXPECT_TRUE(fs::exists(Project("Vacances") / "Gal2.htm"));

    SaveCommand(session, dialogs, windows);  // unchanged: save under another name, here cancelled
    EXPECT_EQ(windows.captions.back(), TextId::SaveOtherCaption);
}

TEST_F(ProjectCommandsTest, DeletedPicturesLeaveTheProjectAtTheNextSave) {
    AddPictures({"a.jpg", "b.jpg"});
    windows.typedNames = {"Vacances"};
    SaveCommand(session, dialogs, windows);
    session.Pictures().Delete({1});
    session.SetProjectModified(true);
    SaveCommand(session, dialogs, windows);
    EXPECT_FALSE(fs::exists(Project("Vacances") / "images" / "000002.jpg"));
}

TEST_F(ProjectCommandsTest, NamesThatCannotNameAProjectAreRefused) {
    AddPictures({"a.jpg"});
    for (const std::string name : {"Nouveau Projet", "../escape", "a/b", "dot.", "CON", "", "tab\there", "what?"}) {
        EXPECT_FALSE(ConfirmSaveName(session, name, dialogs)) << name;
    }
    EXPECT_EQ(dialogs.shown.front(), Text(TextId::ReservedName));
    EXPECT_EQ(dialogs.shown.back(), Text(TextId::UnusableName));
    EXPECT_FALSE(fs::exists(temp.Path() / "escape"));
    EXPECT_TRUE(ConfirmSaveName(session, "vacances d'\xE9t\xE9 2026", dialogs));
}

TEST_F(ProjectCommandsTest, SavingOntoAnotherProjectReplacesItWithTheOpenOne) {
    AddPictures({"a.jpg"});
    windows.typedNames = {"B"};
    SaveCommand(session, dialogs, windows);
    WriteBytes(Project("B") / "tn_images" / "old.jpg", "old thumbnail");
    WriteBytes(Project("B") / "index.html", "old page");

    NewProject(session);
    AddPictures({"x.jpg", "y.jpg"});
    windows.typedNames = {"A"};
    SaveCommand(session, dialogs, windows);
    WriteBytes(Project("A") / "param" / "fond.jpg", "A's background");
    session.Settings().Store(SettingLine::PictureTitleSize, "6");
    session.Settings().Commit(session.Folder(), "A", session.CurrentLanguage());

    dialogs.answers = {kModalNo, kModalYes};
    windows.typedNames = {"B", "B"};  // No keeps the window open; Yes replaces B
    session.SetProjectModified(false);
    SaveCommand(session, dialogs, windows);
    EXPECT_EQ(session.ProjectName(), "B");
    EXPECT_FALSE(fs::exists(Project("B") / "tn_images" / "old.jpg"));
    EXPECT_FALSE(fs::exists(Project("B") / "index.html"));
    EXPECT_TRUE(fs::exists(Project("B") / "B.ini"));
    EXPECT_FALSE(fs::exists(Project("B") / "A.ini"));
    EXPECT_EQ(ReadBytes(Project("B") / "param" / "fond.jpg"), "A's background");
    EXPECT_TRUE(fs::exists(Project("B") / "images" / "000002.jpg"));
    EXPECT_EQ(ReadTextLines(Project("B") / "B.ini")[9], "6");
    EXPECT_TRUE(fs::exists(Project("A") / "A.ini"));  // A itself is untouched
}

TEST_F(ProjectCommandsTest, SavingUnderTheOpenProjectsOwnNameLosesNothing) {
    AddPictures({"a.jpg"});
    windows.typedNames = {"Vacances"};
    SaveCommand(session, dialogs, windows);
    WriteBytes(Project("Vacances") / "tn_images" / "000001.jpg", "thumbnail");
    session.Settings().Store(SettingLine::PictureTitleSize, "6");
    session.Settings().Commit(session.Folder(), "Vacances", session.CurrentLanguage());

    windows.typedNames = {"Vacances"};
    SaveCommand(session, dialogs, windows);  // unchanged: the save-as window, given its own name
    EXPECT_EQ(windows.captions.back(), TextId::SaveOtherCaption);
    EXPECT_TRUE(fs::exists(Project("Vacances") / "images" / "000001.jpg"));
    EXPECT_TRUE(fs::exists(Project("Vacances") / "tn_images" / "000001.jpg"));
    EXPECT_EQ(ReadTextLines(Project("Vacances") / "Vacances.ini")[9], "6");
    EXPECT_TRUE(dialogs.shown.empty());  // no overwrite question
}

TEST_F(ProjectCommandsTest, ARoundTripBringsEverythingBack) {
    AddPictures({"a.jpg", "b.jpg"});
    session.Pictures().Texts().Write(1, "Plage", "\"Nice day\",x");
    windows.typedNames = {"Vacances"};
    SaveCommand(session, dialogs, windows);
    session.Settings().Store(SettingLine::CommentSize, "5");
    session.SetProjectModified(true);
    dialogs.answers = {kModalYes, kModalYes};  // quit, and save the changes
    EXPECT_TRUE(session.ConfirmClose(dialogs, [&] { SaveCommand(session, dialogs, windows); }));
    session.FinishClose();

    Session again{ProgramFolder(temp.Path())};
    again.Start();
    EXPECT_TRUE(fs::is_empty(again.WorkingFolder() / "images"));
    ScriptedWindows openWindow{again, dialogs};
    openWindow.openChoice = "Vacances";
    ASSERT_TRUE(OpenCommand(again, dialogs, openWindow));
    EXPECT_EQ(again.ProjectName(), "Vacances");
    EXPECT_EQ(again.Pictures().Files().size(), 2u);
    EXPECT_EQ(again.Pictures().Texts().Read(1)->title, "Plage");
    EXPECT_EQ(again.Pictures().Texts().Read(1)->comment, "\"Nice day\",x");
    EXPECT_EQ(again.Settings().Number(SettingLine::CommentSize), 5);
    EXPECT_FALSE(again.ProjectModified());
}

// A project written before names and texts could go beyond Windows-1252
// (accents, a euro sign, an ampersand, a typed "&#65;") opens and is saved
// again byte for byte.
TEST_F(ProjectCommandsTest, AnOlderProjectOpensAndIsSavedAgainUnchanged) {
    const std::string name = "F\xEAte \x80 & co";
    const fs::path old = Project("F\xC3\xAAte \xE2\x82\xAC & co");
    fs::create_directories(old / "images");
    EncodeJpeg(Image(6, 4), old / "images" / "000001.jpg");
    std::string record(456, '\0');
    record[0] = 1;
    const std::string title =
                          "Caf\xE9 &#65; \x93"
                          "cr\xE8me\x94",
                      comment = "\"Une, deux\",\xC0 bient\xF4t";
    record[4] = static_cast<char>(title.size());
    record.replace(5, title.size(), title);
    record[205] = static_cast<char>(comment.size());
    record.replace(206, comment.size(), comment);
    WriteBytes(old / "textes" / "images.dat", std::string(456, '\0') + record);
    std::vector<std::string> lines = ReadTextLines(temp.Path() / "runweb.in_");
    lines[static_cast<int>(SettingLine::SummaryTitle)] = "Mes f\xEAtes & \x80";
    WriteTextLines(old / (std::string("F\xC3\xAAte \xE2\x82\xAC & co") + ".ini"), lines);
    const std::string texts = ReadBytes(old / "textes" / "images.dat");
    const std::string settings = ReadBytes(old / "F\xC3\xAAte \xE2\x82\xAC & co.ini");

    EXPECT_EQ(ListProjects(session.Folder(), Text(TextId::WorkingName)), std::vector<std::string>{name});
    windows.openChoice = name;
    ASSERT_TRUE(OpenCommand(session, dialogs, windows));
    EXPECT_EQ(Utf8FromCp1252(session.Pictures().Texts().Read(1)->title).Bytes(),
              "Caf\xC3\xA9 &#65; \xE2\x80\x9C"
              "cr\xC3\xA8me\xE2\x80\x9D");
    session.SetProjectModified(true);
    SaveCommand(session, dialogs, windows);
    EXPECT_EQ(ReadBytes(old / "textes" / "images.dat"), texts);
    EXPECT_EQ(ReadBytes(old / "F\xC3\xAAte \xE2\x82\xAC & co.ini"), settings);
}

// A project named and written in any script is saved under that name on
// disk and comes back whole.
TEST_F(ProjectCommandsTest, ProjectNamesAndTextsBeyondWindows1252ComeBackWhole) {
    AddPictures({"a.jpg"});
    const std::string tokyo = Cp1252FromUtf8(Utf8Text("\xE6\x9D\xB1\xE4\xBA\xAC"));
    const std::string title =
        Cp1252FromUtf8(Utf8Text("\xC5\x81\xC3\xB3"
                                "d\xC5\xBA \xCE\xB1\xCE\xB8\xCE\xAE\xCE\xBD\xCE\xB1"));
    const std::string comment = Cp1252FromUtf8(Utf8Text("\"\xD8\xB3\xD9\x84\xD8\xA7\xD9\x85\""));
    session.Pictures().Texts().Write(1, title, comment);
    windows.typedNames = {tokyo};
    SaveCommand(session, dialogs, windows);
    EXPECT_TRUE(fs::exists(temp.Path() / "Projets" / "\xE6\x9D\xB1\xE4\xBA\xAC" / "\xE6\x9D\xB1\xE4\xBA\xAC.ini"));

    Session again{ProgramFolder(temp.Path())};
    again.Start();
    ScriptedWindows openWindow{again, dialogs};
    openWindow.openChoice = ListProjects(again.Folder(), Text(TextId::WorkingName)).at(0);
    ASSERT_TRUE(OpenCommand(again, dialogs, openWindow));
    EXPECT_EQ(again.ProjectName(), tokyo);
    EXPECT_EQ(again.Pictures().Texts().Read(1)->title, title);
    EXPECT_EQ(again.Pictures().Texts().Read(1)->comment, comment);
}

TEST_F(ProjectCommandsTest, OpeningDropsUnsavedSettings) {
    AddPictures({"a.jpg"});
    windows.typedNames = {"Vacances"};
    SaveCommand(session, dialogs, windows);
    session.Settings().Store(SettingLine::CommentSize, "6");
    windows.openChoice = "Vacances";
    ASSERT_TRUE(OpenCommand(session, dialogs, windows));
    EXPECT_NE(session.Settings().Number(SettingLine::CommentSize), 6);
}

TEST_F(ProjectCommandsTest, AProjectThatCannotBeOpenedStartsANewOne) {
    AddPictures({"a.jpg"});
    session.SetProjectModified(false);
    windows.openChoice = "Missing";
    EXPECT_FALSE(OpenCommand(session, dialogs, windows));
    EXPECT_EQ(dialogs.shown.back(), Text(TextId::OpenFailed));
    EXPECT_TRUE(session.IsUnnamedProject());
    EXPECT_TRUE(session.Pictures().Files().empty());
}

TEST_F(ProjectCommandsTest, TheNewCommandOffersASaveAndKeepsTheWorkOnCancel) {
    AddPictures({"a.jpg"});
    dialogs.answers = {kModalCancel};
    EXPECT_FALSE(NewCommand(session, dialogs, windows));
    EXPECT_EQ(dialogs.shown, std::vector<std::string>{Text(TextId::SaveChangesQuestion)});
    EXPECT_EQ(session.Pictures().Files().size(), 1u);  // nothing lost
    EXPECT_TRUE(session.ProjectModified());

    dialogs.answers = {kModalYes};  // Yes, then the save window cancelled: still nothing lost
    EXPECT_FALSE(NewCommand(session, dialogs, windows));
    EXPECT_EQ(session.Pictures().Files().size(), 1u);

    dialogs.answers = {kModalNo};
    EXPECT_TRUE(NewCommand(session, dialogs, windows));
    EXPECT_TRUE(session.Pictures().Files().empty());
    EXPECT_FALSE(session.ProjectModified());
}

TEST_F(ProjectCommandsTest, DeletingRemovesAnyProjectButTheOpenOne) {
    AddPictures({"a.jpg"});
    windows.typedNames = {"Vacances"};
    SaveCommand(session, dialogs, windows);
    WriteBytes(Project("Old") / "images" / "000001.jpg", "x");
    WriteBytes(Project("Old") / "tns_images" / "000001.jpg", "x");
    WriteBytes(Project("Old") / "Old.ini", "x");
    dialogs.answers = {kModalCancel};
    DeleteProject(session, "Old", dialogs);
    EXPECT_TRUE(fs::exists(Project("Old") / "Old.ini"));
    EXPECT_EQ(dialogs.shown.back(), Text(TextId::DeleteQuestion) + " Old");
    dialogs.answers = {kModalYes};
    DeleteProject(session, "Old", dialogs);
    EXPECT_FALSE(fs::exists(Project("Old")));
    DeleteProject(session, "Vacances", dialogs);
    EXPECT_EQ(dialogs.shown.back(), Text(TextId::OpenProjectCannotGo));
    EXPECT_TRUE(fs::exists(Project("Vacances") / "images" / "000001.jpg"));
}

TEST_F(ProjectCommandsTest, ASaveThatCannotCopyAPictureSaysSo) {
    AddPictures({"a.jpg", "b.jpg"});
    fs::create_directories(Project("Vacances") / "images" / "000002.jpg");  // stands in the way
    windows.typedNames = {"Vacances"};
    dialogs.answers = {kModalYes};  // the folder exists: replace it
    SaveCommand(session, dialogs, windows);
    ASSERT_FALSE(dialogs.shown.empty());
    EXPECT_EQ(dialogs.shown.back().rfind(Text(TextId::SaveIncomplete), 0), 0u);
    EXPECT_NE(dialogs.shown.back().find("000002.jpg"), std::string::npos);
    EXPECT_TRUE(session.ProjectModified());
    EXPECT_TRUE(fs::exists(session.WorkingFolder() / "images" / "000002.jpg"));
}

}  // namespace
}  // namespace palimora
