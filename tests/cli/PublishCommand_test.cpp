#include "cli/PublishCommand.h"
#include "cli/BuildCommand.h"
#include "cli/CommandSupport.h"
#include "cli/Terminal.h"
#include "common/Cp1252.h"
#include "common/ProgramFolder.h"
#include "lang/Language.h"
#include "tests/support/BuiltSite.h"
#include "tests/support/FtpServers.h"
#include "tests/support/Pictures.h"
#include "tests/support/TempFolder.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <deque>
#include <filesystem>
#include <sstream>

namespace palimora {
namespace {

namespace fs = std::filesystem;

class ScriptedTerminal : public Terminal {
public:
    bool attached = false;
    std::deque<std::string> lines;
    std::vector<std::string> prompts;
    bool Attached() const override { return attached; }
    std::optional<std::string> ReadLine(const std::string& prompt, bool) override {
        prompts.push_back(prompt);
        if (lines.empty()) return std::nullopt;
        std::string line = lines.front();
        lines.pop_front();
        return line;
    }
};

class PublishCommandTest : public ::testing::Test {
protected:
    PublishCommandTest() {
        testing::StageProgramFolder(program.Path());
        fs::copy(fs::path(PALIMORA_SOURCE_ASSETS) / "Projets" / "Demo", project, fs::copy_options::recursive);
        std::ostringstream built;
        if (BuildCommand(folder, {"Demo"}, built) != 0) ADD_FAILURE() << built.str();
        ::setenv("PALIMORA_FTP_PASSWORD", "secret", 1);
    }
    ~PublishCommandTest() override { ::unsetenv("PALIMORA_FTP_PASSWORD"); }

    int Run(std::vector<std::string> arguments) {
        messages.str({});
        return PublishCommand(folder, arguments, messages, terminal);
    }
    std::vector<std::string> To(int port, std::vector<std::string> more) {
        std::vector<std::string> arguments{"Demo",   "--host", "ftp://127.0.0.1", "--port", std::to_string(port),
                                           "--user", "photo"};
        arguments.insert(arguments.end(), more.begin(), more.end());
        return arguments;
    }
    std::string Printed() const { return messages.str(); }
    // The language the command line speaks here.
    Language Spoken() const {
        std::ostringstream ignored;
        return TerminalLanguage(folder, ignored);
    }

    testing::TempFolder program;
    ProgramFolder folder{program.Path()};
    fs::path project = program.Path() / "Projets" / "Demo";
    ScriptedTerminal terminal;
    std::ostringstream messages;
};

TEST_F(PublishCommandTest, ArgumentsItCannotUseEndWithStatus2AndAReason) {
    EXPECT_EQ(Run({"Demo", "--user", "photo", "--replace", "all"}), 2);
    EXPECT_NE(Printed().find("--host"), std::string::npos);
    EXPECT_EQ(Run(To(21, {"--replace", "sometimes"})), 2);
    EXPECT_EQ(Run(To(21, {"--port", "70000", "--replace", "all"})), 2);
    EXPECT_EQ(Run(To(21, {"--password", "secret", "--replace", "all"})), 2);
    EXPECT_NE(Printed().find("never"), std::string::npos);
    EXPECT_EQ(Run({"Missing", "--host", "h", "--user", "u", "--replace", "all"}), 2);
    // Without a terminal to ask on, the command will not guess.
    EXPECT_EQ(Run(To(21, {})), 2);
    EXPECT_NE(Printed().find("--replace"), std::string::npos);
    ::unsetenv("PALIMORA_FTP_PASSWORD");
    EXPECT_EQ(Run(To(21, {"--replace", "all"})), 2);
    EXPECT_NE(Printed().find("PALIMORA_FTP_PASSWORD"), std::string::npos);
}

TEST_F(PublishCommandTest, TheBuiltSiteIsSentThenOnlyTheChangedPictureAfterAPlan) {
    // The demo's size limit puts the site's pictures in web_images.
    testing::TempFolder served;
    testing::LocalFtpServer server(served.Path());
    ASSERT_EQ(Run(To(server.Port(), {"--folder", "albums/../Site", "--replace", "all"})), 0) << Printed();
    EXPECT_EQ(testing::DifferingFiles(project, served.Path() / "Site", true), std::vector<std::string>{});

    const fs::path picture = project / "web_images" / "000003.jpg";
    testing::WriteBytes(picture, testing::ReadBytes(picture) + "changed");
    const std::size_t files = testing::SiteFiles(project).size();
    ASSERT_EQ(Run(To(server.Port(), {"--folder", "Site", "--replace", "changed"})), 0) << Printed();
    const std::string printed = Printed();
    const Language language = Spoken();
    const std::string heading = Utf8FromCp1252(language.LangText(TextId::PlanHeading)).Bytes();
    EXPECT_NE(printed.find(heading + "\n" + Utf8FromCp1252(language.LangText(TextId::PlanChanged)).Bytes() +
                           "  web_images/000003.jpg  "),
              std::string::npos)
        << printed;
    EXPECT_NE(printed.find(Utf8FromCp1252(language.LangText(TextId::PlanUnchangedCount)).Bytes() + " " +
                           std::to_string(files - 1) + " ("),
              std::string::npos)
        << printed;
    // The plan comes before the first file is sent, and only the changed one is.
    const std::string sending = "] " + Utf8FromCp1252(language.LangText(TextId::Sending)).Bytes() + " ";
    ASSERT_NE(printed.find(sending + "000003.jpg"), std::string::npos);
    EXPECT_LT(printed.find(heading), printed.find(sending + "000003.jpg")) << printed;
    for (const fs::path& file : testing::SiteFiles(project)) {
        if (file.filename() == "000003.jpg") continue;
        EXPECT_EQ(printed.find(sending + file.filename().string() + "\n"), std::string::npos) << file;
    }
    EXPECT_EQ(testing::ReadBytes(served.Path() / "Site" / "web_images" / "000003.jpg"), testing::ReadBytes(picture));

    // Without --folder, the last folder published to there: nothing left to send.
    ASSERT_EQ(Run(To(server.Port(), {"--replace", "changed"})), 0) << Printed();
    EXPECT_NE(Printed().find(Utf8FromCp1252(language.LangText(TextId::NothingToSend)).Bytes()), std::string::npos)
        << Printed();
    EXPECT_FALSE(fs::exists(served.Path() / "Demo"));
}

TEST_F(PublishCommandTest, ACertificateThatDoesNotVerifyIsRefusedUnlessItsFingerprintIsGiven) {
    testing::TestCertificate certificate;
    testing::TempFolder served;
    testing::LocalFtpServer server(served.Path(), true, &certificate);
    const std::vector<std::string> ftps{
        "Demo", "--host", "ftps://127.0.0.1:" + std::to_string(server.Port()), "--user", "photo", "--replace", "all"};
    EXPECT_EQ(Run(ftps), 1);
    // The refusal prints the fingerprint to give next time, and nothing was sent.
    EXPECT_NE(Printed().find(certificate.Fingerprint()), std::string::npos) << Printed();
    EXPECT_TRUE(fs::is_empty(served.Path()));
    std::vector<std::string> trusting = ftps;
    trusting.insert(trusting.end(), {"--trust-fingerprint", certificate.Fingerprint()});
    EXPECT_EQ(Run(trusting), 0) << Printed();
    EXPECT_EQ(testing::DifferingFiles(project, served.Path() / "Demo", true), std::vector<std::string>{});
    EXPECT_EQ(Printed().find("secret"), std::string::npos);
    // Remembered for that host and port: the next run needs no fingerprint.
    EXPECT_EQ(Run(ftps), 0) << Printed();
}

TEST_F(PublishCommandTest, PlainFtpToABareHostNeedsToBeAskedFor) {
    testing::TempFolder served;
    testing::LocalFtpServer server(served.Path());
    std::vector<std::string> bare{"Demo",   "--host", "127.0.0.1", "--port", std::to_string(server.Port()),
                                  "--user", "photo",  "--replace", "all"};
    EXPECT_EQ(Run(bare), 1);
    EXPECT_NE(Printed().find(Utf8FromCp1252(Spoken().LangText(TextId::PlainFtpRefused)).Bytes()), std::string::npos)
        << Printed();
    EXPECT_TRUE(fs::is_empty(served.Path()));
    bare.push_back("--allow-plain");
    EXPECT_EQ(Run(bare), 0) << Printed();
    EXPECT_EQ(testing::DifferingFiles(project, served.Path() / "Demo", true), std::vector<std::string>{});
}

TEST_F(PublishCommandTest, OnATerminalThePlanIsAskedAboutOnceAndAnUnchangedSiteAsksNothing) {
    testing::TempFolder served;
    testing::LocalFtpServer server(served.Path());
    ASSERT_EQ(Run(To(server.Port(), {"--replace", "all"})), 0) << Printed();
    terminal.attached = true;
    EXPECT_EQ(Run(To(server.Port(), {})), 0) << Printed();
    EXPECT_EQ(terminal.prompts.size(), 0u);
    EXPECT_NE(Printed().find(Utf8FromCp1252(Spoken().LangText(TextId::NothingToSend)).Bytes()), std::string::npos)
        << Printed();

    const fs::path picture = project / "web_images" / "000002.jpg";
    testing::WriteBytes(picture, testing::ReadBytes(picture) + "changed");
    terminal.lines = {"7", ""};  // an answer that is no button, then Enter: the changes
    EXPECT_EQ(Run(To(server.Port(), {})), 0) << Printed();
    EXPECT_EQ(terminal.prompts.size(), 2u);
    EXPECT_NE(terminal.prompts.front().find(Utf8FromCp1252(Spoken().LangText(TextId::ChoiceKeys)).Bytes()),
              std::string::npos);
    EXPECT_EQ(testing::ReadBytes(served.Path() / "Demo" / "web_images" / "000002.jpg"), testing::ReadBytes(picture));
    // The end of the input stops the run: not everything was sent.
    testing::WriteBytes(picture, testing::ReadBytes(picture) + "again");
    terminal.prompts.clear();
    EXPECT_EQ(Run(To(server.Port(), {})), 1);
    EXPECT_EQ(terminal.prompts.size(), 1u);
}

TEST_F(PublishCommandTest, ASilentServerEndsTheRunAtTheTimeOut) {
    bool silent = false;
    testing::ScriptedFtpServer server("220 Hi\r\n", [&](const std::string& command) -> std::string {
        if (command == "PASV") silent = true;
        if (silent) return testing::ScriptedFtpServer::kNoReply;
        if (command.rfind("USER", 0) == 0) return "331 Password please\r\n";
        if (command.rfind("PASS", 0) == 0) return "230 Welcome\r\n";
        return "200 OK\r\n";
    });
    const auto start = std::chrono::steady_clock::now();
    EXPECT_EQ(Run(To(server.Port(), {"--replace", "all", "--timeout", "1"})), 1);
    // The time-out, then a clean-up of two seconds at most.
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(6));
    EXPECT_NE(Printed().find(Utf8FromCp1252(Spoken().LangText(TextId::ServerTimedOut)).Bytes()), std::string::npos)
        << Printed();
}

// Only a site whose build finished goes out: a build that failed, or none,
// leaves the server as it was, its home page included.
TEST_F(PublishCommandTest, AFailedOrMissingBuildIsNotPublishedAndTheLiveSiteStays) {
    testing::TempFolder served;
    testing::LocalFtpServer server(served.Path());
    ASSERT_EQ(Run(To(server.Port(), {"--replace", "all"})), 0) << Printed();
    const fs::path live = served.Path() / "Demo";
    const std::string home = testing::ReadBytes(live / "index.html");
    const std::string picture = testing::ReadBytes(live / "web_images" / "000002.jpg");

    testing::CutFile(project / "images" / "000002.jpg", 300);  // damaged: the next build fails
    std::ostringstream built;
    ASSERT_EQ(BuildCommand(folder, {"Demo"}, built), 1) << built.str();
    EXPECT_EQ(Run(To(server.Port(), {"--replace", "changed", "--delete"})), 1) << Printed();
    EXPECT_NE(Printed().find(Utf8FromCp1252(Spoken().LangText(TextId::NotBuiltYet)).Bytes()), std::string::npos)
        << Printed();
    EXPECT_EQ(testing::ReadBytes(live / "index.html"), home);
    EXPECT_EQ(testing::ReadBytes(live / "web_images" / "000002.jpg"), picture);
    EXPECT_TRUE(fs::exists(live / "Gal1.htm"));
    EXPECT_TRUE(fs::exists(live / "g1-000001.htm"));

    // A project never built sends nothing either.
    fs::copy(fs::path(PALIMORA_SOURCE_ASSETS) / "Projets" / "Demo", program.Path() / "Projets" / "Neuf",
             fs::copy_options::recursive);
    std::vector<std::string> arguments = To(server.Port(), {"--replace", "all"});
    arguments.front() = "Neuf";
    EXPECT_EQ(Run(arguments), 1) << Printed();
    EXPECT_FALSE(fs::exists(served.Path() / "Neuf"));
}

}  // namespace
}  // namespace palimora
