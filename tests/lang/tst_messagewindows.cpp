#include "common/UserDialogs.h"
#include "common/ui/ScreenText.h"
#include "lang/Language.h"
#include "lang/TextId.h"
#include "lang/ui/IntroWindow.h"
#include "lang/ui/LanguageWindow.h"
#include "lang/ui/MessageWindows.h"
#include "lang/ui/QtOwnTexts.h"
#include "lang/ui/QtUserDialogs.h"
#include "lang/ui/WaitWindow.h"
#include "tests/support/TempFolder.h"

#include <QComboBox>
#include <QInputDialog>
#include <QLabel>
#include <QMessageBox>
#include <QProgressBar>
#include <QPushButton>
#include <QtTest>

#include <functional>
#include <memory>

using namespace palimora;

class TestMessageWindows : public QObject {
    Q_OBJECT

private:
    testing::TempFolder temp_;
    ProgramFolder folder_{temp_.Path()};
    Language language_;

    // Shows a window and returns what the key or click answers.
    int Answer(MessageWindow& window, const std::function<void()>& act) {
        window.show();
        if (!QTest::qWaitForWindowActive(&window)) return -1;
        act();
        return window.isVisible() ? 0 : window.result();
    }

private slots:
    // Qt's own windows (the picture-open dialog) speak the program's language.
    void qtsOwnTextsFollowTheLanguage() {
        const QString lookIn = QStringLiteral("Look in:");
        QtOwnTexts texts;
        texts.Follow("fr");
        const QString french = QCoreApplication::translate("QFileDialog", "Look in:");
        QVERIFY2(french != lookIn && !french.isEmpty(), qPrintable(french));
        texts.Follow("en");
        QCOMPARE(QCoreApplication::translate("QFileDialog", "Look in:"), lookIn);
        texts.Follow("de");  // a language added by its file alone finds Qt's texts by its tag
        const QString german = QCoreApplication::translate("QFileDialog", "Look in:");
        QVERIFY2(german != lookIn && german != french, qPrintable(german));
        texts.Follow("fr");
        QCOMPARE(QCoreApplication::translate("QFileDialog", "Look in:"), french);
    }

    void initTestCase() {
        testing::StageProgramFolder(temp_.Path());
        language_.LoadChosen(folder_);
    }

    void layoutAndTextsFollowTheDesign() {
        YesNoCancelWindow question(language_, "Question ?");
        QCOMPARE(question.size(), QSize(329, 170));
        QCOMPARE(question.windowTitle(), ToScreen(language_.LangText(TextId::MessageTitle)));
        QCOMPARE(question.AcceptButton->text(), QStringLiteral("Oui"));
        QCOMPARE(question.NoButton->text(), QStringLiteral("Non"));
        QCOMPARE(question.CancelButton->text(), QStringLiteral("Annuler"));
        QCOMPARE(question.NoButton->geometry(), QRect(112, 136, 89, 25));
        QCOMPARE(question.MessageLabel->geometry(), QRect(64, 16, 249, 105));
        QCOMPARE(OkMessageWindow(language_, "").size(), QSize(325, 172));
        QCOMPARE(OkCancelWindow(language_, "").size(), QSize(328, 171));
    }

    void enterAnswersTheFocusedButton() {
        OkMessageWindow ok(language_, "Message");
        QCOMPARE(Answer(ok, [&] { QTest::keyClick(&ok, Qt::Key_Return); }), int(kModalOk));
        YesNoCancelWindow yes(language_, "Question");
        QCOMPARE(Answer(yes, [&] { QTest::keyClick(&yes, Qt::Key_Return); }), int(kModalYes));
        OkCancelWindow first(language_, "Question");
        QCOMPARE(Answer(first, [&] { QTest::keyClick(&first, Qt::Key_Enter); }), int(kModalYes));
        YesNoCancelWindow no(language_, "Question");
        QCOMPARE(Answer(no,
                        [&] {
                            no.NoButton->setFocus();
                            QTest::keyClick(&no, Qt::Key_Return);
                        }),
                 int(kModalNo));
        // The quit question: Escape then Enter in the window must not quit.
        YesNoCancelWindow quit(language_, "Quit?");
        quit.MakeNoTheDefault();
        QCOMPARE(Answer(quit, [&] { QTest::keyClick(&quit, Qt::Key_Return); }), int(kModalNo));
    }

    // The trust question shows its whole text (the fingerprint and the closing
    // question too) and refuses on Enter: only a click on OK trusts.
    void theTrustQuestionShowsEverythingAndRefusesByDefault() {
        const std::string text = language_.LangText(TextId::ChangedHostKey) + "\n127.0.0.1:2222\n" +
                                 language_.LangText(TextId::FingerprintLabel) +
                                 " SHA256:q1w2e3r4t5y6u7i8o9p0a1s2d3f4g5h6j7k8l9z0x1c\n" +
                                 language_.LangText(TextId::ConnectOnlyIfKnown);
        QtUserDialogs dialogs(language_);
        QString shown;
        int heightNeeded = 0, heightGiven = 0;
        QTimer::singleShot(200, [&] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            if (!box) return;
            shown = box->text();
            if (const QString shot = qEnvironmentVariable("PALIMORA_SCREENSHOTS"); !shot.isEmpty()) {
                box->grab().save(shot + QStringLiteral("/trust-question.png"));
            }
            if (auto* label = box->findChild<QLabel*>(QStringLiteral("qt_msgbox_label"))) {
                // Wrapped to the width it has, the text must fit the height it has.
                heightNeeded =
                    label->hasHeightForWidth() ? label->heightForWidth(label->width()) : label->sizeHint().height();
                heightGiven = label->height();
            }
            QTest::keyClick(box, Qt::Key_Return);
        });
        QCOMPARE(dialogs.AskTrust(text), int(kModalCancel));
        QCOMPARE(shown, ToScreen(text));
        QVERIFY2(heightNeeded > 0 && heightGiven >= heightNeeded, "the text is cut");
        QTimer::singleShot(200, [&] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            if (box) box->buttons().front()->click();  // OK, the first button
        });
        QCOMPARE(dialogs.AskTrust(text), int(kModalYes));
    }

    // The text question is wide enough for its title whole beside the title
    // bar's buttons, and Enter gives the text as typed.
    void theTextQuestionShowsItsTitleWhole() {
        QtUserDialogs dialogs(language_);
        const std::string title = "Ordner auf dem Server, in dem die Seiten liegen";
        int width = 0;
        QTimer::singleShot(0, [&] {
            auto* question = qobject_cast<QInputDialog*>(QApplication::activeModalWidget());
            if (!question) return;
            width = question->width();
            question->setTextValue(QStringLiteral("albums/\u00e9t\u00e9"));
            QTest::keyClick(question, Qt::Key_Return);
        });
        QCOMPARE(dialogs.AskText(title, "Dossier :", "Vacances"), std::optional<std::string>("albums/\xE9t\xE9"));
        QVERIFY2(width > QFontMetrics(QApplication::font()).horizontalAdvance(QString::fromStdString(title)) + 100,
                 qPrintable(QString::number(width)));
    }

    void escapeAnswersLikeTheFirstCancelButton() {
        YesNoCancelWindow question(language_, "Question");
        QCOMPARE(Answer(question, [&] { QTest::keyClick(&question, Qt::Key_Escape); }), int(kModalNo));
        OkCancelWindow okCancel(language_, "Question");
        QCOMPARE(Answer(okCancel, [&] { QTest::keyClick(&okCancel, Qt::Key_Escape); }), int(kModalCancel));
        OkMessageWindow message(language_, "Message");
        QCOMPARE(Answer(message, [&] { QTest::keyClick(&message, Qt::Key_Escape); }), 0);  // still open
    }

    void eachButtonAnswersItsResult() {
        const std::pair<std::function<QPushButton*(YesNoCancelWindow&)>, int> cases[] = {
            {[](YesNoCancelWindow& w) { return w.AcceptButton; }, kModalYes},
            {[](YesNoCancelWindow& w) { return w.NoButton; }, kModalNo},
            {[](YesNoCancelWindow& w) { return w.CancelButton; }, kModalCancel},
        };
        for (const auto& each : cases) {
            YesNoCancelWindow window(language_, "Question");
            QCOMPARE(Answer(window, [&] { QTest::mouseClick(each.first(window), Qt::LeftButton); }), each.second);
        }
        OkCancelWindow okCancel(language_, "Question");
        QCOMPARE(Answer(okCancel, [&] { QTest::mouseClick(okCancel.CancelButton, Qt::LeftButton); }),
                 int(kModalCancel));
        OkMessageWindow ok(language_, "Message");
        QCOMPARE(Answer(ok, [&] { QTest::mouseClick(ok.AcceptButton, Qt::LeftButton); }), int(kModalOk));
    }

    void closingBySystemAnswersCancel() {
        OkMessageWindow message(language_, "Message");
        QCOMPARE(Answer(message, [&] { message.close(); }), int(kModalCancel));
    }

    void aLongMessageWrapsInsideTheFixedLabel() {
        OkMessageWindow message(language_, std::string(2000, 'w') + " end");
        message.show();
        QVERIFY(message.MessageLabel->wordWrap());
        QCOMPARE(message.MessageLabel->size(), QSize(249, 105));
        QCOMPARE(message.size(), QSize(325, 172));
    }

    void aLanguageChangeReachesTheNextQuestion() {
        Language language;
        language.LoadChosen(folder_);
        YesNoCancelWindow before(language, "?");
        QCOMPARE(before.AcceptButton->text(), QStringLiteral("Oui"));
        testing::TempFolder other;
        testing::StageProgramFolder(other.Path());
        language.Choose(ProgramFolder(other.Path()), "English");
        YesNoCancelWindow after(language, "?");
        QCOMPARE(after.AcceptButton->text(), QStringLiteral("Yes"));
        QCOMPARE(after.CancelButton->text(), QStringLiteral("Cancel"));
    }

    void theLanguageWindowHandsOverTheChoice() {
        std::string chosen;
        const std::vector<std::string> names{"English",
                                             "Fran\xE7"
                                             "ais"};
        LanguageWindow window(names, 0, [&](std::string_view choice) { chosen = choice; });
        QCOMPARE(window.size(), QSize(374, 142));
        QCOMPARE(window.LanguageList->count(), 2);
        QCOMPARE(window.LanguageList->itemText(0), QStringLiteral("English"));
        window.LanguageList->setCurrentIndex(1);
        window.show();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        QTest::keyClick(&window, Qt::Key_Escape);  // no cancel button: Escape does nothing
        QVERIFY(window.isVisible());
        QTest::keyClick(&window, Qt::Key_Return);
        QCOMPARE(window.result(), int(kModalYes));
        QCOMPARE(chosen, std::string("Fran\xE7"
                                     "ais"));

        LanguageWindow closed(names, 0, [&](std::string_view) { QFAIL("nothing is chosen"); });
        closed.show();
        closed.close();
        QCOMPARE(closed.result(), int(kModalCancel));
    }

    void theWaitWindowCountsAndOnlyFlagsACancel() {
        WaitWindow wait(language_);
        wait.Begin(12);
        QVERIFY(wait.isVisible());
        QVERIFY(wait.Bar->isVisible());
        QCOMPARE(wait.Bar->maximum(), 12);
        QCOMPARE(wait.windowTitle(), ToScreen(language_.LangText(TextId::WaitTitle)));
        wait.SetPosition(3);
        QCOMPARE(wait.Bar->value(), 3);
        QVERIFY(!wait.Cancelled());
        QTest::mouseClick(wait.CancelButton, Qt::LeftButton);
        QVERIFY(wait.Cancelled());
        QVERIFY(wait.isVisible());  // the caller closes it
        wait.Finish();
        QVERIFY(!wait.isVisible());
        QVERIFY(!wait.Bar->isVisible());
        wait.Begin(2);
        QVERIFY(!wait.Cancelled());
    }

    void theIntroClosesOnEscapeAClickOrAfterOneRun() {
        IntroWindow byKey(folder_.LogoGif());
        QCOMPARE(byKey.size(), QSize(543, 280));
        QCOMPARE(byKey.Animation->size(), QSize(543, 280));
        byKey.show();
        QTest::keyClick(&byKey, Qt::Key_A);
        QVERIFY(byKey.isVisible());
        QTest::keyClick(&byKey, Qt::Key_Escape);
        QVERIFY(!byKey.isVisible());

        IntroWindow byClick(folder_.LogoGif());
        byClick.show();
        QTest::mouseClick(byClick.Animation, Qt::LeftButton);
        QVERIFY(!byClick.isVisible());

        IntroWindow played(folder_.LogoGif());
        QSignalSpy closed(&played, &QDialog::accepted);
        played.show();
        QVERIFY(closed.wait(15000));

        IntroWindow noLogo(folder_.Root() / "missing.gif");  // waits for the user instead
        noLogo.show();
        QTest::mouseClick(&noLogo, Qt::LeftButton);
        QVERIFY(!noLogo.isVisible());
    }
};

QTEST_MAIN(TestMessageWindows)
#include "tst_messagewindows.moc"
