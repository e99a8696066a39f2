#include "app/ui/MainWindow.h"
#include "app/ui/PageDesignStep.h"
#include "app/ui/PictureButton.h"
#include "app/ui/PictureStep.h"
#include "app/ui/Toolbar.h"
#include "app/ui/WebBrowser.h"
#include "common/ui/Colours.h"
#include "lang/ui/LanguageWindow.h"
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

    std::unique_ptr<MainWindow> Start() {
        return std::make_unique<MainWindow>(ProgramFolder(temp_->Path()),
                                            MainWindow::Options{false, &dialogs_, nullptr, {}, {}});
    }

    // Answers the next modal language window with `choice`, or closes it.
    void AnswerLanguageWindow(const QString& choice) {
        QTimer::singleShot(0, [choice] {
            auto* window = qobject_cast<LanguageWindow*>(QApplication::activeModalWidget());
            QVERIFY(window);
            if (choice.isEmpty()) {
                window->close();
                return;
            }
            window->LanguageList->setCurrentText(choice);
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
        QCOMPARE(window->ProjectNameLabel->text(), QStringLiteral("Nouveau Projet"));
        QCOMPARE(window->StepLabel->text(), QStringLiteral("Étape n°1"));
        QVERIFY(!window->Background->pixmap().isNull());
        QCOMPARE(window->Tools().PicturesStepButton->Tag(), 1);
        for (PictureButton* button : {window->Tools().DesignStepButton, window->Tools().NewButton,
                                      window->Tools().QuitButton, window->Tools().AddButton}) {
            QCOMPARE(button->Tag(), 0);
            QVERIFY(!button->pixmap().isNull());
        }
        QCOMPARE(window->Tools().NewButton->pos(), QPoint(65, 480));
        QCOMPARE(window->Tools().HelpButton->pos(), QPoint(137, 514));
        // The hint as designed, then the button's key.
        QCOMPARE(window->Tools().QuitButton->toolTip(), QStringLiteral("Quitter le logiciel (Ctrl+Q)"));
        QCOMPARE(window->Tools().QuitButton->accessibleName(), QStringLiteral("Quitter le logiciel"));
        QCOMPARE(window->Tools().NewButton->cursor().shape(), Qt::PointingHandCursor);
        window->show();
        QVERIFY(window->Tools().AddButton->isVisible());
        QVERIFY(!window->Tools().SummaryButton->isVisible());
        QVERIFY(!window->Tools().RefreshButton->isVisible());
    }

    void theStepLabelBlinks() {
        auto window = Start();
        window->BlinkStepLabel();
        QCOMPARE(window->StepLabel->palette().color(QPalette::WindowText), QColor(255, 0, 0));
        window->BlinkStepLabel();
        QCOMPARE(window->StepLabel->palette().color(QPalette::WindowText), kLabelColour);
    }

    void escapeAsksBeforeQuittingAndNoKeepsEverything() {
        testing::WriteBytes(temp_->Path() / "palimora.ini",
                            "Fran\xE7"
                            "ais\r\n");
        auto window = Start();
        window->show();
        QVERIFY(QTest::qWaitForWindowActive(window.get()));
        testing::WriteBytes(Working() / "images" / "000001.jpg", "picture");
        dialogs_.answers = {kModalNo};
        QTest::keyClick(window->ProjectNameLabel, Qt::Key_Escape);
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
        QTest::mouseClick(window->Tools().QuitButton, Qt::LeftButton);
        QVERIFY(window->isVisible());
        QCOMPARE(window->Tools().QuitButton->Tag(), 0);
        QCOMPARE(window->ProjectNameLabel->text(), QStringLiteral("New Project"));
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

    // Enter at the first start takes the locale's language, else English.
    void theLanguageWindowOffersTheLocalesLanguage() {
        const QByteArray saved = qgetenv("LC_ALL");
        for (const auto& [locale, offered] : {std::pair{"es_ES.UTF-8", "Espa\u00f1ol"}, std::pair{"C", "English"}}) {
            testing::WriteBytes(temp_->Path() / "palimora.ini", "\r\n");
            qputenv("LC_ALL", locale);
            auto window = Start();
            QString shown;
            QTimer::singleShot(0, [&shown] {
                auto* asked = qobject_cast<LanguageWindow*>(QApplication::activeModalWidget());
                QVERIFY(asked);
                shown = asked->LanguageList->currentText();
                QTest::keyClick(asked, Qt::Key_Return);
            });
            QVERIFY(window->FormActivate());
            QCOMPARE(shown, QString::fromUtf8(offered));
            window.reset();
        }
        qputenv("LC_ALL", saved);
    }

    void firstStartAsksTheLanguageAndAppliesItAtOnce() {
        testing::WriteBytes(temp_->Path() / "palimora.ini", "\r\nother setting\r\n");
        auto window = Start();
        AnswerLanguageWindow(QStringLiteral("English"));
        QVERIFY(window->FormActivate());
        QCOMPARE(testing::ReadBytes(temp_->Path() / "palimora.ini"), std::string("English\r\nother setting\r\n"));
        QCOMPARE(window->StepLabel->text(), QStringLiteral("Step 1"));
        QCOMPARE(window->ProjectNameLabel->text(), QStringLiteral("New Project"));
        QCOMPARE(window->Tools().NewButton->toolTip(), QStringLiteral("Create a new project (Ctrl+N)"));
        QCOMPARE(window->LogoName->toolTip(), QStringLiteral("Palimora: your photo site without writing any HTML"));
        QVERIFY(fs::exists(temp_->Path() / "Projets" / "New Project" / "textes" / "images.dat"));
        QVERIFY(window->BlinkTimer->isActive());
        QVERIFY(window->FormActivate());  // runs once only: no second question
    }

    void theFirstActivationShowsTheBusyCursorUntilItEnds() {
        auto window = Start();
        std::optional<Qt::CursorShape> whileAsked;
        QTimer::singleShot(0, [&whileAsked] {  // the language window comes half-way through the activation
            if (const QCursor* cursor = QApplication::overrideCursor()) whileAsked = cursor->shape();
            auto* languages = qobject_cast<LanguageWindow*>(QApplication::activeModalWidget());
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
        testing::WriteBytes(temp_->Path() / "palimora.ini",
                            "Fran\xE7"
                            "ais\r\n");
        fs::create_directories(Working().parent_path());
        testing::WriteBytes(Working(), "not a folder");
        auto window = Start();
        QCOMPARE(dialogs_.shown.size(), std::size_t(1));
        QVERIFY(dialogs_.shown[0].find(Working().string()) != std::string::npos);
        window->show();
        QVERIFY(window->FormActivate());

        dialogs_.shown.clear();
        QTest::mouseClick(window->Tools().NewButton, Qt::LeftButton);
        QCOMPARE(dialogs_.shown.size(), std::size_t(1));
        QVERIFY(dialogs_.shown[0].find(Working().string()) != std::string::npos);
        QVERIFY(window->isVisible());
        QVERIFY(!window->Tools().NewButton->Tag());  // the button's normal look is back
        QCOMPARE(testing::ReadBytes(Working()), std::string("not a folder"));
    }

    void theWelcomePageComesOnScreenInTheLanguage() {
        testing::WriteBytes(temp_->Path() / "palimora.ini", "English\r\n");
        auto window = Start();
        QCOMPARE(window->PageDesign().PreviewBrowser->geometry(), QRect(407, 96, 377, 329));
        QVERIFY(window->PageDesign().PreviewBrowser->isHidden());
        QSignalSpy loaded(window->PageDesign().PreviewBrowser, &QWebEngineView::loadFinished);
        QVERIFY(window->FormActivate());
        QVERIFY(!window->PageDesign().PreviewBrowser->isHidden());
        QVERIFY(loaded.wait(20000));
        QVERIFY(
            window->PageDesign().PreviewBrowser->url().toLocalFile().endsWith(QStringLiteral("aideweb_us/infos.htm")));
        QCOMPARE(window->PageDesign().PreviewBrowser->title(), QStringLiteral("Welcome to Palimora"));
    }

    void refusingTheLanguageOnFirstStartEndsTheProgram() {
        auto window = Start();
        QSignalSpy refused(window.get(), &MainWindow::languageRefused);
        window->show();  // the first activation asks the language
        AnswerLanguageWindow(QString());
        QVERIFY(refused.wait(20000));
        QVERIFY(!window->isVisible());    // closed at once,
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
