#include "common/ProgramFolder.h"
#include "common/ui/ScreenText.h"
#include "lang/Language.h"
#include "lang/LanguageChoice.h"
#include "lang/TextId.h"
#include "project/SiteAddress.h"
#include "publish/ui/FtpSettingsWindow.h"
#include "publish/ui/TransferWindow.h"
#include "tests/support/BuiltSite.h"
#include "tests/support/FtpServers.h"
#include "tests/support/Screenshots.h"
#include "tests/support/ScriptedDialogs.h"
#include "tests/support/TempFolder.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QtTest>

using namespace palimora;

class TestPublishWindows : public QObject {
    Q_OBJECT

private:
    testing::TempFolder temp_;
    ProgramFolder folder_{temp_.Path()};
    Language language_;
    testing::ScriptedDialogs dialogs_;
    int helpShown_ = 0;
    std::vector<std::string> opened_;

    QString Text(TextId id) const { return ToScreen(language_.LangText(id)); }

    std::unique_ptr<FtpSettingsWindow> Settings(FtpServer& server) {
        return std::make_unique<FtpSettingsWindow>(
            server, language_, dialogs_, "Vacances d'\xE9t\xE9", [this] { ++helpShown_; }, nullptr);
    }

    static void Fill(FtpSettingsWindow& window, const char* host, const char* user, const char* password) {
        window.HostEdit->setText(QString::fromUtf8(host));
        window.UserEdit->setText(QString::fromUtf8(user));
        window.PasswordEdit->setText(QString::fromUtf8(password));
    }

    // A transfer window whose run is `run`; the page "see online" opens is index.html.
    std::unique_ptr<TransferWindow> Transfer(FtpServer server, TransferWindow::Run run,
                                             std::string page = "index.html") {
        return std::make_unique<TransferWindow>(
            folder_, "Vacances", std::move(server), std::move(page), language_, dialogs_,
            [this](const std::string& address) { opened_.push_back(address); }, nullptr, std::move(run));
    }

    // A run that asks the remote path as the publishing run does, counts
    // three steps and sends everything.
    TransferWindow::Run PublishingRun(PublishRequest* seen = nullptr) {
        return [this, seen](const PublishRequest& request, const Language&, UserDialogs& dialogs,
                            PublishProgress& progress) {
            if (seen) *seen = request;
            progress.SetMaximum(3);
            if (!dialogs.AskText(language_.LangText(TextId::ServerFolder),
                                 language_.LangText(TextId::PublishFolderLabel), "Vacances")) {
                return PublishOutcome::Cancelled;
            }
            for (int step = 0; step < 3; ++step) {
                if (progress.CancelRequested()) return PublishOutcome::Cancelled;
                progress.SetStatus(language_.LangText(TextId::Sending) + " index.html");
                progress.Step();
            }
            progress.SetStatus(language_.LangText(TextId::PublishingFinished));
            return PublishOutcome::Published;
        };
    }

private slots:
    void initTestCase() {
        testing::StageProgramFolder(temp_.Path());
        language_.LoadChosen(folder_);
    }

    void init() {
        dialogs_ = {};
        helpShown_ = 0;
        opened_.clear();
    }

    void theSettingsWindowIsLaidOutAsDesigned() {
        FtpServer server;
        auto window = Settings(server);
        window->show();
        QCOMPARE(window->size(), QSize(401, 266));
        QCOMPARE(window->windowTitle(), Text(TextId::PublishTitle));
        QCOMPARE(window->FolderHint->text(),
                 QStringLiteral("Le projet Vacances d'été sera publié dans le dossier du serveur que vous choisirez."));
        QCOMPARE(window->UserHint->text(), Text(TextId::AskYourHost));
        QCOMPARE(window->HelpButton->text(), Text(TextId::HelpButton));
        QCOMPARE(window->OkButton->geometry(), QRect(16, 232, 105, 25));
        QCOMPARE(window->PasswordEdit->pos(), QPoint(128, 160));
        // The password shows as dollars.
        window->PasswordEdit->setText(QStringLiteral("abc"));
        QCOMPARE(window->PasswordEdit->displayText(), QStringLiteral("$$$"));
        window->RememberBox->setChecked(true);
        testing::SaveScreenshot(window.get(), QStringLiteral("ftp-settings"), QStringLiteral("light"));
    }

    void noCaptionRunsIntoItsFieldOrOutOfTheWindowInAnyLanguage() {
        const std::vector<AvailableLanguage> languages = AvailableLanguages(folder_);
        QCOMPARE(languages.size(), std::size_t{4});
        for (const AvailableLanguage& available : languages) {
            Language language;
            language.Choose(folder_, available.name);
            FtpServer server;
            FtpSettingsWindow window(server, language, dialogs_, "Vacances", {}, nullptr);
            window.show();
            for (QLabel* label : {window.HostLabel, window.UserLabel, window.PasswordLabel}) {
                QVERIFY2(label->geometry().right() < window.HostEdit->x(), qPrintable(label->text()));
            }
            for (QLabel* label : {window.HostExample, window.UserHint, window.PasswordHint, window.FolderHint}) {
                QVERIFY2(label->geometry().right() < window.width(), qPrintable(label->text()));
            }
            QVERIFY(window.FolderHint->geometry().bottom() < window.UserEdit->y());
            QVERIFY2(window.RememberBox->x() + window.RememberBox->sizeHint().width() < window.width(),
                     qPrintable(window.RememberBox->text()));
            QVERIFY(window.RememberBox->geometry().top() > window.PasswordEdit->geometry().bottom());
            QVERIFY(window.RememberBox->geometry().bottom() < window.OkButton->y());

            TransferWindow transfer(folder_, "Vacances", server, "index.html", language, dialogs_, {}, nullptr);
            for (QPushButton* button : {transfer.ResultButton, transfer.CancelButton}) {
                QVERIFY2(button->width() >= button->sizeHint().width(), qPrintable(button->text()));
            }
        }
    }

    // Typing straight away goes to the first empty field, so that a password
    // never lands in clear in the server's field.
    void theFocusGoesToTheFirstEmptyField() {
        FtpServer server;
        for (const auto& [host, user, expected] : {std::tuple{"", "", 0}, std::tuple{"ftp.hebergeur.fr", "", 1},
                                                   std::tuple{"ftp.hebergeur.fr", "marie", 2}}) {
            server.host = host;
            server.user = user;
            auto window = Settings(server);
            window->show();
            QVERIFY(QTest::qWaitForWindowExposed(window.get()));
            QWidget* const fields[] = {window->HostEdit, window->UserEdit, window->PasswordEdit};
            QCOMPARE(window->focusWidget(), fields[expected]);
        }
    }

    void okNeedsAllThreeFields() {
        FtpServer server;
        auto window = Settings(server);
        QVERIFY(!window->OkButton->isEnabled());
        Fill(*window, "ftp.hebergeur.fr", "marie", "");
        QVERIFY(!window->OkButton->isEnabled());
        window->PasswordEdit->setText(QStringLiteral("s"));
        QVERIFY(window->OkButton->isEnabled());
        for (QLineEdit* field : {window->HostEdit, window->UserEdit, window->PasswordEdit}) {
            const QString kept = field->text();
            field->clear();
            QVERIFY(!window->OkButton->isEnabled());
            field->setText(kept);
            QVERIFY(window->OkButton->isEnabled());
        }
    }

    void okStoresTheServerAndTheSecondOpeningAsksThePasswordAgain() {
        FtpServer server;
        auto first = Settings(server);
        Fill(*first, "ftp.hebergeur.fr", "marie", "s3cret");
        dialogs_.answers = {kModalYes};
        QTest::mouseClick(first->OkButton, Qt::LeftButton);
        QCOMPARE(first->result(), int(kModalYes));
        QCOMPARE(dialogs_.shown.back(), language_.LangText(TextId::PublishQuestion));
        QCOMPARE(server.host, std::string("ftp.hebergeur.fr"));
        QCOMPARE(server.user, std::string("marie"));
        QCOMPARE(server.password, std::string("s3cret"));

        auto second = Settings(server);
        QCOMPARE(second->HostEdit->text(), QStringLiteral("ftp.hebergeur.fr"));
        QCOMPARE(second->UserEdit->text(), QStringLiteral("marie"));
        QVERIFY(second->PasswordEdit->text().isEmpty());
        QVERIFY(!second->OkButton->isEnabled());
    }

    void cancellingTheQuestionKeepsTheValuesButDoesNotPublish() {
        FtpServer server;
        auto window = Settings(server);
        Fill(*window, "www.monsite.fr", "paul", "pw");
        dialogs_.answers = {kModalCancel};
        QTest::mouseClick(window->OkButton, Qt::LeftButton);
        QCOMPARE(window->result(), int(kModalCancel));
        QCOMPARE(server.host, std::string("www.monsite.fr"));
        QCOMPARE(server.user, std::string("paul"));
        QCOMPARE(Settings(server)->HostEdit->text(), QStringLiteral("www.monsite.fr"));
    }

    void cancelEscapeAndHelp() {
        FtpServer server;
        {
            auto window = Settings(server);
            window->show();
            window->activateWindow();
            QVERIFY(QTest::qWaitForWindowActive(window.get()));
            QTest::keyClick(window->HostEdit, Qt::Key_F1);
            QTest::mouseClick(window->HelpButton, Qt::LeftButton);
            QCOMPARE(helpShown_, 2);
            QVERIFY(window->isVisible());
            QTest::keyClick(window.get(), Qt::Key_Escape);
            QVERIFY(!window->isVisible());
            QCOMPARE(window->result(), int(kModalCancel));
        }
        auto window = Settings(server);
        Fill(*window, "ftp.hebergeur.fr", "marie", "pw");
        window->show();
        QTest::mouseClick(window->CancelButton, Qt::LeftButton);
        QCOMPARE(window->result(), int(kModalCancel));
        QVERIFY(server.host.empty());  // Cancel keeps nothing of what was typed
        QVERIFY(dialogs_.shown.empty());
    }

    void theTransferRunsWhenShownWithoutTimeOutAndAsking() {
        PublishRequest seen{folder_, "", {}, ReplacePolicy::None};
        auto window = Transfer({"www.monsite.fr", 2121, "paul", "pw", 30}, PublishingRun(&seen));
        QCOMPARE(window->size(), QSize(536, 115));
        QCOMPARE(window->windowTitle(), Text(TextId::Publishing));
        QCOMPARE(window->ResultButton->text(), Text(TextId::ViewOnline));
        QVERIFY(!window->ResultButton->isEnabled());
        dialogs_.textAnswers = {std::string("albums/ete")};
        window->show();
        QTRY_VERIFY(window->ResultButton->isEnabled());
        QCOMPARE(window->Outcome(), PublishOutcome::Published);
        QCOMPARE(seen.server.timeoutSeconds, 0);
        QCOMPARE(seen.server.port, 2121);
        QVERIFY(seen.replace == ReplacePolicy::Ask);
        QCOMPARE(seen.projectName, std::string("Vacances"));
        QCOMPARE(window->Bar->value(), window->Bar->maximum());
        QCOMPARE(window->StatusLabel->text(), Text(TextId::PublishingFinished));
        QCOMPARE(window->RemoteFolder(), std::string("ete"));
    }

    // A "www" host is the site's address; any other has its first three
    // letters replaced by "www" and the user's folder put first.
    void seeOnlineOpensThePublishedStartPage() {
        auto site = Transfer({"www.monsite.fr", 21, "paul", "pw", 0}, PublishingRun());
        dialogs_.textAnswers = {std::string("albums/ete")};
        site->show();
        QTRY_VERIFY(site->ResultButton->isEnabled());
        QTest::mouseClick(site->ResultButton, Qt::LeftButton);
        QVERIFY(!site->isVisible());
        QCOMPARE(opened_, std::vector<std::string>{"http://www.monsite.fr/ete/index.html"});

        auto host = Transfer({"ftp.hebergeur.fr", 21, "marie", "pw", 0}, PublishingRun(), "Gal1.htm");
        dialogs_.textAnswers = {std::string("photos")};
        host->show();
        QTRY_VERIFY(host->ResultButton->isEnabled());
        QTest::mouseClick(host->ResultButton, Qt::LeftButton);
        QCOMPARE(opened_.back(), std::string("http://www.hebergeur.fr/marie/photos/Gal1.htm"));

        // Published straight into the login folder: no folder part.
        QCOMPARE(PublishedPageAddress("ftp.hebergeur.fr", "marie", "", "g1-000001.htm"),
                 std::optional<std::string>("http://www.hebergeur.fr/marie/g1-000001.htm"));
        QCOMPARE(PublishedPageAddress("www.monsite.fr", "paul", "", "index.html"),
                 std::optional<std::string>("http://www.monsite.fr/index.html"));
        // The protocol and port of the address are no part of the web address.
        QCOMPARE(PublishedPageAddress("ftps://ftp.hebergeur.fr:2121", "marie", "", "index.html"),
                 std::optional<std::string>("http://www.hebergeur.fr/marie/index.html"));
        QCOMPARE(PublishedPageAddress("sftp://www.monsite.fr", "paul", "", "index.html"),
                 std::optional<std::string>("http://www.monsite.fr/index.html"));
        // A host that does not say where its web site is gives no address.
        QCOMPARE(PublishedPageAddress("127.0.0.1", "paul", "x", "index.html"), std::optional<std::string>());
        QCOMPARE(PublishedPageAddress("monhebergeur.fr", "paul", "x", "index.html"), std::optional<std::string>());
        QCOMPARE(WebAddressAnswered(" photos.example.org/ete "), std::string("http://photos.example.org/ete/"));
        QCOMPARE(WebAddressAnswered("https://example.org/"), std::string("https://example.org/"));
        QCOMPARE(WebAddressAnswered("example.org/\"><script>"), std::string());  // never into a page's tags
    }

    // A large file shows its share sent beside its name; a small one only its name.
    void aLargeFileShowsItsShareSent() {
        QString large, small;
        std::unique_ptr<TransferWindow> window;
        window = Transfer({"ftp.hebergeur.fr", 21, "marie", "pw", 0},
                          [&](const PublishRequest&, const Language&, UserDialogs&, PublishProgress& progress) {
                              progress.SetStatus("Envoi de 000001.mp4");
                              progress.BytesSent(3 << 20, 8 << 20);
                              large = window->StatusLabel->text();
                              progress.SetStatus("Envoi de index.html");
                              progress.BytesSent(100, 200);
                              small = window->StatusLabel->text();
                              return PublishOutcome::Published;
                          });
        window->show();
        QTRY_VERIFY(window->ResultButton->isEnabled());
        QCOMPARE(large, QStringLiteral("Envoi de 000001.mp4 (37 %)"));
        QCOMPARE(small, QStringLiteral("Envoi de index.html"));
        QCOMPARE(window->CancelButton->text(), Text(TextId::CloseButton));
    }

    void cancelDuringTheUploadClosesTheWindow() {
        int tests = 0;
        auto window =
            Transfer({"ftp.hebergeur.fr", 21, "marie", "pw", 0},
                     [&tests](const PublishRequest&, const Language&, UserDialogs&, PublishProgress& progress) {
                         progress.SetMaximum(1000);
                         while (!progress.CancelRequested()) {
                             if (++tests > 100000) return PublishOutcome::Published;
                             progress.Step();
                         }
                         return PublishOutcome::Cancelled;
                     });
        connect(window->Bar, &QProgressBar::valueChanged, window.get(), [&window] {
            if (window->Bar->value() == 5) QTest::mouseClick(window->CancelButton, Qt::LeftButton);
        });
        window->show();
        QTRY_VERIFY(!window->isVisible());
        QCOMPARE(window->Outcome(), PublishOutcome::Cancelled);
        QCOMPARE(window->result(), int(kModalCancel));
        QVERIFY(tests < 10);  // stopped at the next test after the click
        QVERIFY(opened_.empty());
    }

    void aFailedOrRefusedRunClosesTheWindow() {
        auto failed =
            Transfer({"ftp.hebergeur.fr", 21, "marie", "pw", 0},
                     [](const PublishRequest&, const Language& language, UserDialogs& dialogs, PublishProgress&) {
                         dialogs.ShowMessageOk(language.LangText(TextId::ConnectionFailed));
                         return PublishOutcome::Failed;
                     });
        failed->show();
        QTRY_VERIFY(!failed->isVisible());
        QCOMPARE(failed->result(), int(kModalCancel));
        QCOMPARE(dialogs_.shown, std::vector<std::string>{language_.LangText(TextId::ConnectionFailed)});

        auto refused = Transfer({"ftp.hebergeur.fr", 21, "marie", "pw", 0}, PublishingRun());
        refused->show();  // no answer scripted: the remote path question is cancelled
        QTRY_VERIFY(!refused->isVisible());
        QCOMPARE(dialogs_.shown.back(), language_.LangText(TextId::PublishFolderLabel));
        QVERIFY(refused->RemoteFolder().empty());
    }

    // The real run against a server of the test: the built demo site arrives
    // whole in the folder typed, and see online looks there.
    void theWindowPublishesABuiltSite() {
        testing::TempFolder program;
        const auto project = testing::BuildDemoSite(program.Path());
        testing::TempFolder served;
        testing::LocalFtpServer server(served.Path());
        TransferWindow window(
            ProgramFolder(program.Path()), "Demo", {"ftp://127.0.0.1", server.Port(), "photo", "secret", 20},
            "index.html", language_, dialogs_, [this](const std::string& address) { opened_.push_back(address); },
            nullptr);
        dialogs_.textAnswers = {std::string("albums/../Demo_web"), std::string("photos.example.org/demo")};
        window.show();
        QTRY_VERIFY_WITH_TIMEOUT(window.ResultButton->isEnabled() || !window.isVisible(), 60000);
        QCOMPARE(window.Outcome(), PublishOutcome::Published);
        QCOMPARE(dialogs_.shown, std::vector<std::string>{language_.LangText(TextId::PublishFolderLabel)});
        QCOMPARE(testing::DifferingFiles(project, served.Path() / "Demo_web", true), std::vector<std::string>{});
        QCOMPARE(window.Bar->value(), window.Bar->maximum());
        // An address does not tell the site's web address: it is asked once, then kept.
        QTest::mouseClick(window.ResultButton, Qt::LeftButton);
        QCOMPARE(dialogs_.shown.back(), language_.LangText(TextId::WebAddressPrompt));
        QCOMPARE(opened_, std::vector<std::string>{"http://photos.example.org/demo/index.html"});
        TransferWindow again(
            ProgramFolder(program.Path()), "Demo", {"ftp://127.0.0.1", server.Port(), "photo", "secret", 20},
            "index.html", language_, dialogs_, [this](const std::string& address) { opened_.push_back(address); },
            nullptr);
        dialogs_.textAnswers = {std::string("albums/../Demo_web")};
        dialogs_.shown.clear();
        again.show();
        QTRY_VERIFY_WITH_TIMEOUT(again.ResultButton->isEnabled() || !again.isVisible(), 60000);
        QTest::mouseClick(again.ResultButton, Qt::LeftButton);
        QCOMPARE(dialogs_.shown, std::vector<std::string>{language_.LangText(TextId::PublishFolderLabel)});
        QCOMPARE(opened_.back(), std::string("http://photos.example.org/demo/index.html"));
    }

    void aServerThatIsNotThereIsToldAndTheWindowCloses() {
        testing::TempFolder program;
        testing::BuildDemoSite(program.Path());
        TransferWindow window(ProgramFolder(program.Path()), "Demo",
                              {"ftp://127.0.0.1", testing::ClosedPort(), "photo", "secret", 20}, "index.html",
                              language_, dialogs_, {}, nullptr);
        window.show();
        QTRY_VERIFY_WITH_TIMEOUT(!window.isVisible(), 30000);
        QCOMPARE(window.Outcome(), PublishOutcome::Failed);
        QCOMPARE(dialogs_.shown,
                 std::vector<std::string>{language_.LangText(TextId::ConnectionFailed) + "\nConnection refused"});
    }

    void cancelDuringARealUploadClosesTheWindow() {
        testing::TempFolder program;
        const auto project = testing::BuildDemoSite(program.Path());
        testing::TempFolder served;
        testing::LocalFtpServer server(served.Path());
        TransferWindow window(ProgramFolder(program.Path()), "Demo",
                              {"ftp://127.0.0.1", server.Port(), "photo", "secret", 20}, "index.html", language_,
                              dialogs_, {}, nullptr);
        dialogs_.textAnswers = {std::string("Demo")};
        // Cancel is pressed as the first file goes out.
        const QString sending = Text(TextId::Sending);
        int shownWhenSending = -1;
        connect(window.Bar, &QProgressBar::valueChanged, &window, [&] {
            if (shownWhenSending < 0 && window.StatusLabel->text().startsWith(sending)) {
                shownWhenSending = window.Bar->value();
                QTest::mouseClick(window.CancelButton, Qt::LeftButton);
            }
        });
        window.show();
        QTRY_VERIFY_WITH_TIMEOUT(!window.isVisible(), 60000);
        QVERIFY(shownWhenSending > 0);
        QCOMPARE(window.Outcome(), PublishOutcome::Cancelled);
        QCOMPARE(window.result(), int(kModalCancel));
        QVERIFY(testing::DifferingFiles(project, served.Path() / "Demo", true).size() > 10);
    }
};

QTEST_MAIN(TestPublishWindows)
#include "tst_publishwindows.moc"
