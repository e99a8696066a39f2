#include "app/ui/MainWindow.h"
#include "app/ui/PageDesignStep.h"
#include "app/ui/PictureButton.h"
#include "app/ui/PictureStep.h"
#include "app/ui/ProjectWindows.h"
#include "app/ui/Toolbar.h"
#include "imaging/JpegCodec.h"
#include "project/ui/PictureListView.h"
#include "project/ui/PictureTabs.h"
#include "tests/support/MainWindowHarness.h"
#include "tests/support/QtTestMain.h"
#include "tests/support/ScriptedDialogs.h"
#include "tests/support/TempFolder.h"

#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QtTest>

#include <functional>
#include <memory>

using namespace palimora;
namespace fs = std::filesystem;

class TestProjectWindows : public QObject {
    Q_OBJECT

private:
    testing::MainWindowHarness harness_;
    testing::ScriptedDialogs& dialogs_ = harness_.dialogs;

    std::unique_ptr<MainWindow> Start() { return harness_.Start(); }
    fs::path Root() const { return harness_.Root(); }

    // Acts on the next modal window of type W once it shows.
    template <typename W>
    void WhenShown(std::function<void(W&)> act) {
        QTimer::singleShot(0, [act] {
            auto* window = qobject_cast<W*>(QApplication::activeModalWidget());
            QVERIFY(window);
            act(*window);
        });
    }

    fs::path Photo(const std::string& name) { return harness_.Photo(name, 40, 30); }

private slots:
    void init() { harness_.Reset(); }

    void theSaveWindowOnlyClosesOnAUsableName() {
        Session session{ProgramFolder(Root())};
        session.Start();
        SaveProjectWindow window(session, dialogs_, TextId::SaveNewCaption, nullptr);
        QCOMPARE(window.size(), QSize(409, 107));
        QCOMPARE(window.windowTitle(), QStringLiteral("Enregistrer le nouveau projet"));
        QVERIFY(!window.OkButton->isEnabled());
        window.show();
        window.NameEdit->setText(QStringLiteral("Nouveau Projet"));
        QVERIFY(window.OkButton->isEnabled());
        QTest::mouseClick(window.OkButton, Qt::LeftButton);
        QVERIFY(window.isVisible());
        window.NameEdit->setText(QStringLiteral("a/b"));
        QTest::mouseClick(window.OkButton, Qt::LeftButton);
        QVERIFY(window.isVisible());
        window.NameEdit->setText(QStringLiteral("Été"));
        QTest::mouseClick(window.OkButton, Qt::LeftButton);
        QVERIFY(!window.isVisible());
        QCOMPARE(window.result(), int(kModalYes));
        QCOMPARE(window.ChosenName(), std::string("\xC9t\xE9"));
    }

    void theOpenWindowListsProjectsAndDeletesOnlyWhenConfirmed() {
        for (const char* name : {"Zoo", "Alpes", "Nouveau Projet"}) {
            fs::create_directories(Root() / "Projets" / name);
        }
        Session session{ProgramFolder(Root())};
        session.Start();
        OpenProjectWindow window(session, dialogs_, nullptr);
        QCOMPARE(window.ProjectList->count(), 2);
        QCOMPARE(window.ProjectList->item(0)->text(), QStringLiteral("Alpes"));
        QVERIFY(!window.OpenButton->isEnabled());
        window.show();
        QTest::keyClick(window.ProjectList, Qt::Key_Down);  // by the keyboard: Enter then opens it
        QVERIFY(window.OpenButton->isEnabled());
        QCOMPARE(window.OpenChoice(), std::string("Alpes"));
        window.ProjectList->setCurrentRow(1);
        QTest::mouseClick(window.ProjectList->viewport(), Qt::LeftButton, {},
                          window.ProjectList->visualItemRect(window.ProjectList->item(1)).center());
        QCOMPARE(window.OpenChoice(), std::string("Zoo"));
        QVERIFY(window.DeleteButton->isEnabled());
        dialogs_.answers = {kModalCancel};
        QTest::mouseClick(window.DeleteButton, Qt::LeftButton);
        QVERIFY(fs::exists(Root() / "Projets" / "Zoo"));
        dialogs_.answers = {kModalYes};
        window.ProjectList->setCurrentRow(1);
        QTest::mouseClick(window.ProjectList->viewport(), Qt::LeftButton, {},
                          window.ProjectList->visualItemRect(window.ProjectList->item(1)).center());
        QTest::mouseClick(window.DeleteButton, Qt::LeftButton);
        QVERIFY(!fs::exists(Root() / "Projets" / "Zoo"));
        QCOMPARE(window.ProjectList->count(), 1);
        QVERIFY(!window.OpenButton->isEnabled());

        window.ProjectList->setCurrentRow(0);
        QTest::keyClick(window.ProjectList, Qt::Key_Return);  // Enter opens, never deletes
        QTest::mouseClick(window.OpenButton, Qt::LeftButton);
        QVERIFY(fs::exists(Root() / "Projets" / "Alpes"));
    }

    void aRoundTripThroughTheProgramKeepsPicturesTextsAndSettings() {
        {
            auto window = Start();
            window->Pictures().AddPictures({Photo("plage.jpg"), Photo("port.jpg")});
            window->Pictures().PicturesList->MakeCurrent(0);
            window->Pictures().ShowChosenPicture();
            window->Pictures().PictureTabsView->TitleEdit->setText(QStringLiteral("La plage"));
            window->Pictures().PictureTabsView->CommentEdit->setPlainText(QStringLiteral("Un beau jour\nsans nuages"));
            QTest::mouseClick(window->Pictures().PictureTabsView->SaveTextsButton, Qt::LeftButton);

            WhenShown<SaveProjectWindow>([](SaveProjectWindow& save) {
                save.NameEdit->setText(QStringLiteral("Vacances"));
                QTest::mouseClick(save.OkButton, Qt::LeftButton);
            });
            QTest::mouseClick(window->Tools().SaveButton, Qt::LeftButton);
            QCOMPARE(window->ProjectNameLabel->text(), QStringLiteral("Vacances"));
            QCOMPARE(window->Tools().SaveButton->Tag(), 0);
            window->CurrentSession().Settings().Store(SettingLine::CommentSize, "5");

            dialogs_.answers = {kModalYes};
            QVERIFY(window->close());
        }
        QVERIFY(fs::is_empty(Root() / "Projets" / "Nouveau Projet" / "images"));
        auto window = Start();
        QCOMPARE(window->Pictures().PicturesList->count(), 0);
        WhenShown<OpenProjectWindow>([](OpenProjectWindow& open) {
            open.ProjectList->setCurrentRow(0);
            QTest::mouseClick(open.ProjectList->viewport(), Qt::LeftButton, {},
                              open.ProjectList->visualItemRect(open.ProjectList->item(0)).center());
            QTest::mouseClick(open.OpenButton, Qt::LeftButton);
        });
        QTest::mouseClick(window->Tools().OpenButton, Qt::LeftButton);
        QCOMPARE(window->ProjectNameLabel->text(), QStringLiteral("Vacances"));
        QCOMPARE(window->Pictures().PicturesList->count(), 2);
        window->Pictures().PicturesList->MakeCurrent(0);
        window->Pictures().ShowChosenPicture();
        QCOMPARE(window->Pictures().PictureTabsView->TitleEdit->text(), QStringLiteral("La plage"));
        QCOMPARE(window->Pictures().PictureTabsView->CommentEdit->toPlainText(),
                 QStringLiteral("Un beau jour\nsans nuages"));
        // Settings changed after the last save are replaced by the saved copy.
        QCOMPARE(window->CurrentSession().Settings().Number(SettingLine::CommentSize),
                 std::stoi(ReadTextLines(Root() / "runweb.in_")[20]));
    }

    void quittingAChangedProjectCanSaveIt() {
        auto window = Start();
        window->Pictures().AddPictures({Photo("a.jpg")});
        WhenShown<SaveProjectWindow>([](SaveProjectWindow& save) {
            save.NameEdit->setText(QStringLiteral("Parti"));
            QTest::mouseClick(save.OkButton, Qt::LeftButton);
        });
        dialogs_.answers = {kModalYes, kModalYes};  // quit? save?
        QVERIFY(window->close());
        QVERIFY(fs::exists(Root() / "Projets" / "Parti" / "images" / "000001.jpg"));
    }
};

PALIMORA_QTEST_MAIN(TestProjectWindows)
#include "tst_projectwindows.moc"
