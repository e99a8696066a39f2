#include "app/ui/MainWindow.h"
#include "app/ui/PictureButton.h"
#include "app/ui/PictureStep.h"
#include "app/ui/Toolbar.h"
#include "common/ui/ScreenText.h"
#include "project/BuiltSite.h"
#include "publish/ui/FtpSettingsWindow.h"
#include "styles/SettingsLayout.h"
#include "tests/support/MainWindowHarness.h"
#include "tests/support/NamingWindows.h"
#include "tests/support/QtTestMain.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <QtTest>

#include <functional>
#include <memory>

using namespace palimora;
namespace fs = std::filesystem;

class TestPublishCommand : public QObject {
    Q_OBJECT

private:
    testing::MainWindowHarness harness_;
    testing::ScriptedDialogs& dialogs_ = harness_.dialogs;
    testing::NamingWindows windows_;
    std::unique_ptr<MainWindow> window_;

    Toolbar& Tools() { return window_->Tools(); }
    std::string Text(TextId id) { return window_->CurrentSession().LangText(id); }
    fs::path Project() const { return harness_.Root() / "Projets" / "Vacances"; }

    // Clicks the globe; `answer` deals with the FTP settings window when it shows.
    void Publish(std::function<void(FtpSettingsWindow&)> answer = {}) {
        bool shown = false;
        if (answer) {
            QTimer::singleShot(0, this, [&] {
                auto* settings = qobject_cast<FtpSettingsWindow*>(QApplication::activeModalWidget());
                QVERIFY(settings);
                shown = true;
                QCOMPARE(window_->StepLabel->text(), ToScreen(Text(TextId::PublishHint)));
                QCOMPARE(Tools().PublishButton->Tag(), 1);
                answer(*settings);
                if (settings->isVisible()) settings->reject();
            });
        }
        QTest::mouseClick(Tools().PublishButton, Qt::LeftButton);
        QCOMPARE(shown, bool(answer));
        QCOMPARE(Tools().PublishButton->Tag(), 0);  // the normal look is back on every path
    }

    void SavedBuiltProject() {
        window_->Pictures().AddPictures({harness_.Photo("plage.jpg")});
        window_->SaveCurrentProject();
        testing::WriteBytes(Project() / "index.html", "built");
        built_site::Record(Project());  // as a build that finished leaves it
    }

private slots:
    void init() {
        harness_.Reset();
        harness_.projectWindows = &windows_;
        windows_.saveWindows = 0;
        window_ = harness_.Start();
    }

    void cleanup() { window_.reset(); }

    void anEmptyUnnamedKindlessOrUnbuiltProjectIsRefused() {
        Publish();
        QCOMPARE(dialogs_.shown.back(), Text(TextId::NoPictures));

        window_->Pictures().AddPictures({harness_.Photo("plage.jpg")});
        Publish();  // unnamed: told, then the save window
        QCOMPARE(dialogs_.shown.back(), Text(TextId::SaveFirstToPublish));
        QCOMPARE(windows_.saveWindows, 1);
        QCOMPARE(window_->ProjectNameLabel->text(), QStringLiteral("Vacances"));

        Publish();  // saved, never built
        QCOMPARE(dialogs_.shown.back(), Text(TextId::NotBuiltYet));

        testing::WriteBytes(Project() / "g1-000001.htm", "built");
        for (SettingLine kind : {SettingLine::MakeSummary, SettingLine::MakeGalleries, SettingLine::MakePicturePages}) {
            window_->CurrentSession().Settings().Store(kind, "0");
        }
        Publish();
        QCOMPARE(dialogs_.shown.back(), Text(TextId::NoKindOfPageToPublish));
        QCOMPARE(window_->StepLabel->text(), ToScreen(Text(TextId::StepOne)));
    }

    void aChangedProjectIsSavedAndNothingPublished() {
        SavedBuiltProject();
        window_->CurrentSession().SetProjectModified(true);
        dialogs_.answers = {kModalYes};
        const std::size_t before = dialogs_.shown.size();
        Publish();
        QCOMPARE(dialogs_.shown.at(before), Text(TextId::SaveFirstQuestion));
        QVERIFY(!window_->CurrentSession().ProjectModified());
        Publish();  // the save removed the built pages
        QCOMPARE(dialogs_.shown.back(), Text(TextId::NotBuiltYet));
    }

    void cancelAtTheQuestionKeepsTheServerAndPublishesNothing() {
        SavedBuiltProject();
        const std::size_t before = dialogs_.shown.size();
        Publish([this](FtpSettingsWindow& settings) {
            settings.HostEdit->setText(QStringLiteral("ftp.hebergeur.fr"));
            settings.UserEdit->setText(QStringLiteral("marie"));
            settings.PasswordEdit->setText(QStringLiteral("s3cret"));
            dialogs_.answers = {kModalCancel};
            QTest::mouseClick(settings.OkButton, Qt::LeftButton);
        });
        // Only the confirmation was asked: no transfer window, no remote folder question.
        QCOMPARE(dialogs_.shown.size(), before + 1);
        QCOMPARE(dialogs_.shown.back(), Text(TextId::PublishQuestion));
        QCOMPARE(window_->FtpSettings().host, std::string("ftp.hebergeur.fr"));
        QCOMPARE(window_->StepLabel->text(), ToScreen(Text(TextId::StepOne)));

        Publish([this](FtpSettingsWindow& settings) {
            QCOMPARE(settings.HostEdit->text(), QStringLiteral("ftp.hebergeur.fr"));
            QCOMPARE(settings.UserEdit->text(), QStringLiteral("marie"));
            QVERIFY(settings.PasswordEdit->text().isEmpty());
            QVERIFY(!settings.OkButton->isEnabled());
            QTest::mouseClick(settings.HelpButton, Qt::LeftButton);
            QTest::mouseClick(settings.CancelButton, Qt::LeftButton);
        });
        QCOMPARE(harness_.opened.back(), harness_.Root() / "aide" / "aide_france" / "aideweb" / "etape4.htm");
        QVERIFY(harness_.openedAddresses.empty());
    }

    void thePasswordIsWrittenToNoFile() {
        SavedBuiltProject();
        Publish([this](FtpSettingsWindow& settings) {
            settings.HostEdit->setText(QStringLiteral("ftp.hebergeur.fr"));
            settings.UserEdit->setText(QStringLiteral("marie"));
            settings.PasswordEdit->setText(QStringLiteral("Zq7-unique-pw"));
            dialogs_.answers = {kModalCancel};
            QTest::mouseClick(settings.OkButton, Qt::LeftButton);
        });
        dialogs_.answers = {kModalYes};
        window_->CurrentSession().SetProjectModified(true);
        window_->SaveCurrentProject();
        window_->close();
        for (const auto& entry : fs::recursive_directory_iterator(harness_.Root())) {
            if (!entry.is_regular_file() || entry.file_size() > 1'000'000) continue;
            const std::string bytes = testing::ReadBytes(entry.path());
            QVERIFY2(bytes.find("Zq7-unique-pw") == std::string::npos,
                     qPrintable(QString::fromStdString(entry.path().string())));
            QVERIFY2(bytes.find("ftp.hebergeur.fr") == std::string::npos,
                     qPrintable(QString::fromStdString(entry.path().string())));
        }
    }
};

PALIMORA_QTEST_MAIN(TestPublishCommand)
#include "tst_publishcommand.moc"
