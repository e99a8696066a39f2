#include "app/ui/MainWindow.h"
#include "app/ui/PictureButton.h"
#include "app/ui/ProjectWindows.h"
#include "imaging/JpegCodec.h"
#include "project/ui/PictureListView.h"
#include "project/ui/PictureTabs.h"
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
    std::unique_ptr<testing::TempFolder> temp_;
    testing::ScriptedDialogs dialogs_;

    std::unique_ptr<TForm1> Start() {
        auto window = std::make_unique<TForm1>(ProgramFolder(temp_->Path()), TForm1::Options{false, &dialogs_, nullptr});
        window->show();
        window->FormActivate();
        return window;
    }

    // Acts on the next modal window of type W once it shows.
    template <typename W>
    void WhenShown(std::function<void(W&)> act) {
        QTimer::singleShot(0, [act] {
            auto* window = qobject_cast<W*>(QApplication::activeModalWidget());
            QVERIFY(window);
            act(*window);
        });
    }

    fs::path Photo(const std::string& name) {
        const fs::path file = temp_->Path() / "photos" / name;
        fs::create_directories(file.parent_path());
        EncodeJpeg(Image(40, 30), file);
        return file;
    }

private slots:
    void init() {
        temp_ = std::make_unique<testing::TempFolder>();
        testing::StageProgramFolder(temp_->Path());
        testing::WriteBytes(temp_->Path() / "palimora.ini", "Fran\xE7" "ais\r\n");
        dialogs_ = {};
    }

    void theSaveWindowOnlyClosesOnAUsableName() {
        Session session{ProgramFolder(temp_->Path())};
        session.Start();
        TFEnrPro window(session, dialogs_, 8, nullptr);
        QCOMPARE(window.size(), QSize(409, 107));
        QCOMPARE(window.windowTitle(), QStringLiteral("Enregistrer le nouveau projet"));
        QVERIFY(!window.BitBtn1->isEnabled());
        window.show();
        window.Edit1->setText(QStringLiteral("Nouveau Projet"));
        QVERIFY(window.BitBtn1->isEnabled());
        QTest::mouseClick(window.BitBtn1, Qt::LeftButton);
        QVERIFY(window.isVisible());
        window.Edit1->setText(QStringLiteral("a/b"));
        QTest::mouseClick(window.BitBtn1, Qt::LeftButton);
        QVERIFY(window.isVisible());
        window.Edit1->setText(QStringLiteral("Été"));
        QTest::mouseClick(window.BitBtn1, Qt::LeftButton);
        QVERIFY(!window.isVisible());
        QCOMPARE(window.result(), int(kModalYes));
        QCOMPARE(session.FolderName(), std::string("\xC9t\xE9"));
    }

    void theOpenWindowListsProjectsAndDeletesOnlyWhenConfirmed() {
        for (const char* name : {"Zoo", "Alpes", "Nouveau Projet"}) {
            fs::create_directories(temp_->Path() / "Projets" / name);
        }
        Session session{ProgramFolder(temp_->Path())};
        session.Start();
        TFOpPr window(session, dialogs_, nullptr);
        QCOMPARE(window.ListBox1->count(), 2);
        QCOMPARE(window.ListBox1->item(0)->text(), QStringLiteral("Alpes"));
        QVERIFY(!window.BitBtn1->isEnabled());
        window.show();
        window.ListBox1->setCurrentRow(1);
        QTest::mouseClick(window.ListBox1->viewport(), Qt::LeftButton, {},
                          window.ListBox1->visualItemRect(window.ListBox1->item(1)).center());
        QCOMPARE(window.OpenChoice(), std::string("Zoo"));
        QVERIFY(window.BitBtn3->isEnabled());
        dialogs_.answers = {kModalCancel};
        QTest::mouseClick(window.BitBtn3, Qt::LeftButton);
        QVERIFY(fs::exists(temp_->Path() / "Projets" / "Zoo"));
        dialogs_.answers = {kModalYes};
        window.ListBox1->setCurrentRow(1);
        QTest::mouseClick(window.ListBox1->viewport(), Qt::LeftButton, {},
                          window.ListBox1->visualItemRect(window.ListBox1->item(1)).center());
        QTest::mouseClick(window.BitBtn3, Qt::LeftButton);
        QVERIFY(!fs::exists(temp_->Path() / "Projets" / "Zoo"));
        QCOMPARE(window.ListBox1->count(), 1);
        QVERIFY(!window.BitBtn1->isEnabled());

        window.ListBox1->setCurrentRow(0);
        QTest::keyClick(window.ListBox1, Qt::Key_Return);  // Enter opens, never deletes
        QTest::mouseClick(window.BitBtn1, Qt::LeftButton);
        QVERIFY(fs::exists(temp_->Path() / "Projets" / "Alpes"));
    }

    void aRoundTripThroughTheProgramKeepsPicturesTextsAndSettings() {
        {
            auto window = Start();
            window->AddPictures({Photo("plage.jpg"), Photo("port.jpg")});
            window->ListView1->MakeCurrent(0);
            window->ListView1Click();
            window->TabbedImg->Edit1->setText(QStringLiteral("La plage"));
            window->TabbedImg->MemoComm->setPlainText(QStringLiteral("Un beau jour\nsans nuages"));
            QTest::mouseClick(window->TabbedImg->BitTextOk, Qt::LeftButton);

            WhenShown<TFEnrPro>([](TFEnrPro& save) {
                save.Edit1->setText(QStringLiteral("Vacances"));
                QTest::mouseClick(save.BitBtn1, Qt::LeftButton);
            });
            QTest::mouseClick(window->BoutEnr, Qt::LeftButton);
            QCOMPARE(window->LabNom->text(), QStringLiteral("Vacances"));
            QCOMPARE(window->BoutEnr->Tag(), 0);
            window->CurrentSession().Settings().Store(20, "5");

            dialogs_.answers = {kModalYes};
            QVERIFY(window->close());
        }
        QVERIFY(fs::is_empty(temp_->Path() / "Projets" / "Nouveau Projet" / "images"));
        auto window = Start();
        QCOMPARE(window->ListView1->count(), 0);
        WhenShown<TFOpPr>([](TFOpPr& open) {
            open.ListBox1->setCurrentRow(0);
            QTest::mouseClick(open.ListBox1->viewport(), Qt::LeftButton, {},
                              open.ListBox1->visualItemRect(open.ListBox1->item(0)).center());
            QTest::mouseClick(open.BitBtn1, Qt::LeftButton);
        });
        QTest::mouseClick(window->BoutOuv, Qt::LeftButton);
        QCOMPARE(window->LabNom->text(), QStringLiteral("Vacances"));
        QCOMPARE(window->ListView1->count(), 2);
        window->ListView1->MakeCurrent(0);
        window->ListView1Click();
        QCOMPARE(window->TabbedImg->Edit1->text(), QStringLiteral("La plage"));
        QCOMPARE(window->TabbedImg->MemoComm->toPlainText(), QStringLiteral("Un beau jour\nsans nuages"));
        // Settings changed after the last save are replaced by the saved copy.
        QCOMPARE(window->CurrentSession().Settings().Number(20),
                 std::stoi(ReadTextLines(temp_->Path() / "runweb.in_")[20]));
    }

    void quittingAChangedProjectCanSaveIt() {
        auto window = Start();
        window->AddPictures({Photo("a.jpg")});
        WhenShown<TFEnrPro>([](TFEnrPro& save) {
            save.Edit1->setText(QStringLiteral("Parti"));
            QTest::mouseClick(save.BitBtn1, Qt::LeftButton);
        });
        dialogs_.answers = {kModalYes, kModalYes};  // quit? save?
        QVERIFY(window->close());
        QVERIFY(fs::exists(temp_->Path() / "Projets" / "Parti" / "images" / "000001.jpg"));
    }
};

PALIMORA_QTEST_MAIN(TestProjectWindows)
#include "tst_projectwindows.moc"
