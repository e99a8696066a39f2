#include "common/ProgramFolder.h"
#include "lang/Language.h"
#include "publish/FtpClient.h"
#include "publish/IdentityCheck.h"
#include "publish/KnownServers.h"
#include "publish/PublicationRecord.h"
#include "publish/PublishRun.h"
#include "publish/SocketErrors.h"
#include "tests/publish/ObservedFtpClient.h"
#include "tests/publish/PublishTestSupport.h"
#include "tests/support/BuiltSite.h"
#include "tests/support/FailingReads.h"
#include "tests/support/FtpServers.h"
#include "tests/support/ScriptedDialogs.h"
#include "tests/support/TempFolder.h"

#include <gtest/gtest.h>

#include <cstdlib>

namespace palimora {
namespace {

namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;

// The demo site published to servers that speak TLS or SSH.
class SecurePublishTest : public testing::DemoSitePublishTest {
protected:
    PublishOutcome Publish(const std::string& host, const std::string& user, const std::string& password,
                           std::optional<std::string> remotePath = "Demo", int timeoutSeconds = 20,
                           std::string trusted = {}) {
        dialogs.textAnswers = {std::move(remotePath)};
        const PublishRequest request{folder, "Demo",
                                     FtpServer{host, 21, user, password, timeoutSeconds, std::move(trusted)},
                                     ReplacePolicy::All};
        return PublishSite(request, language, dialogs, progress);
    }

    // The identity questions asked, in order.
    std::vector<std::string> Questions() const {
        std::vector<std::string> questions;
        for (const std::string& text : dialogs.shown) {
            if (text.find(Text(TextId::FingerprintLabel)) != std::string::npos) questions.push_back(text);
        }
        return questions;
    }
    // Whether a file under `root` holds `text`.
    static bool AnyFileHolds(const fs::path& root, const std::string& text) {
        std::error_code error;
        for (auto entry = fs::recursive_directory_iterator(root, error); entry != fs::recursive_directory_iterator();
             entry.increment(error)) {
            if (entry->is_regular_file() && testing::ReadBytes(entry->path()).find(text) != std::string::npos) {
                return true;
            }
        }
        return false;
    }
    // Everything the run showed or reported.
    std::string AllItWrote() const {
        std::string all;
        for (const std::string& text : dialogs.shown) all += text + "\n";
        for (const std::string& text : progress.statuses) all += text + "\n";
        return all;
    }
};

class FtpsPublishTest : public SecurePublishTest {
protected:
    std::string Address(const std::string& prefix) const {
        return prefix + "127.0.0.1:" + std::to_string(server.Port());
    }

    testing::TestCertificate certificate;
    testing::TempFolder served;
    testing::LocalFtpServer server{served.Path(), true, &certificate};
};

TEST_F(FtpsPublishTest, TheSiteArrivesOverTlsAfterOneQuestionAboutTheCertificate) {
    dialogs.answers = {kModalYes};
    ASSERT_EQ(Publish(Address("ftps://"), "photo", "secret"), PublishOutcome::Published) << AllItWrote();
    EXPECT_EQ(testing::DifferingFiles(project, served.Path() / "Demo", true), std::vector<std::string>{});
    // Asked once for the control connection and every data connection.
    const auto questions = Questions();
    ASSERT_EQ(questions.size(), 1u);
    EXPECT_NE(questions[0].find(Text(TextId::UntrustedCertificate)), std::string::npos);
    EXPECT_NE(questions[0].find(certificate.Fingerprint()), std::string::npos);
    EXPECT_NE(questions[0].find("self-signed"), std::string::npos) << questions[0];
    EXPECT_EQ(Messages().size(), 1u);
    // The password is nowhere the run wrote: its messages and statuses, the
    // program folder, the server's files.
    EXPECT_EQ(AllItWrote().find("secret"), std::string::npos);
    EXPECT_FALSE(AnyFileHolds(program.Path(), "secret"));
    EXPECT_FALSE(AnyFileHolds(served.Path(), "secret"));
}

TEST_F(FtpsPublishTest, ABareHostTakesTlsWhenTheServerOffersIt) {
    // This server refuses a login without TLS: publishing works only if
    // the client asked for TLS by itself.
    dialogs.answers = {kModalYes};
    EXPECT_FALSE(HostOfferedTls(project, "127.0.0.1"));
    ASSERT_EQ(Publish(Address(""), "photo", "secret"), PublishOutcome::Published) << AllItWrote();
    EXPECT_EQ(Questions().size(), 1u);
    EXPECT_EQ(testing::DifferingFiles(project, served.Path() / "Demo", true), std::vector<std::string>{});
    EXPECT_TRUE(HostOfferedTls(project, "127.0.0.1"));  // remembered with the project
}

// Plain FTP agreed to once for a server is not asked about again.
TEST_F(SecurePublishTest, PlainFtpAgreedToIsRememberedForTheServer) {
    testing::TempFolder served;
    testing::LocalFtpServer server(served.Path());
    const std::string address = "127.0.0.1:" + std::to_string(server.Port());
    dialogs.answers = {kModalYes};
    ASSERT_EQ(Publish(address, "photo", "secret"), PublishOutcome::Published) << AllItWrote();
    EXPECT_EQ(Messages().size(), 1u);
    dialogs.shown.clear();
    ASSERT_EQ(Publish(address, "photo", "secret"), PublishOutcome::Published) << AllItWrote();
    EXPECT_EQ(Messages(), std::vector<std::string>{});
    EXPECT_EQ(testing::DifferingFiles(project, served.Path() / "Demo", true), std::vector<std::string>{});
}

TEST_F(FtpsPublishTest, ACertificateRefusedEndsTheRunAndOneNamedIsTakenWithoutAsking) {
    dialogs.answers = {kModalCancel};
    EXPECT_EQ(Publish(Address("ftps://"), "photo", "secret"), PublishOutcome::Cancelled);
    EXPECT_EQ(Questions().size(), 1u);
    EXPECT_EQ(Messages().size(), 1u);  // the question, and no failure told after it
    EXPECT_TRUE(fs::is_empty(served.Path()));

    // Another fingerprint is no permission.
    dialogs.shown.clear();
    EXPECT_EQ(Publish(Address("ftps://"), "photo", "secret", "Demo", 20, std::string(64, 'A')),
              PublishOutcome::Cancelled);
    EXPECT_EQ(Questions().size(), 1u);

    // The fingerprint given ahead (any letter case, without colons), then
    // remembered for this host and port.
    dialogs.shown.clear();
    std::string fingerprint;
    for (const char c : certificate.Fingerprint()) {
        if (c != ':') fingerprint += static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    }
    EXPECT_EQ(Publish(Address("ftps://"), "photo", "secret", "Demo", 20, fingerprint), PublishOutcome::Published);
    EXPECT_EQ(Publish(Address("ftps://"), "photo", "secret", "Demo", 20), PublishOutcome::Published);
    EXPECT_TRUE(Questions().empty());
}

TEST_F(FtpsPublishTest, ACancelBetweenStepsEndsATlsRunSayingWhatWasSent) {
    dialogs.answers = {kModalYes};
    // Cancelled while the second file goes: the folders and the first file
    // are on the server, the rest is not.
    progress.cancelWhen = [&] { return progress.steps >= 10; };
    EXPECT_EQ(Publish(Address("ftps://"), "photo", "secret"), PublishOutcome::Cancelled);
    ASSERT_EQ(Messages().size(), Questions().size() + 1);
    EXPECT_EQ(Messages().back().rfind(Text(TextId::DoneBeforeStop) + " 2 / ", 0), 0u) << Messages().back();
    const auto differing = testing::DifferingFiles(project, served.Path() / "Demo", true);
    EXPECT_LT(differing.size(), testing::SiteFiles(project).size());
    EXPECT_FALSE(differing.empty());
}

TEST_F(SecurePublishTest, VsftpdWithTlsAndSessionReuseStoresTheSiteAsSent) {
    if (const std::string why = testing::VsftpdServer::Unavailable(); !why.empty()) GTEST_SKIP() << why;
    testing::TestCertificate certificate;
    testing::VsftpdServer server(&certificate);
    const std::string host = "ftps://127.0.0.1:" + std::to_string(server.Port());
    ASSERT_EQ(Publish(host, server.User(), server.Password(), "www/Demo", 20, certificate.Fingerprint()),
              PublishOutcome::Published)
        << AllItWrote();
    EXPECT_TRUE(Messages().empty()) << Messages().front();
    EXPECT_EQ(testing::DifferingFiles(project, server.Home() / "www" / "Demo", false), std::vector<std::string>{});
    EXPECT_EQ(AllItWrote().find(server.Password()), std::string::npos);
}

// A keep-alive that cancels the client's transfer at one of its calls.
class CancellingKeepAlive : public KeepAlive {
public:
    int calls = 0;
    int cancelAt = -1;
    FtpClient* client = nullptr;
    bool CancelRequested() override {
        if (++calls == cancelAt) client->AbortTransfer();
        return false;
    }
};

TEST(FtpsClient, AnUploadCancelledOverTlsLeavesTheSessionForTheNextTransfers) {
    if (const std::string why = testing::VsftpdServer::Unavailable(); !why.empty()) GTEST_SKIP() << why;
    testing::TestCertificate certificate;
    testing::VsftpdServer server(&certificate);
    testing::TempFolder local;
    std::string bytes(6'000'000, '\0');
    for (std::size_t i = 0; i < bytes.size(); ++i) bytes[i] = static_cast<char>((i * 7919) >> 3);
    testing::WriteBytes(local.Path() / "big.bin", bytes);

    CancellingKeepAlive keepAlive;
    testing::ObservedFtpClient client(&keepAlive);
    keepAlive.client = &client;
    client.settings.host = "127.0.0.1";
    client.settings.port = server.Port();
    client.settings.user = server.User();
    client.settings.password = server.Password();
    client.settings.passive = true;
    client.settings.security = FtpClient::Encryption::Required;
    int asked = 0;
    client.OnUntrustedCertificate = [&](const IdentityCheck& check) {
        ++asked;
        return SameFingerprint(check.fingerprint, certificate.Fingerprint());
    };
    client.OpenSession();
    ASSERT_TRUE(client.Secure());
    client.SetTransferType(2);
    keepAlive.cancelAt = keepAlive.calls + 5;
    EXPECT_THROW(client.UploadFile(local.Path() / "big.bin"), AbortError);
    client.ForgetCancel();
    // This server refuses a data connection that does not resume the
    // control connection's session: the cut one did not spoil it.
    client.UploadFile(local.Path() / "big.bin", "whole.bin");
    EXPECT_EQ(testing::ReadBytes(server.Home() / "whole.bin"), bytes);
    client.ListFolder();
    EXPECT_TRUE(client.Listing()->Contains("whole.bin"));
    EXPECT_GE(asked, 1);
    client.CloseSession();
}

// Scripted servers: a server without TLS, and one that goes silent in the handshake.
class ScriptedTlsTest : public SecurePublishTest {
protected:
    void Start(testing::ScriptHook first) {
        server = std::make_unique<testing::ScriptedFtpServer>("220 Hi\r\n", testing::SmallSite(self, std::move(first)));
        self = server.get();
    }
    bool Received(const std::string& verb) const {
        for (const std::string& command : server->Commands()) {
            if (command.rfind(verb, 0) == 0) return true;
        }
        return false;
    }
    std::string Address(const std::string& prefix) const {
        return prefix + "127.0.0.1:" + std::to_string(server->Port());
    }

    testing::ScriptedFtpServer* self = nullptr;
    std::unique_ptr<testing::ScriptedFtpServer> server;
};

TEST_F(ScriptedTlsTest, WithoutTlsAtTheServerFtpsFailsBeforeTheLoginAndABareHostGoesOnPlain) {
    Start([](const std::string& command) -> std::optional<std::string> {
        if (command == "AUTH TLS") return "500 Command not understood.\r\n";
        return std::nullopt;
    });
    EXPECT_EQ(Publish(Address("ftps://"), "photo", "secret"), PublishOutcome::Failed);
    EXPECT_EQ(Messages(), std::vector<std::string>{Text(TextId::ConnectionFailed) + "\n500 Command not understood."});
    EXPECT_FALSE(Received("USER"));
    EXPECT_FALSE(Received("PASS"));

    // A bare host: plain FTP only once the user agreed, before the user name
    // and password go; the answer is remembered for that server.
    const auto withoutTls = [](const std::string& command) -> std::optional<std::string> {
        if (command == "AUTH TLS") return "534 Policy requires no TLS.\r\n";
        return std::nullopt;
    };
    for (const int answer : {kModalCancel, kModalYes}) {
        dialogs.shown.clear();
        dialogs.answers = {answer};
        Start(withoutTls);
        EXPECT_EQ(Publish(Address(""), "photo", "secret"),
                  answer == kModalYes ? PublishOutcome::Published : PublishOutcome::Cancelled);
        ASSERT_FALSE(dialogs.shown.empty());
        EXPECT_EQ(dialogs.shown.front().rfind(Text(TextId::PlainFtpQuestion), 0), 0u) << dialogs.shown.front();
        EXPECT_EQ(Received("PASS"), answer == kModalYes);
        EXPECT_EQ(Received("USER"), answer == kModalYes);
    }
    EXPECT_EQ(server->Commands().front(), "AUTH TLS");
    EXPECT_FALSE(Received("PBSZ"));

    // A host that once took TLS and now refuses it gets no password in clear.
    NoteHostOffersTls(project, "127.0.0.1");
    dialogs.shown.clear();
    Start([](const std::string& command) -> std::optional<std::string> {
        if (command == "AUTH TLS") return "500 Command not understood.\r\n";
        return std::nullopt;
    });
    EXPECT_EQ(Publish(Address(""), "photo", "secret"), PublishOutcome::Failed);
    EXPECT_EQ(Messages(), std::vector<std::string>{Text(TextId::TlsNoLongerOffered) + "\n500 Command not understood."});
    EXPECT_FALSE(Received("PASS"));

    // ftp:// never asks.
    Start({});
    EXPECT_EQ(Publish(Address("ftp://"), "photo", "secret"), PublishOutcome::Published);
    EXPECT_EQ(server->Commands().front(), "USER photo");
}

TEST_F(ScriptedTlsTest, AHandshakeThatNeverEndsStopsAtTheTimeOutOrAtCancel) {
    Start([](const std::string& command) -> std::optional<std::string> {
        if (command == "AUTH TLS") return "234 Go ahead.\r\n";  // and then no handshake
        return std::nullopt;
    });
    const auto start = Clock::now();
    EXPECT_EQ(Publish(Address("ftps://"), "photo", "secret", "Demo", 1), PublishOutcome::Failed);
    EXPECT_LT(Clock::now() - start, std::chrono::seconds(5));
    EXPECT_EQ(Messages(),
              std::vector<std::string>{Text(TextId::ConnectionFailed) + " " + Text(TextId::ServerTimedOut)});
    EXPECT_FALSE(Received("USER"));

    dialogs.shown.clear();
    Start([](const std::string& command) -> std::optional<std::string> {
        if (command == "AUTH TLS") return "234 Go ahead.\r\n";
        return std::nullopt;
    });
    const auto begun = Clock::now();
    progress.cancelWhen = [&] { return Clock::now() - begun > std::chrono::milliseconds(300); };
    EXPECT_EQ(Publish(Address("ftps://"), "photo", "secret", "Demo", 0), PublishOutcome::Cancelled);
    ASSERT_TRUE(progress.cancelledAt);
    EXPECT_LT(Clock::now() - *progress.cancelledAt, std::chrono::milliseconds(5000));
    EXPECT_TRUE(Messages().empty());
}

// sshd with its own host key; the known hosts are read from a HOME of the test's own.
class SftpPublishTest : public SecurePublishTest {
protected:
    void SetUp() override {
        if (const std::string why = testing::SshServer::Unavailable(); !why.empty()) GTEST_SKIP() << why;
        server = std::make_unique<testing::SshServer>();
        if (const char* saved = std::getenv("HOME")) savedHome = saved;
        ::setenv("HOME", home.Path().c_str(), 1);
        fs::create_directories(home.Path() / ".ssh");
    }
    void TearDown() override {
        if (savedHome) ::setenv("HOME", savedHome->c_str(), 1);
    }
    void KnowHost(const std::string& line) { testing::WriteBytes(home.Path() / ".ssh" / "known_hosts", line + "\n"); }
    PublishOutcome PublishBySftp(std::optional<std::string> remotePath = "www/Demo") {
        return Publish("sftp://127.0.0.1:" + std::to_string(server->Port()), server->User(), server->Password(),
                       std::move(remotePath));
    }

    testing::TempFolder home;
    std::optional<std::string> savedHome;
    std::unique_ptr<testing::SshServer> server;
};

TEST_F(SftpPublishTest, AKnownHostGetsTheSiteByteForByteWithoutAQuestion) {
    KnowHost(server->KnownHostsLine());
    // Names go in UTF-8, and are found again so.
    ASSERT_EQ(PublishBySftp("www/D\xE9mo"), PublishOutcome::Published) << AllItWrote();
    EXPECT_TRUE(Messages().empty()) << Messages().front();
    EXPECT_EQ(testing::DifferingFiles(project, server->Home() / "www" / "D\u00E9mo", false),
              std::vector<std::string>{});
    // Again: every file is as it was sent.
    dialogs.shown.clear();
    dialogs.textAnswers = {"www/D\xE9mo"};
    const PublishRequest request{
        folder, "Demo",
        FtpServer{"sftp://127.0.0.1:" + std::to_string(server->Port()), 21, server->User(), server->Password(), 20, {}},
        ReplacePolicy::Changed};
    ASSERT_EQ(PublishSite(request, language, dialogs, progress), PublishOutcome::Published);
    EXPECT_EQ(progress.plan.size(), testing::SiteFiles(project).size());
    for (const PlannedFile& file : progress.plan) {
        EXPECT_EQ(file.state, PlannedFile::State::Unchanged) << file.folder << "/" << file.name;
    }
    EXPECT_EQ(AllItWrote().find(server->Password()), std::string::npos);
    EXPECT_FALSE(AnyFileHolds(program.Path(), server->Password()));
    EXPECT_FALSE(AnyFileHolds(home.Path(), server->Password()));
}

// A large file cut off on its way is sent on from where it stopped.
TEST_F(SftpPublishTest, ALargeFileCutOffIsSentOnFromWhereItStopped) {
    KnowHost(server->KnownHostsLine());
    const fs::path arriving = server->Home() / "www" / "Demo" / "clips" / "000001.mp4";
    const std::string bytes = AddLargeClipCutOffOnItsWay(arriving);
    EXPECT_EQ(PublishBySftp(), PublishOutcome::Cancelled);
    ASSERT_GT(fs::file_size(arriving), 0u);
    ASSERT_LT(fs::file_size(arriving), bytes.size());

    progress = {};
    ASSERT_EQ(PublishBySftp(), PublishOutcome::Published) << AllItWrote();
    EXPECT_TRUE(ResumedTheClip());
    EXPECT_EQ(testing::ReadBytes(arriving), bytes);
    EXPECT_EQ(testing::DifferingFiles(project, server->Home() / "www" / "Demo", false), std::vector<std::string>{});
}

TEST_F(SftpPublishTest, AnUnknownHostKeyIsAskedAboutWithItsFingerprint) {
    dialogs.answers = {kModalYes};
    ASSERT_EQ(PublishBySftp(), PublishOutcome::Published) << AllItWrote();
    const auto questions = Questions();
    ASSERT_EQ(questions.size(), 1u);
    EXPECT_NE(questions[0].find(Text(TextId::UnknownHostKey)), std::string::npos);
    EXPECT_NE(questions[0].find(server->Fingerprint()), std::string::npos) << questions[0];
    EXPECT_TRUE(fs::exists(server->Home() / "www" / "Demo" / "index.html"));
    // The key is not written to ssh's known hosts, but remembered by the
    // program for this host and port: the next publication asks nothing.
    EXPECT_FALSE(fs::exists(home.Path() / ".ssh" / "known_hosts"));
    dialogs.shown.clear();
    ASSERT_EQ(PublishBySftp(), PublishOutcome::Published) << AllItWrote();
    EXPECT_EQ(Questions(), std::vector<std::string>{});
}

// A key other than the one accepted before: a warning naming both, refused
// by default with nothing sent; accepted, it replaces the one remembered.
TEST_F(SftpPublishTest, AKeyOtherThanTheOneAcceptedStopsTheRunUnlessAccepted) {
    const std::string named = "127.0.0.1:" + std::to_string(server->Port());
    const std::string before = "SHA256:AAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAA";
    testing::WriteBytes(KnownServersFile(program.Path()), named + " ssh-key " + before + "\r\n");
    for (const int answer : {kModalCancel, kModalYes}) {
        dialogs.shown.clear();
        dialogs.answers = {answer};
        EXPECT_EQ(PublishBySftp(), answer == kModalYes ? PublishOutcome::Published : PublishOutcome::Cancelled);
        const auto questions = Questions();
        ASSERT_EQ(questions.size(), 1u);
        EXPECT_EQ(questions[0].rfind(Text(TextId::IdentityChanged), 0), 0u);
        EXPECT_NE(questions[0].find(Text(TextId::AcceptedBeforeLabel) + " " + before), std::string::npos);
        EXPECT_NE(questions[0].find(server->Fingerprint()), std::string::npos) << questions[0];
        EXPECT_EQ(fs::exists(server->Home() / "www"), answer == kModalYes);
    }
    EXPECT_EQ(KnownServers(KnownServersFile(program.Path())).Accepted(named, KnownServers::Kind::HostKey),
              server->Fingerprint());
}

TEST_F(SftpPublishTest, AChangedHostKeyIsWarnedAboutAndRefusedOnCancelWithNothingSent) {
    KnowHost(server->OtherKeyLine());
    dialogs.answers = {kModalCancel};
    EXPECT_EQ(PublishBySftp(), PublishOutcome::Cancelled);
    const auto questions = Questions();
    ASSERT_EQ(questions.size(), 1u);
    EXPECT_NE(questions[0].find(Text(TextId::ChangedHostKey)), std::string::npos);
    EXPECT_FALSE(fs::exists(server->Home() / "www"));
}

TEST_F(SftpPublishTest, RenumberedPicturesAreRenamedOnTheServerNotSentAgain) {
    KnowHost(server->KnownHostsLine());
    ExpectRenumberedPicturesRenamed(
        FtpServer{"sftp://127.0.0.1:" + std::to_string(server->Port()), 21, server->User(), server->Password(), 20},
        "www/Thirty", server->Home() / "www" / "Thirty", false);
}

// A picture whose disk fails in the middle of it stops the run with its
// name; it is not recorded as sent, so the next publication sends it whole.
TEST_F(SftpPublishTest, APictureThatCannotBeReadToItsEndStopsTheRunAndGoesWholeNextTime) {
    KnowHost(server->KnownHostsLine());
    fs::path picture;
    for (const fs::path& file : testing::SiteFiles(project)) {
        if (file.extension() == ".jpg" &&
            (picture.empty() || fs::file_size(project / file) > fs::file_size(project / picture)))
            picture = file;
    }
    ASSERT_GT(fs::file_size(project / picture), 4000u);
    {
        const testing::FailingReads reads(project / picture, 2000);
        EXPECT_EQ(PublishBySftp(), PublishOutcome::Failed);
        EXPECT_TRUE(reads.Failed());
    }
    EXPECT_NE(AllItWrote().find(picture.filename().string()), std::string::npos) << AllItWrote();
    ASSERT_EQ(PublishBySftp(), PublishOutcome::Published) << AllItWrote();
    EXPECT_EQ(testing::DifferingFiles(project, server->Home() / "www" / "Demo", false), std::vector<std::string>{});
}

TEST_F(SftpPublishTest, AWrongPasswordIsAFailedConnection) {
    KnowHost(server->KnownHostsLine());
    dialogs.textAnswers = {"Demo"};
    const PublishRequest request{
        folder, "Demo",
        FtpServer{"sftp://127.0.0.1:" + std::to_string(server->Port()), 21, server->User(), "Wrong-password-9", 20, {}},
        ReplacePolicy::All};
    EXPECT_EQ(PublishSite(request, language, dialogs, progress), PublishOutcome::Failed);
    ASSERT_EQ(Messages().size(), 1u);
    EXPECT_EQ(Messages().front().rfind(Text(TextId::ConnectionFailed) + "\n", 0), 0u);
    EXPECT_NE(Messages().front().find("Access denied"), std::string::npos) << Messages().front();
    EXPECT_EQ(AllItWrote().find("Wrong-password-9"), std::string::npos);
}

TEST_F(SftpPublishTest, ACancelDuringTheUploadsEndsTheRun) {
    KnowHost(server->KnownHostsLine());
    progress.cancelWhen = [&] { return progress.steps >= 12; };
    EXPECT_EQ(PublishBySftp(), PublishOutcome::Cancelled);
    ASSERT_EQ(Messages().size(), 1u);
    EXPECT_EQ(Messages().front().rfind(Text(TextId::DoneBeforeStop), 0), 0u) << Messages().front();
    EXPECT_LT(testing::DifferingFiles(project, server->Home() / "www" / "Demo", false).size(),
              testing::SiteFiles(project).size());
}

}  // namespace
}  // namespace palimora
