#include "app/ui/MainWindow.h"
#include "app/ui/PictureStep.h"
#include "common/ui/ScreenText.h"
#include "project/ui/PictureTabs.h"
#include "publish/ui/FtpSettingsWindow.h"
#include "publish/ui/TransferWindow.h"
#include "sitegen/ui/BuildWindow.h"
#include "tests/support/BuiltSite.h"
#include "tests/support/FtpServers.h"
#include "tests/support/MainWindowHarness.h"
#include "tests/support/NamingWindows.h"
#include "tests/support/QtTestMain.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <QtTest>

using namespace palimora;
namespace fs = std::filesystem;

// Runs inside a session bus with a keyring of its own (with_keyring.sh): once
// the user has published with "remember the password", the next publication
// saves, builds and sends without the settings window or the folder question.
class TestOneStepPublish : public QObject {
    Q_OBJECT

private:
    testing::MainWindowHarness harness_;
    testing::NamingWindows windows_;
    std::unique_ptr<MainWindow> window_;
    std::vector<QString> modalsSeen_;
    std::unique_ptr<QTimer> poll_;

    std::string Text(TextId id) { return window_->CurrentSession().LangText(id); }
    fs::path Project() const { return harness_.Root() / "Projets" / "Vacances"; }

    // Deals with every modal window of the program as it shows: the build
    // window is confirmed once built, the settings window by `settings`, the
    // transfer window is closed once it succeeded, after its end is checked.
    void AnswerWindows(std::function<void(FtpSettingsWindow&)> settings) {
        poll_ = std::make_unique<QTimer>();
        connect(poll_.get(), &QTimer::timeout, this, [this, settings] {
            QWidget* modal = QApplication::activeModalWidget();
            if (!modal || !modal->isVisible() || modal->property("answered").toBool()) return;
            if (auto* build = qobject_cast<BuildWindow*>(modal)) {
                if (!build->ResultButton->isEnabled()) return;
                build->setProperty("answered", true);
                QTest::mouseClick(build->ResultButton, Qt::LeftButton);
            } else if (auto* ftp = qobject_cast<FtpSettingsWindow*>(modal)) {
                ftp->setProperty("answered", true);
                modalsSeen_.push_back(ftp->objectName());
                if (settings) settings(*ftp);
                if (ftp->isVisible()) ftp->reject();
            } else if (auto* transfer = qobject_cast<TransferWindow*>(modal)) {
                if (!transfer->ResultButton->isEnabled()) return;
                transfer->setProperty("answered", true);
                modalsSeen_.push_back(transfer->objectName());
                QCOMPARE(transfer->CancelButton->text(), ToScreen(Text(TextId::CloseButton)));
                QVERIFY2(transfer->StatusLabel->text().contains(ToScreen(Text(TextId::FilesSentWord))),
                         qPrintable(transfer->StatusLabel->text()));
                QTest::mouseClick(transfer->CancelButton, Qt::LeftButton);
            }
        });
        poll_->start(10);
    }

private slots:
    void init() {
        harness_.Reset();
        harness_.projectWindows = &windows_;
        window_ = harness_.Start();
        modalsSeen_.clear();
    }

    void cleanup() {
        poll_.reset();
        window_.reset();
    }

    void afterOnePublicationWithTheRememberedPasswordTheNextIsOneClick() {
        testing::TempFolder served;
        testing::LocalFtpServer server(served.Path());
        window_->Pictures().AddPictures({harness_.Photo("plage.jpg"), harness_.Photo("port.jpg")});
        window_->SaveCurrentProject();
        AnswerWindows([&server, this](FtpSettingsWindow& settings) {
            settings.HostEdit->setText(QStringLiteral("ftp://127.0.0.1:%1").arg(server.Port()));
            settings.UserEdit->setText(QStringLiteral("photo"));
            settings.PasswordEdit->setText(QStringLiteral("secret"));
            settings.RememberBox->setChecked(true);
            harness_.dialogs.answers = {kModalYes};
            harness_.dialogs.textAnswers = {std::string("albums/vacances")};
            QTest::mouseClick(settings.OkButton, Qt::LeftButton);
        });

        window_->ShowResult();  // built the first time by see the result
        window_->PublishOnline();
        QCOMPARE(modalsSeen_, (std::vector<QString>{"TFormFTP", "TFormFTP2"}));
        QCOMPARE(testing::DifferingFiles(Project(), served.Path() / "albums" / "vacances", true),
                 std::vector<std::string>{});

        // The next run of the program: a title typed, then publish: saved,
        // built and sent to the same folder, asking only about the plan.
        window_ = harness_.Start();
        window_->OpenSavedProject();
        QLineEdit* title = window_->Pictures().PictureTabsView->TitleEdit;
        title->selectAll();
        QTest::keyClicks(title, QStringLiteral("Plage au matin"));
        modalsSeen_.clear();
        harness_.dialogs.shown.clear();
        harness_.dialogs.choices = {0};
        window_->PublishOnline();
        QCOMPARE(modalsSeen_, std::vector<QString>{"TFormFTP2"});
        QCOMPARE(harness_.dialogs.shown.size(), std::size_t{1});
        QVERIFY(harness_.dialogs.shown.front().starts_with(Text(TextId::PlanQuestion)));
        QVERIFY(!window_->CurrentSession().ProjectModified());
        QCOMPARE(testing::DifferingFiles(Project(), served.Path() / "albums" / "vacances", true),
                 std::vector<std::string>{});
        // The list opens on its last picture: its page has the title.
        const std::string page = testing::ReadBytes(served.Path() / "albums" / "vacances" / "g1-000002.htm");
        QVERIFY(page.find("<title>Plage au matin") != std::string::npos);

        // Ctrl+Shift+P still shows the settings window, filled with the kept server and its password.
        modalsSeen_.clear();
        bool filled = false;
        AnswerWindows([&filled](FtpSettingsWindow& settings) {
            filled = settings.UserEdit->text() == QStringLiteral("photo") && settings.OkButton->isEnabled();
        });
        window_->PublishOnline(MainWindow::ServerChoice::SettingsWindow);
        QCOMPARE(modalsSeen_, std::vector<QString>{"TFormFTP"});
        QVERIFY(filled);
    }
};

PALIMORA_QTEST_MAIN(TestOneStepPublish)
#include "tst_onesteppublish.moc"
