// The live preview in the real browser engine: samples rebuilt by the
// page-kind buttons and the magnifier, and links followed between samples.

#include "app/ui/MainWindow.h"
#include "app/ui/PageDesignStep.h"
#include "app/ui/PictureButton.h"
#include "app/ui/PictureStep.h"
#include "app/ui/Toolbar.h"
#include "app/ui/WebBrowser.h"
#include "styles/ui/GalleryNotebook.h"
#include "styles/ui/PictureNotebook.h"
#include "styles/ui/StyleNotebooks.h"
#include "styles/ui/SummaryNotebook.h"
#include "tests/support/MainWindowHarness.h"
#include "tests/support/NamingWindows.h"
#include "tests/support/QtTestMain.h"

#include <QDeadlineTimer>
#include <QLineEdit>
#include <QSignalSpy>
#include <QToolButton>
#include <QtTest>

#include <memory>

using namespace palimora;
namespace fs = std::filesystem;

class TestPreview : public QObject {
    Q_OBJECT

private:
    testing::MainWindowHarness harness_;
    testing::NamingWindows windows_;
    std::unique_ptr<MainWindow> window_;

    WebBrowser& Browser() { return *window_->PageDesign().PreviewBrowser; }
    StyleNotebooks& Notebooks() { return *window_->PageDesign().Notebooks; }
    fs::path Sample(const char* name) const { return harness_.Root() / name; }
    QString Shown() { return Browser().url().fileName(); }

    // Runs `act` and waits for the browser to finish the load it starts.
    void AndWaitForLoad(const std::function<void()>& act) {
        QSignalSpy loaded(&Browser(), &QWebEngineView::loadFinished);
        act();
        QVERIFY(loaded.wait(20000));
    }

    QString Html() {
        QString html;
        bool done = false;
        Browser().page()->toHtml([&](const QString& result) {
            html = result;
            done = true;
        });
        QDeadlineTimer deadline(20000);
        while (!done && !deadline.hasExpired()) QTest::qWait(20);
        return html;
    }

    void RunJavaScript(const QString& script) { Browser().page()->runJavaScript(script); }

    void Click(PictureButton* button) { QTest::mouseClick(button, Qt::LeftButton); }

private slots:
    void init() {
        harness_.Reset();
        harness_.projectWindows = &windows_;
        window_ = harness_.Start();
        window_->show();
        window_->Pictures().AddPictures({harness_.Photo("plage.jpg"), harness_.Photo("port.jpg")});
        window_->SaveCurrentProject();
        AndWaitForLoad([this] { Click(window_->Tools().DesignStepButton); });
        QCOMPARE(Shown(), QStringLiteral("blanksom.htm"));
    }

    void cleanup() { window_.reset(); }

    void aPageKindButtonCopiesItsTemplateRebuildsAndShowsItsSample() {
        Notebooks().TabbedGHTML->setCurrentIndex(2);
        for (int click = 0; click < 2; ++click) {
            testing::WriteBytes(Sample("blankgal.htm"), "left over");
            AndWaitForLoad([this] { Click(window_->Tools().GalleryButton); });
            QCOMPARE(Shown(), QStringLiteral("blankgal.htm"));
            QVERIFY(Notebooks().TabbedGHTML->isVisible());
            QCOMPARE(Notebooks().TabbedGHTML->currentIndex(), 0);
            const std::string sample = testing::ReadBytes(Sample("blankgal.htm"));
            QVERIFY(sample.find("left over") == std::string::npos);
            QVERIFY(sample.find("blankimg.htm") != std::string::npos);  // written by the gallery writer
            // The user's own pictures, made for the preview beside the samples.
            const std::size_t picture = sample.find("src=\"./preview/");
            QVERIFY(picture != std::string::npos);
            QVERIFY(
                fs::exists(harness_.Root() / sample.substr(picture + 7, sample.find('"', picture + 7) - picture - 7)));
        }
    }

    void aLinkToAnotherSampleSwitchesToItsKindAndRebuildsIt() {
        AndWaitForLoad([this] { Click(window_->Tools().GalleryButton); });
        testing::WriteBytes(Sample("blankimg.htm"), "old picture sample");
        AndWaitForLoad(
            [this] { RunJavaScript(QStringLiteral("document.querySelector('a[href$=\"blankimg.htm\"]').click()")); });
        QCOMPARE(Shown(), QStringLiteral("blankimg.htm"));
        QVERIFY(window_->CurrentStep().Notebook() == PageKind::Picture);
        QVERIFY(Notebooks().TabbedIHTML->isVisible());
        QVERIFY(testing::ReadBytes(Sample("blankimg.htm")).find("old picture sample") == std::string::npos);
    }

    void theProgramsOwnNavigationSwitchesTheNotebookWithoutARebuild() {
        AndWaitForLoad([this] { Click(window_->Tools().GalleryButton); });
        AndWaitForLoad([this] { Click(window_->Tools().SummaryButton); });
        const std::string before = testing::ReadBytes(Sample("blankgal.htm"));
        AndWaitForLoad([this] { Browser().Navigate(Sample("blankgal.htm")); });
        QCOMPARE(Shown(), QStringLiteral("blankgal.htm"));  // not cancelled
        QVERIFY(window_->CurrentStep().Notebook() == PageKind::Gallery);
        QCOMPARE(testing::ReadBytes(Sample("blankgal.htm")), before);
    }

    void aLinkInCapitalLettersIsNotIntercepted() {
        testing::WriteBytes(harness_.Root() / "BLANKIMG.HTM", "<html><body>capitals</body></html>");
        AndWaitForLoad([this] {
            RunJavaScript(
                QStringLiteral("var a = document.createElement('a'); a.href = 'BLANKIMG.HTM';"
                               "document.body.appendChild(a); a.click();"));
        });
        QCOMPARE(Shown(), QStringLiteral("BLANKIMG.HTM"));
        QVERIFY(window_->CurrentStep().Notebook() == PageKind::Summary);
    }

    void aChangedControlShowsOnceTheUserPausesAndTheMagnifierAtOnce() {
        QSignalSpy loaded(&Browser(), &QWebEngineView::loadFinished);
        for (const char* typed : {"T", "Ti", "Titre du sommaire"}) Notebooks().Tabbedhtml->EditSTit->setText(typed);
        QVERIFY(loaded.wait(20000));
        QVERIFY(Html().contains(QStringLiteral("Titre du sommaire")));
        QTest::qWait(400);
        QCOMPARE(loaded.count(), 1);  // one rebuild for the run of changes

        // A line changed behind the controls' back shows with the magnifier.
        window_->CurrentSession().Settings().Store(SettingLine::SummaryTitleColour, "255");  // red
        AndWaitForLoad([this] { Click(window_->Tools().RefreshButton); });
        const QString html = Html();
        QVERIFY(html.contains(QStringLiteral("Titre du sommaire")));
        QVERIFY(html.contains(QStringLiteral("#FF0000"), Qt::CaseInsensitive));

        fs::remove(Sample("blanksom.htm"));
        AndWaitForLoad([this] { Click(window_->Tools().RefreshButton); });
        QVERIFY(fs::exists(Sample("blanksom.htm")));
        QVERIFY(Html().contains(QStringLiteral("Titre du sommaire")));
    }

    void aSampleWithoutTemplateIsToldInThePreview() {
        window_->CurrentSession().Settings().Store(SettingLine::GalleryTemplate, "gone.htm");
        AndWaitForLoad([this] { Click(window_->Tools().GalleryButton); });
        QVERIFY(!fs::exists(Sample("blankgal.htm")));
        QVERIFY(Html().contains(QStringLiteral("aperçu")));
        QVERIFY(!QApplication::overrideCursor());
    }

    void theRightClickShowsThePageAtAPhonesWidth() {
        const double desktop = Browser().zoomFactor();
        emit Browser().customContextMenuRequested(QPoint(10, 10));
        QVERIFY(window_->PageDesign().PhoneWidth());
        QVERIFY(Browser().zoomFactor() > desktop);
        QCOMPARE(qRound(Browser().width() / Browser().zoomFactor()), 390);
        emit Browser().customContextMenuRequested(QPoint(10, 10));
        QCOMPARE(Browser().zoomFactor(), desktop);

        // The switch under the preview does the same, and shows which view is on.
        PageDesignStep& design = window_->PageDesign();
        QVERIFY(design.WidthSwitch->isVisible());
        QVERIFY(design.ComputerViewButton->isChecked());
        QTest::mouseClick(design.PhoneViewButton, Qt::LeftButton);
        QVERIFY(design.PhoneWidth());
        QCOMPARE(qRound(Browser().width() / Browser().zoomFactor()), 390);
        emit Browser().customContextMenuRequested(QPoint(10, 10));
        QVERIFY(design.ComputerViewButton->isChecked());
    }
};

PALIMORA_QTEST_MAIN(TestPreview)
#include "tst_preview.moc"
