#include "publish/PublishRun.h"
#include "common/ProgramFolder.h"
#include "lang/Language.h"
#include "project/BuiltSite.h"
#include "publish/PlanText.h"
#include "publish/RemoteFolders.h"
#include "styles/ProjectSettings.h"
#include "styles/SettingsLayout.h"
#include "tests/publish/PublishTestSupport.h"
#include "tests/support/BuiltSite.h"
#include "tests/support/FtpServers.h"
#include "tests/support/ScriptedDialogs.h"
#include "tests/support/TempFolder.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <set>

namespace palimora {
namespace {

namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;

// A publication of the demo site; the server is the test's own.
class PublishRunTest : public testing::DemoSitePublishTest {
protected:
    PublishOutcome Publish(int port, ReplacePolicy replace, std::optional<std::string> remotePath,
                           const std::string& password = "secret") {
        dialogs.textAnswers = {std::move(remotePath)};
        const PublishRequest request{folder, "Demo", FtpServer{"ftp://127.0.0.1", port, "photo", password, 20},
                                     replace};
        return PublishSite(request, language, dialogs, progress);
    }
};

class RealServerRunTest : public PublishRunTest {
protected:
    testing::TempFolder served;
    testing::LocalFtpServer server{served.Path()};
};

TEST_F(RealServerRunTest, TheSiteArrivesWholeThroughAPathThatGoesUpInTheMiddle) {
    ASSERT_EQ(Publish(server.Port(), ReplacePolicy::Ask, "albums/../Demo_web"), PublishOutcome::Published);
    EXPECT_TRUE(Messages().empty()) << Messages().front();
    EXPECT_TRUE(fs::is_directory(served.Path() / "albums"));
    EXPECT_TRUE(fs::is_empty(served.Path() / "albums"));
    // This server stores ASCII uploads with its own line ends.
    EXPECT_EQ(testing::DifferingFiles(project, served.Path() / "Demo_web", true), std::vector<std::string>{});
    EXPECT_GT(testing::SiteFiles(project).size(), 20u);
    EXPECT_EQ(progress.steps, progress.maximum);
    std::uintmax_t bytes = 0;
    for (const fs::path& file : testing::SiteFiles(project)) bytes += fs::file_size(project / file);
    EXPECT_EQ(progress.statuses.back(), Text(TextId::PublishingFinished) + " " +
                                            std::to_string(testing::SiteFiles(project).size()) + " " +
                                            Text(TextId::FilesSentWord) + " (" + SizeText(bytes, language) + ").");
}

TEST_F(PublishRunTest, AServerWithoutPassiveModeGetsActiveConnections) {
    testing::TempFolder served;
    testing::LocalFtpServer server(served.Path(), false);
    ASSERT_EQ(Publish(server.Port(), ReplacePolicy::Ask, "Demo"), PublishOutcome::Published);
    EXPECT_EQ(testing::DifferingFiles(project, served.Path() / "Demo", true), std::vector<std::string>{});
}

TEST_F(RealServerRunTest, PublishingAgainAsksOnceAndOnlyWhenAFileOnTheServerWouldBeReplaced) {
    ASSERT_EQ(Publish(server.Port(), ReplacePolicy::All, "Demo"), PublishOutcome::Published);
    // Unchanged: nothing is asked, sent, or even looked at on the server.
    dialogs.shown.clear();
    progress.statuses.clear();
    ASSERT_EQ(Publish(server.Port(), ReplacePolicy::Ask, "Demo"), PublishOutcome::Published);
    EXPECT_EQ(Messages(), std::vector<std::string>{});
    EXPECT_EQ(progress.statuses.back(), Text(TextId::NothingToSend));
    EXPECT_TRUE(std::none_of(progress.statuses.begin(), progress.statuses.end(), [&](const std::string& status) {
        return status.starts_with(Text(TextId::SendingProject));
    }));

    // A file changed on the server, seen once the site was written again
    // (a rebuild): one question, whose default sends it.
    const auto files = testing::SiteFiles(project);
    const fs::path stale = served.Path() / "Demo" / files.front();
    const auto rewriteLocally = [&] {
        testing::WriteBytes(project / files.front(), testing::ReadBytes(project / files.front()));
    };
    testing::WriteBytes(stale, "old");
    rewriteLocally();
    dialogs.choices = {0};
    ASSERT_EQ(Publish(server.Port(), ReplacePolicy::Ask, "Demo"), PublishOutcome::Published);
    ASSERT_EQ(Messages().size(), 1u);
    EXPECT_EQ(Messages().front().rfind(Text(TextId::PlanQuestion), 0), 0u) << Messages().front();
    EXPECT_NE(Messages().front().find(Text(TextId::PlanChangedCount) + " 1 ("), std::string::npos);
    EXPECT_NE(testing::ReadBytes(stale), "old");

    // Cancel to the question ends the run there.
    testing::WriteBytes(stale, "old");
    rewriteLocally();
    EXPECT_EQ(Publish(server.Port(), ReplacePolicy::Ask, "Demo"), PublishOutcome::Cancelled);
    EXPECT_EQ(testing::ReadBytes(stale), "old");
}

TEST_F(RealServerRunTest, ReplacingChangedFilesSendsExactlyTheChangedPicture) {
    ASSERT_EQ(Publish(server.Port(), ReplacePolicy::All, "Demo"), PublishOutcome::Published);
    const auto old = fs::file_time_type::clock::now() - std::chrono::hours(24 * 365);
    for (const auto& entry : fs::recursive_directory_iterator(served.Path() / "Demo")) {
        fs::last_write_time(entry.path(), old);
    }
    // Edited in place to the same size, its write time put back as tools that keep times do.
    const fs::path picture = project / "web_images" / "000002.jpg";
    const auto written = fs::last_write_time(picture);
    std::string bytes = testing::ReadBytes(picture);
    bytes[bytes.size() / 2] = static_cast<char>(bytes[bytes.size() / 2] ^ 0x55);
    testing::WriteBytes(picture, bytes);
    fs::last_write_time(picture, written);

    ASSERT_EQ(Publish(server.Port(), ReplacePolicy::Changed, "Demo"), PublishOutcome::Published);
    std::vector<std::string> changed;
    std::size_t unchanged = 0;
    for (const PlannedFile& file : progress.plan) {
        if (file.state == PlannedFile::State::Changed) changed.push_back(file.folder + "/" + file.name);
        if (file.state == PlannedFile::State::Unchanged) ++unchanged;
    }
    EXPECT_EQ(changed, std::vector<std::string>{"web_images/000002.jpg"});
    EXPECT_EQ(unchanged + 1, testing::SiteFiles(project).size());
    std::vector<std::string> sent;
    for (const auto& entry : fs::recursive_directory_iterator(served.Path() / "Demo")) {
        if (entry.is_regular_file() && fs::last_write_time(entry.path()) > old + std::chrono::hours(1)) {
            sent.push_back(fs::relative(entry.path(), served.Path() / "Demo").string());
        }
    }
    EXPECT_EQ(sent, std::vector<std::string>{"web_images/000002.jpg"});
    EXPECT_EQ(testing::ReadBytes(served.Path() / "Demo" / "web_images" / "000002.jpg"), testing::ReadBytes(picture));
}

// The site and the server kept in step: an unchanged site sends nothing, a
// colour change (pages of the same sizes) exactly the pages it changed, and
// a removed picture removes exactly its files, never one the program did not send.
TEST_F(RealServerRunTest, RepublishingSendsExactlyWhatChangedAndRemovesOnlyWhatItSent) {
    const auto publish = [&](bool removeOld) {
        dialogs.textAnswers = {"Demo"};
        dialogs.choices = {0};
        dialogs.shown.clear();
        progress.statuses.clear();
        const PublishRequest request{folder, "Demo", FtpServer{"ftp://127.0.0.1", server.Port(), "photo", "secret", 20},
                                     ReplacePolicy::Ask, removeOld};
        EXPECT_EQ(PublishSite(request, language, dialogs, progress), PublishOutcome::Published) << Messages().front();
        std::set<std::string> sent;
        for (const std::string& status : progress.statuses) {
            if (status.rfind(Text(TextId::Sending) + " ", 0) == 0)
                sent.insert(status.substr(Text(TextId::Sending).size() + 1));
        }
        return sent;
    };
    testing::BuildSite(program.Path(), "Demo");  // the first build made the pictures smaller: now it is steady
    EXPECT_EQ(publish(true).size(), testing::SiteFiles(project).size());
    EXPECT_EQ(Messages(), std::vector<std::string>{});  // new files only: nothing to ask
    testing::WriteBytes(served.Path() / "Demo" / "mine.htm", "not the program's");
    EXPECT_EQ(publish(true), std::set<std::string>{});
    EXPECT_EQ(Messages(), std::vector<std::string>{});

    std::map<fs::path, std::string> before;
    for (const fs::path& file : testing::SiteFiles(project)) before[file] = testing::ReadBytes(project / file);
    ProjectSettings settings;
    settings.LoadWorking(folder, "Demo");
    settings.Store(SettingLine::CommentColour, std::to_string(settings.Colour(SettingLine::CommentColour) ^ 1));
    testing::BuildSite(program.Path(), "Demo");
    std::set<std::string> changed;
    for (const auto& [file, bytes] : before) {
        const std::string now = testing::ReadBytes(project / file);
        if (now != bytes) {
            changed.insert(file.filename().string());
            EXPECT_EQ(now.size(), bytes.size()) << file;
        }
    }
    ASSERT_FALSE(changed.empty());
    EXPECT_LT(changed.size(), before.size());
    EXPECT_EQ(publish(true), changed);
    EXPECT_EQ(Messages().size(), 1u);  // the one question
    EXPECT_EQ(testing::DifferingFiles(project, served.Path() / "Demo", true), std::vector<std::string>{});

    std::vector<fs::path> removed;
    for (const fs::path& file : testing::SiteFiles(project)) {
        if (file.string().find("000009") != std::string::npos) removed.push_back(file);
    }
    ASSERT_GE(removed.size(), 3u);  // the picture, its thumbnail and its page at least
    for (const fs::path& file : removed) fs::remove(project / file);
    EXPECT_EQ(publish(false), std::set<std::string>{});
    for (const fs::path& file : removed) EXPECT_TRUE(fs::exists(served.Path() / "Demo" / file)) << file;
    EXPECT_EQ(publish(true), std::set<std::string>{});
    EXPECT_TRUE(progress.statuses.back().ends_with(", " + std::to_string(removed.size()) + " " +
                                                   Text(TextId::FilesRemovedWord) + "."))
        << progress.statuses.back();
    for (const fs::path& file : removed) EXPECT_FALSE(fs::exists(served.Path() / "Demo" / file)) << file;
    EXPECT_TRUE(fs::exists(served.Path() / "Demo" / "mine.htm"));
    EXPECT_EQ(testing::DifferingFiles(project, served.Path() / "Demo", true), std::vector<std::string>{});
}

// A large file cut off on its way (the run cancelled mid-send) is taken up
// where it stopped by the next publication, and arrives whole.
TEST_F(RealServerRunTest, ALargeFileCutOffIsSentOnFromWhereItStopped) {
    const fs::path arriving = served.Path() / "Demo" / "clips" / "000001.mp4";
    const std::string bytes = AddLargeClipCutOffOnItsWay(arriving);
    EXPECT_EQ(Publish(server.Port(), ReplacePolicy::Ask, "Demo"), PublishOutcome::Cancelled);
    ASSERT_GT(fs::file_size(arriving), 0u);
    ASSERT_LT(fs::file_size(arriving), bytes.size());

    progress = {};
    dialogs.choices = {0};
    ASSERT_EQ(Publish(server.Port(), ReplacePolicy::Ask, "Demo"), PublishOutcome::Published) << Messages().front();
    EXPECT_TRUE(ResumedTheClip());
    EXPECT_EQ(testing::ReadBytes(arriving), bytes);
    EXPECT_EQ(testing::DifferingFiles(project, served.Path() / "Demo", true), std::vector<std::string>{});
}

TEST_F(RealServerRunTest, RenumberedPicturesAreRenamedOnTheServerNotSentAgain) {
    ExpectRenumberedPicturesRenamed(FtpServer{"ftp://127.0.0.1", server.Port(), "photo", "secret", 20}, "Thirty",
                                    served.Path() / "Thirty", true);
}

TEST_F(PublishRunTest, VsftpdRenamesRenumberedPictures) {
    if (const std::string why = testing::VsftpdServer::Unavailable(); !why.empty()) GTEST_SKIP() << why;
    testing::VsftpdServer server;
    ExpectRenumberedPicturesRenamed(FtpServer{"ftp://127.0.0.1", server.Port(), server.User(), server.Password(), 20},
                                    "www/Thirty", server.Home() / "www" / "Thirty", false);
}

// A folder and pages named with accents and in other scripts are made in
// one run and found in the next: this server offers UTF8 and gets the names
// in UTF-8.
TEST_F(RealServerRunTest, AFolderNamedInAnyScriptIsFoundAgainTheNextTime) {
    testing::WriteBytes(project / u8"\u00E9t\u00E9.htm", "<html></html>");
    testing::WriteBytes(project / u8"\u0141\u00F3d\u017A \u6771\u4EAC.htm", "<html></html>");
    built_site::Record(project);  // as a build that made them would
    for (int run = 0; run < 2; ++run) {
        progress.statuses.clear();
        ASSERT_EQ(Publish(server.Port(), ReplacePolicy::Changed, "Vacances \xE9t\xE9 &#26481;&#20140;"),
                  PublishOutcome::Published)
            << Messages().front();
        EXPECT_EQ(Messages(), std::vector<std::string>{});
    }
    EXPECT_EQ(progress.statuses.back(), Text(TextId::NothingToSend));
    const fs::path remote = served.Path() / u8"Vacances \u00E9t\u00E9 \u6771\u4EAC";
    EXPECT_EQ(testing::DifferingFiles(project, remote, true), std::vector<std::string>{});
    EXPECT_TRUE(fs::exists(remote / u8"\u0141\u00F3d\u017A \u6771\u4EAC.htm"));
}

TEST_F(RealServerRunTest, RefusalsAreToldInTheUsersLanguage) {
    // A wrong password.
    // A wrong password and a refused port: the same words, each with its own evidence.
    EXPECT_EQ(Publish(server.Port(), ReplacePolicy::All, "Demo", "wrong"), PublishOutcome::Failed);
    EXPECT_EQ(Messages(), std::vector<std::string>{Text(TextId::ConnectionFailed) + "\n530 Authentication failed."});
    dialogs.shown.clear();
    EXPECT_EQ(Publish(1, ReplacePolicy::All, "Demo"), PublishOutcome::Failed);
    EXPECT_EQ(Messages(), std::vector<std::string>{Text(TextId::ConnectionFailed) + "\nConnection refused"});

    // A remote path longer than the walk takes.
    dialogs.shown.clear();
    EXPECT_EQ(Publish(server.Port(), ReplacePolicy::All, std::string(401, 'a')), PublishOutcome::Failed);
    EXPECT_EQ(Messages(), std::vector<std::string>{Text(TextId::RemotePathTooLong)});
    EXPECT_TRUE(fs::is_empty(served.Path()));

    // A leading "/" starts from the server's top folder.
    dialogs.shown.clear();
    EXPECT_EQ(Publish(server.Port(), ReplacePolicy::All, "/Demo"), PublishOutcome::Published);
    EXPECT_EQ(Messages(), std::vector<std::string>{});
    EXPECT_TRUE(fs::exists(served.Path() / "Demo" / "index.html"));

    // Pictures cut in strips whose folder was never built: the picture folder fails.
    ProjectSettings settings;
    settings.LoadWorking(folder, "Demo");
    settings.Store(SettingLine::PictureStrips, "3");
    dialogs.shown.clear();
    EXPECT_EQ(Publish(server.Port(), ReplacePolicy::All, "Strips"), PublishOutcome::Failed);
    EXPECT_EQ(Messages(),
              std::vector<std::string>{Text(TextId::SendFolderError) + " " + (project / "morc_images").string() + "."});
    EXPECT_FALSE(fs::exists(served.Path() / "Strips" / "index.html"));
    EXPECT_TRUE(fs::is_directory(served.Path() / "Strips" / "morc_images"));
}

TEST_F(RealServerRunTest, ACancelBetweenStepsEndsTheRunSayingWhatWasSent) {
    progress.cancelWhen = [&] { return progress.steps >= 8; };
    EXPECT_EQ(Publish(server.Port(), ReplacePolicy::All, "Demo"), PublishOutcome::Cancelled);
    ASSERT_EQ(Messages().size(), 1u);
    const std::size_t files = testing::SiteFiles(project).size();
    // The pictures go first, the pages after them.
    EXPECT_EQ(
        Messages().front().rfind(Text(TextId::DoneBeforeStop) + " 1 / " + std::to_string(files) + "\n" +
                                     Text(TextId::NotDoneLabel) + " web_images/000002.jpg, web_images/000003.jpg, ",
                                 0),
        0u)
        << Messages().front();
    EXPECT_LT(testing::DifferingFiles(project, served.Path() / "Demo", true).size(),
              testing::SiteFiles(project).size());
    EXPECT_FALSE(testing::DifferingFiles(project, served.Path() / "Demo", true).empty());
}

TEST_F(PublishRunTest, ACancelledInputEndsTheRun) {
    testing::TempFolder served;
    testing::LocalFtpServer server(served.Path());
    EXPECT_EQ(Publish(server.Port(), ReplacePolicy::All, std::nullopt), PublishOutcome::Cancelled);
    EXPECT_TRUE(fs::is_empty(served.Path()));
}

TEST_F(PublishRunTest, VsftpdStoresTheSiteAsSent) {
    if (const std::string why = testing::VsftpdServer::Unavailable(); !why.empty()) GTEST_SKIP() << why;
    testing::VsftpdServer server;
    // This server takes names as bytes: the accented name goes as the
    // program holds it, and its listing gives it back alike.
    const auto run = [&](ReplacePolicy replace) {
        dialogs.textAnswers.push_back("site/../www/D\xE9mo");
        const PublishRequest request{
            folder, "Demo", FtpServer{"ftp://127.0.0.1", server.Port(), server.User(), server.Password(), 20}, replace};
        return PublishSite(request, language, dialogs, progress);
    };
    ASSERT_EQ(run(ReplacePolicy::Ask), PublishOutcome::Published);
    EXPECT_TRUE(Messages().empty()) << Messages().front();
    EXPECT_EQ(testing::DifferingFiles(project, server.Home() / "www" / "D\xE9mo", false), std::vector<std::string>{});
    // Again: the folders exist (this server refuses to make them twice) and
    // every file is one the server lists, with the size it was sent with.
    ASSERT_EQ(run(ReplacePolicy::Changed), PublishOutcome::Published);
    EXPECT_TRUE(Messages().empty()) << Messages().front();
    EXPECT_EQ(progress.plan.size(), testing::SiteFiles(project).size());
    for (const PlannedFile& file : progress.plan) {
        EXPECT_EQ(file.state, PlannedFile::State::Unchanged) << file.folder << "/" << file.name;
    }
}

// Scripted servers: failures a real server is hard to bring to.
class ScriptedRunTest : public PublishRunTest {
protected:
    void Start(testing::ScriptHook first, std::string greeting = "220 Hi\r\n") {
        server = std::make_unique<testing::ScriptedFtpServer>(greeting, testing::SmallSite(self, std::move(first)));
        self = server.get();
    }
    std::vector<std::string> Sent(const std::string& verb) const {
        std::vector<std::string> sent;
        for (const std::string& command : server->Commands()) {
            if (command.rfind(verb, 0) == 0) sent.push_back(command);
        }
        return sent;
    }

    testing::ScriptedFtpServer* self = nullptr;
    std::unique_ptr<testing::ScriptedFtpServer> server;
};

TEST_F(ScriptedRunTest, AnUploadTheServerCutsShortStopsTheRun) {
    Start([&](const std::string& command) -> std::optional<std::string> {
        if (command.rfind("STOR", 0) != 0) return std::nullopt;
        self->ReplyAfterData("426 Connection closed; transfer aborted.\r\n");
        return "150 Send it\r\n";
    });
    EXPECT_EQ(Publish(server->Port(), ReplacePolicy::All, "Demo"), PublishOutcome::Failed);
    // The server's reply, then what was sent and what was not.
    ASSERT_EQ(Messages().size(), 1u);
    EXPECT_EQ(Messages().front().rfind(Text(TextId::SendFolderError) + " " + (project / "web_images").string() + ".\n" +
                                           "426 Connection closed; transfer aborted.\n" + Text(TextId::DoneBeforeStop) +
                                           " 0 / ",
                                       0),
              0u)
        << Messages().front();
    EXPECT_EQ(Sent("STOR").size(), 1u);
}

// A folder the server did not enter, whatever it answered, gets no file: the
// site never lands in the login folder.
TEST_F(ScriptedRunTest, AFolderTheServerDidNotEnterStopsTheRunBeforeAnyFileIsSent) {
    for (const std::string reply : {"Folder changed\r\n", "211 Status\r\n", "550 No such folder\r\n"}) {
        Start([reply](const std::string& command) -> std::optional<std::string> {
            if (command.rfind("MKD", 0) == 0) return "550 Cannot create\r\n";
            if (command.rfind("CWD", 0) == 0) return reply;
            return std::nullopt;
        });
        dialogs.shown.clear();
        EXPECT_EQ(Publish(server->Port(), ReplacePolicy::All, "Vacances"), PublishOutcome::Failed) << reply;
        EXPECT_TRUE(Sent("STOR").empty()) << reply;
        ASSERT_EQ(Messages().size(), 1u) << reply;
        EXPECT_EQ(Messages()[0].rfind(Text(TextId::CannotCreateFolder), 0), 0u) << Messages()[0];
    }
    // A CWD that says yes but leaves the server where it was.
    Start([](const std::string& command) -> std::optional<std::string> {
        if (command == "PWD") return "257 \"/home/photo\" is current\r\n";
        return std::nullopt;
    });
    dialogs.shown.clear();
    EXPECT_EQ(Publish(server->Port(), ReplacePolicy::All, "Vacances"), PublishOutcome::Failed);
    EXPECT_TRUE(Sent("STOR").empty());
    ASSERT_EQ(Messages().size(), 1u);
    EXPECT_EQ(Messages()[0].rfind(Text(TextId::FolderNotEntered), 0), 0u) << Messages()[0];
}

TEST(WebFolderName, AProjectNameBecomesAFolderNameEveryServerAndBrowserKeeps) {
    EXPECT_EQ(WebFolderName("Vacances \xE9t\xE9 2024"), "Vacances_ete_2024");
    EXPECT_EQ(WebFolderName("\xC0 la f\xEAte: \xD7 \x8A"
                            "a\xEF"
                            "d"),
              "A_la_fete____Said");
    EXPECT_EQ(WebFolderName("Demo-1_b"), "Demo-1_b");
    EXPECT_EQ(WebFolderName("&#321;\xF3"
                            "d&#378; 2026"),
              "_od__2026");
    EXPECT_EQ(WebFolderName("&#26481;&#20140;"), "site");
}

TEST_F(ScriptedRunTest, AFolderNameWithALineBreakIsRefusedBeforeAnythingIsSent) {
    Start({});
    EXPECT_EQ(Publish(server->Port(), ReplacePolicy::All, "a\nDELE index.html"), PublishOutcome::Failed);
    EXPECT_TRUE(Sent("MKD").empty());
    EXPECT_TRUE(Sent("DELE").empty());
    ASSERT_EQ(Messages().size(), 1u);
    EXPECT_EQ(Messages()[0].rfind(Text(TextId::RemotePathUnusable), 0), 0u);
}

// This server did not offer UTF8: a name beyond Windows-1252 is refused,
// never sent as the reference the program keeps.
TEST_F(ScriptedRunTest, ANameBeyondWindows1252GoesOnlyToAServerThatTakesUtf8) {
    Start({});
    EXPECT_EQ(Publish(server->Port(), ReplacePolicy::All, "&#26481;&#20140;"), PublishOutcome::Failed);
    EXPECT_TRUE(Sent("MKD").empty());
    EXPECT_TRUE(Sent("STOR").empty());
    ASSERT_EQ(Messages().size(), 1u);
    EXPECT_NE(Messages()[0].find(Text(TextId::NameNeedsUtf8Server)), std::string::npos) << Messages()[0];
}

TEST_F(ScriptedRunTest, AListingTheServerCutsShortIsNotAnEmptyFolder) {
    Start([&](const std::string& command) -> std::optional<std::string> {
        if (command != "LIST") return std::nullopt;
        self->SendOnData("drwxr-xr-x 2 photo photo 4096 Jan 01 00:00 half\r\n");
        self->ReplyAfterData("451 Requested action aborted: local error.\r\n");
        return "150 Listing follows\r\n";
    });
    EXPECT_EQ(Publish(server->Port(), ReplacePolicy::All, "Demo"), PublishOutcome::Failed);
    EXPECT_TRUE(Sent("MKD").empty());
    EXPECT_TRUE(Sent("STOR").empty());
}

TEST_F(ScriptedRunTest, AGreetingAfterAPreliminaryReplyLogsIn) {
    Start({}, "120 Ready in a moment\r\n220 Ready\r\n");
    EXPECT_EQ(Publish(server->Port(), ReplacePolicy::All, "Demo"), PublishOutcome::Published);
    ASSERT_GE(server->Commands().size(), 1u);
    EXPECT_EQ(server->Commands()[0], "USER photo");
    EXPECT_EQ(Sent("STOR").size(), testing::SiteFiles(project).size());
}

TEST_F(ScriptedRunTest, AGreetingWithAnExtraLineIsReadWholeBeforeTheLogin) {
    Start({}, "220 Hi\r\n220 And welcome\r\n");
    EXPECT_EQ(Publish(server->Port(), ReplacePolicy::All, "Demo"), PublishOutcome::Published)
        << (Messages().empty() ? "" : Messages()[0]);
    EXPECT_EQ(Sent("PASS").size(), 1u);
    EXPECT_EQ(Sent("STOR").size(), testing::SiteFiles(project).size());
}

TEST_F(ScriptedRunTest, AnAccountAskedForAfterThePasswordIsAFailedLogin) {
    Start([](const std::string& command) -> std::optional<std::string> {
        if (command.rfind("PASS", 0) == 0) return "332 Need account for login.\r\n";
        return std::nullopt;
    });
    EXPECT_EQ(Publish(server->Port(), ReplacePolicy::All, "Demo"), PublishOutcome::Failed);
    EXPECT_EQ(Messages(), std::vector<std::string>{Text(TextId::ConnectionFailed) + "\n332 Need account for login."});
    EXPECT_TRUE(Sent("LIST").empty());
}

// Any permanent refusal of PASV (502 not implemented, 550 as vsftpd with
// passive mode off says it) falls back to PORT, on the control connection's
// own address.
TEST_F(ScriptedRunTest, ARefusedPassiveModeFallsBackToPortForTheSession) {
    for (const std::string refusal : {"502 Command not implemented.\r\n", "550 Permission denied.\r\n"}) {
        Start([refusal](const std::string& command) -> std::optional<std::string> {
            if (command == "PASV") return refusal;
            return std::nullopt;
        });
        EXPECT_EQ(Publish(server->Port(), ReplacePolicy::All, "Demo"), PublishOutcome::Published) << refusal;
        EXPECT_EQ(Sent("PASV").size(), 1u);
        EXPECT_EQ(Sent("PORT").size(), Sent("STOR").size() + Sent("LIST").size());
        for (const std::string& port : Sent("PORT")) EXPECT_EQ(port.rfind("PORT 127,0,0,1,", 0), 0u) << port;
        EXPECT_EQ(self->DataBytes(), [&] {
            std::uintmax_t total = 0;
            for (const fs::path& file : testing::SiteFiles(project)) total += fs::file_size(project / file);
            return total;
        }());
    }
}

TEST_F(ScriptedRunTest, ADataConnectionThatNeverComesEndsAtTheTimeOut) {
    Start([](const std::string& command) -> std::optional<std::string> {
        if (command == "PASV") return "502 Command not implemented.\r\n";
        if (command.rfind("PORT", 0) == 0) return "200 PORT ok\r\n";  // and it never connects
        return std::nullopt;
    });
    dialogs.textAnswers.push_back("Demo");
    const auto start = Clock::now();
    const PublishRequest request{folder, "Demo", FtpServer{"ftp://127.0.0.1", server->Port(), "photo", "secret", 1},
                                 ReplacePolicy::All};
    EXPECT_EQ(PublishSite(request, language, dialogs, progress), PublishOutcome::Failed);
    EXPECT_LT(Clock::now() - start, std::chrono::seconds(5));
    EXPECT_EQ(Messages(), std::vector<std::string>{Text(TextId::ServerTimedOut)});
}

TEST_F(ScriptedRunTest, OneCancelEndsARunWhoseServerWentSilent) {
    bool silent = false;
    Start([&](const std::string& command) -> std::optional<std::string> {
        if (command == "PASV") silent = true;
        if (silent) return std::string(testing::ScriptedFtpServer::kNoReply);
        return std::nullopt;
    });
    const auto start = Clock::now();
    progress.cancelWhen = [&] { return Clock::now() - start > std::chrono::milliseconds(500); };
    EXPECT_EQ(Publish(server->Port(), ReplacePolicy::All, "Demo"), PublishOutcome::Cancelled);
    ASSERT_TRUE(progress.cancelledAt);
    // The clean-up (QUIT to a server that no longer answers) is bounded too.
    EXPECT_LT(Clock::now() - *progress.cancelledAt, std::chrono::milliseconds(5000));
    EXPECT_TRUE(Messages().empty());
    EXPECT_EQ(Sent("QUIT").size(), 1u);
}

}  // namespace
}  // namespace palimora
