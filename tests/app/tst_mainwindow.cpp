#include "app/ui/MainWindow.h"
#include "app/ui/PageDesignStep.h"
#include "app/ui/PictureStep.h"
#include "app/ui/Toolbar.h"
#include "app/ui/PictureButton.h"
#include "common/ui/Colours.h"
#include "lang/ui/LanguageWindow.h"
#include "styles/ui/WebBrowser.h"
#include "tests/support/QtTestMain.h"
#include "tests/support/ScriptedDialogs.h"
#include "tests/support/TempFolder.h"

#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QSignalSpy>
#include <QTimer>
#include <QtTest>

#include <memory>
#include <optional>

using namespace palimora;
namespace fs = std::filesystem;

class TestMainWindow : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<testing::TempFolder> temp_;
    testing::ScriptedDialogs dialogs_;

    fs::path Working() const { return temp_->Path() / "Projets" / "Nouveau Projet"; }

    std::unique_ptr<TForm1> Start() {
        return std::make_unique<TForm1>(ProgramFolder(temp_->Path()), TForm1::Options{false, &dialogs_, nullptr, {}, {}});
    }

    // Answers the next modal language window with `choice`, or closes it.
    void AnswerLanguageWindow(const QString& choice) {
        QTimer::singleShot(0, [choice] {
            auto* window = qobject_cast<TFormLang*>(QApplication::activeModalWidget());
            QVERIFY(window);
            if (choice.isEmpty()) {
                window->close();
                return;
            }
            window->Combolang->setCurrentText(choice);
            QTest::mouseClick(window->OkButton, Qt::LeftButton);
        });
    }

private slots:
    void init() {
        temp_ = std::make_unique<testing::TempFolder>();
        testing::StageProgramFolder(temp_->Path());
        dialogs_ = {};
    }

    void startsAsDesignedInStepOne() {
        testing::WriteBytes(Working() / "images" / "000001.jpg", "left behind");
        auto window = Start();
        QVERIFY(!fs::exists(Working() / "images" / "000001.jpg"));
        QCOMPARE(window->size(), QSize(792, 570));
        QCOMPARE(window->windowTitle(), QStringLiteral("Palimora"));
        QCOMPARE(window->LabNom->text(), QStringLiteral("Nouveau Projet"));
        QCOMPARE(window->LabelEtape->text(), QStringLiteral("Étape n°1"));
        QVERIFY(!window->ImageBarre->pixmap().isNull());
        QCOMPARE(window->Tools().BoutImg2->Tag(), 1);
        for (PictureButton* button : {window->Tools().BoutVid, window->Tools().BoutNou, window->Tools().BoutQui, window->Tools().BoutImg}) {
            QCOMPARE(button->Tag(), 0);
            QVERIFY(!button->pixmap().isNull());
        }
        QCOMPARE(window->Tools().BoutNou->pos(), QPoint(65, 480));
        QCOMPARE(window->Tools().BoutAid->pos(), QPoint(137, 514));
        QCOMPARE(window->Tools().BoutQui->toolTip(), QStringLiteral("Quitter le logiciel"));
        QCOMPARE(window->Tools().BoutNou->cursor().shape(), Qt::PointingHandCursor);
        window->show();
        QVERIFY(window->Tools().BoutImg->isVisible());
        QVERIFY(!window->Tools().BoutS->isVisible());
        QVERIFY(!window->Tools().BoutLoupe->isVisible());
    }

    void theStepLabelBlinks() {
        auto window = Start();
        window->BlinkStepLabel();
        QCOMPARE(window->LabelEtape->palette().color(QPalette::WindowText), QColor(255, 0, 0));
        window->BlinkStepLabel();
        QCOMPARE(window->LabelEtape->palette().color(QPalette::WindowText), kLabelColour);
    }

    void escapeAsksBeforeQuittingAndNoKeepsEverything() {
        testing::WriteBytes(temp_->Path() / "palimora.ini", "Fran\xE7" "ais\r\n");
        auto window = Start();
        window->show();
        QVERIFY(QTest::qWaitForWindowActive(window.get()));
        testing::WriteBytes(Working() / "images" / "000001.jpg", "picture");
        dialogs_.answers = {kModalNo};
        QTest::keyClick(window->LabNom, Qt::Key_Escape);
        QVERIFY(window->isVisible());
        QCOMPARE(dialogs_.shown.size(), size_t(1));
        QCOMPARE(dialogs_.shown[0], window->CurrentSession().LangText(TextId::QuitQuestion));
        QVERIFY(fs::exists(Working() / "images" / "000001.jpg"));

        dialogs_.answers = {kModalYes};
        QTest::keyClick(window.get(), Qt::Key_Escape);
        QVERIFY(!window->isVisible());
        QVERIFY(!fs::exists(Working() / "images" / "000001.jpg"));
        QVERIFY(fs::is_directory(Working() / "images"));
    }

    void theQuitButtonGetsItsNormalLookBackWhenRefused() {
        testing::WriteBytes(temp_->Path() / "palimora.ini", "English\r\n");
        auto window = Start();
        window->show();
        dialogs_.answers = {kModalCancel};
        QTest::mouseClick(window->Tools().BoutQui, Qt::LeftButton);
        QVERIFY(window->isVisible());
        QCOMPARE(window->Tools().BoutQui->Tag(), 0);
        QCOMPARE(window->LabNom->text(), QStringLiteral("New Project"));
    }

    void aChangedProjectCanStillBeKeptOpen() {
        testing::WriteBytes(temp_->Path() / "palimora.ini", "English\r\n");
        auto window = Start();
        window->show();
        window->CurrentSession().SetProjectModified(true);
        dialogs_.answers = {kModalYes, kModalCancel};
        window->close();
        QVERIFY(window->isVisible());
        QCOMPARE(dialogs_.shown.size(), size_t(2));
    }

    void firstStartAsksTheLanguageAndAppliesItAtOnce() {
        testing::WriteBytes(temp_->Path() / "palimora.ini", "\r\nother setting\r\n");
        auto window = Start();
        AnswerLanguageWindow(QStringLiteral("English"));
        QVERIFY(window->FormActivate());
        QCOMPARE(testing::ReadBytes(temp_->Path() / "palimora.ini"), std::string("English\r\nother setting\r\n"));
        QCOMPARE(window->LabelEtape->text(), QStringLiteral("Step 1"));
        QCOMPARE(window->LabNom->text(), QStringLiteral("New Project"));
        QCOMPARE(window->Tools().BoutNou->toolTip(), QStringLiteral("Create a new project"));
        QCOMPARE(window->Image2->toolTip(), QStringLiteral("Palimora: your photo site without writing any HTML"));
        QVERIFY(fs::exists(temp_->Path() / "Projets" / "New Project" / "textes" / "images.dat"));
        QVERIFY(window->Timer1->isActive());
        QVERIFY(window->FormActivate());  // runs once only: no second question
    }

    void theFirstActivationShowsTheBusyCursorUntilItEnds() {
        auto window = Start();
        std::optional<Qt::CursorShape> whileAsked;
        QTimer::singleShot(0, [&whileAsked] {  // the language window comes half-way through the activation
            if (const QCursor* cursor = QApplication::overrideCursor()) whileAsked = cursor->shape();
            auto* languages = qobject_cast<TFormLang*>(QApplication::activeModalWidget());
            QVERIFY(languages);
            QTest::mouseClick(languages->OkButton, Qt::LeftButton);
        });
        QVERIFY(window->FormActivate());
        QCOMPARE(whileAsked, std::optional<Qt::CursorShape>(Qt::WaitCursor));
        QVERIFY(!QApplication::overrideCursor());
    }

    // A file where the working folder should be: every command that needs the
    // folder says so, naming it, and the program goes on.
    void aWorkingFolderThatCannotBeMadeIsToldAndTheProgramGoesOn() {
        testing::WriteBytes(temp_->Path() / "palimora.ini", "Fran\xE7" "ais\r\n");
        fs::create_directories(Working().parent_path());
        testing::WriteBytes(Working(), "not a folder");
        auto window = Start();
        QCOMPARE(dialogs_.shown.size(), std::size_t(1));
        QVERIFY(dialogs_.shown[0].find(Working().string()) != std::string::npos);
        window->show();
        QVERIFY(window->FormActivate());

        dialogs_.shown.clear();
        QTest::mouseClick(window->Tools().BoutNou, Qt::LeftButton);
        QCOMPARE(dialogs_.shown.size(), std::size_t(1));
        QVERIFY(dialogs_.shown[0].find(Working().string()) != std::string::npos);
        QVERIFY(window->isVisible());
        QVERIFY(!window->Tools().BoutNou->Tag());  // the button's normal look is back
        QCOMPARE(testing::ReadBytes(Working()), std::string("not a folder"));
    }

    void theWelcomePageComesOnScreenInTheLanguage() {
        testing::WriteBytes(temp_->Path() / "palimora.ini", "English\r\n");
        auto window = Start();
        QCOMPARE(window->PageDesign().WebBrowser1->geometry(), QRect(407, 96, 377, 329));
        QVERIFY(window->PageDesign().WebBrowser1->isHidden());
        QSignalSpy loaded(window->PageDesign().WebBrowser1, &QWebEngineView::loadFinished);
        QVERIFY(window->FormActivate());
        QVERIFY(!window->PageDesign().WebBrowser1->isHidden());
        QVERIFY(loaded.wait(20000));
        QVERIFY(window->PageDesign().WebBrowser1->url().toLocalFile().endsWith(QStringLiteral("aideweb_us/infos.htm")));
        QCOMPARE(window->PageDesign().WebBrowser1->title(), QStringLiteral("Welcome to Palimora"));
    }

    void refusingTheLanguageOnFirstStartEndsTheProgram() {
        auto window = Start();
        QSignalSpy refused(window.get(), &TForm1::languageRefused);
        window->show();  // the first activation asks the language
        AnswerLanguageWindow(QString());
        QVERIFY(refused.wait(20000));
        QVERIFY(!window->isVisible());  // closed at once,
        QVERIFY(dialogs_.shown.empty());  // without the quit question
        QCOMPARE(testing::ReadBytes(temp_->Path() / "palimora.ini"), std::string("\r\n"));
    }

    void laterStartsDoNotAsk() {
        testing::WriteBytes(temp_->Path() / "palimora.ini", "English\r\n");
        auto window = Start();
        QVERIFY(window->FormActivate());
        QVERIFY(!QApplication::activeModalWidget());
    }
};

PALIMORA_QTEST_MAIN(TestMainWindow)
#include "tst_mainwindow.moc"
