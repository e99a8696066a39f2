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
#include <QSet>
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

    // The result of `script`, once the page has given it.
    QVariant Evaluate(const QString& script) {
        QVariant result;
        bool done = false;
        Browser().page()->runJavaScript(script, [&](const QVariant& value) {
            result = value;
            done = true;
        });
        QDeadlineTimer deadline(20000);
        while (!done && !deadline.hasExpired()) QTest::qWait(20);
        return result;
    }

    void Click(PictureButton* button) { QTest::mouseClick(button, Qt::LeftButton); }

    // A saved project of photos of `size` named `names`, shown in page design.
    void StartWith(const std::vector<std::string>& names, QSize size = {120, 90}) {
        window_.reset();
        harness_.Reset();
        harness_.projectWindows = &windows_;
        window_ = harness_.Start();
        window_->show();
        std::vector<fs::path> photos;
        for (const std::string& name : names) photos.push_back(harness_.Photo(name, size.width(), size.height()));
        window_->Pictures().AddPictures(photos);
        window_->SaveCurrentProject();
        AndWaitForLoad([this] { Click(window_->Tools().DesignStepButton); });
        QCOMPARE(Shown(), QStringLiteral("blanksom.htm"));
    }

private slots:
    void init() { StartWith({"plage.jpg", "port.jpg"}); }

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

    // As a phone at 390 CSS pixels shows the built site (site_layout.py
    // measures the same in a current browser): two gallery columns, each
    // title under its picture, and the picture across the screen.
    void thePhoneViewLaysTheSampleOutAsAPhoneDoes() {
        StartWith({"a.jpg", "b.jpg", "c.jpg"}, {1600, 1200});
        window_->resize(1920, 1050);
        window_->CurrentSession().Settings().Store(SettingLine::TodaysBrowsers, "1");
        window_->CurrentSession().Settings().Store(SettingLine::GalleryThumbnailTitlesShown, "1");
        QTest::mouseClick(window_->PageDesign().PhoneViewButton, Qt::LeftButton);
        const QRect screen = Browser().geometry();
        QCOMPARE(qRound(screen.width() / Browser().zoomFactor()), 390);
        QVERIFY(screen.height() > 2 * screen.width());                // upright, at a phone's proportions
        const int areaWidth = 377 + qMax(0, window_->width() - 800);  // the browser area, stretched with the window
        QVERIFY2(
            qAbs(screen.center().x() - (407 + areaWidth / 2)) <= 1,
            qPrintable(QStringLiteral("%1 %2 %3").arg(screen.center().x()).arg(window_->width()).arg(screen.width())));

        AndWaitForLoad([this] { Click(window_->Tools().GalleryButton); });
        const QVariantList cells = Evaluate(QStringLiteral(R"(
            [...document.querySelectorAll('td')].filter(td => td.offsetWidth > 0 && td.colSpan <= 1)
                .map(td => { const r = td.getBoundingClientRect(); return [Math.round(r.left), Math.round(r.top), !!td.querySelector('img')]; }))"))
                                       .toList();
        QVERIFY(cells.size() >= 4);
        QSet<int> columns;
        for (int i = 0; i + 1 < cells.size(); i += 2) {
            const QVariantList picture = cells[i].toList(), title = cells[i + 1].toList();
            QVERIFY(picture[2].toBool() && !title[2].toBool());
            QCOMPARE(title[0].toInt(), picture[0].toInt());  // under its own picture
            QVERIFY(title[1].toInt() > picture[1].toInt());
            columns.insert(picture[0].toInt());
        }
        QCOMPARE(columns.size(), 2);

        AndWaitForLoad([this] { Click(window_->Tools().PicturePageButton); });
        const double shown =
            Evaluate(QStringLiteral("document.querySelector('.shot img').getBoundingClientRect().width / innerWidth"))
                .toDouble();
        QVERIFY2(shown > 0.8, qPrintable(QString::number(shown)));
    }

    void theRightClickShowsThePageAtAPhonesWidth() {
        const double desktop = Browser().zoomFactor();
        emit Browser().customContextMenuRequested(QPoint(10, 10));
        QVERIFY(window_->PageDesign().PhoneWidth());
        QVERIFY(Browser().width() < 377);  // a phone's screen in the browser area
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
