// The main window's place on a screen of known size: the offscreen screen is
// given 1024 x 768 pixels before the application starts.

#include "app/ui/MainWindow.h"
#include "app/ui/PageDesignStep.h"
#include "app/ui/PictureButton.h"
#include "app/ui/PictureStep.h"
#include "app/ui/Toolbar.h"
#include "app/ui/WebBrowser.h"
#include "common/ui/ClickableLabel.h"
#include "project/ui/PictureListView.h"
#include "project/ui/PictureTabs.h"
#include "tests/support/MainWindowHarness.h"
#include "tests/support/Screenshots.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QScreen>
#include <QtTest>

#include <fstream>

using namespace palimora;

class TestWindowPlacement : public QObject {
    Q_OBJECT

private slots:
    void aWindowOnA1024PixelScreenIsCentredAt800x553() {
        QCOMPARE(QGuiApplication::primaryScreen()->availableGeometry().size(), QSize(1024, 768));
        testing::MainWindowHarness harness;
        harness.Reset();
        auto window = harness.Start();
        QCOMPARE(window->pos(), QPoint(112, 107));
        QCOMPARE(window->size(), QSize(800, 553));
        QCOMPARE(window->minimumSize(), QSize(800, 553));
        QCOMPARE(window->Pictures().PicturesList->geometry(), QRect(407, 96, 377, 329));
        QCOMPARE(window->Tools().QuitButton->pos(), QPoint(662, 480));
    }

    void aLargerWindowGivesItsRoomToTheListAndThePreviewAndIsRemembered() {
        testing::OnLightAndDarkDesktops([](const QString& theme) {
            testing::MainWindowHarness harness;
            harness.Reset();
            {
                auto window = harness.Start();
                window->resize(1000, 700);
                QCoreApplication::processEvents();
                QCOMPARE(window->Pictures().PicturesList->geometry(), QRect(407, 96, 577, 476));
                QCOMPARE(window->PageDesign().PreviewBrowser->geometry(), QRect(407, 96, 577, 476));
                QCOMPARE(window->Pictures().PictureTabsView->geometry(), QRect(8, 96, 385, 476));  // taller, as wide
                QCOMPARE(window->Tools().QuitButton->pos(), QPoint(662 + 100, 480 + 147));
                QCOMPARE(window->LogoName->pos(), QPoint(624 + 200, 22));
                QCOMPARE(window->Background->size(), QSize(992, 700));
                window->Pictures().AddPictures({harness.Photo("plage.jpg", 640, 480)});
                window->Pictures().PictureChosen();  // as the add dialog leaves it
                testing::SaveScreenshot(window.get(), QStringLiteral("larger-window"), theme);
                harness.dialogs.answers = {kModalYes, kModalNo};  // quit? yes; save? no
                QVERIFY(window->close());
            }
            auto again = harness.Start();
            QCOMPARE(again->size(), QSize(1000, 700));
            QCOMPARE(again->pos(), QPoint(12, 34));
            QCOMPARE(again->Pictures().PicturesList->width(), 577);
        });
    }
};

int main(int argc, char* argv[]) {
    const QByteArray config = QDir::temp()
                                  .filePath(QStringLiteral("palimora-screen-%1.json"))
                                  .arg(QCoreApplication::applicationPid())
                                  .toLocal8Bit();
    // PALIMORA_SCREEN_RATIO=2 makes it a screen that scales by 2, for screenshots.
    const QByteArray ratio =
        qEnvironmentVariableIsSet("PALIMORA_SCREEN_RATIO") ? qgetenv("PALIMORA_SCREEN_RATIO") : "1";
    std::ofstream(config.constData()) << R"({"screens": [{"name": "screen", "x": 0, "y": 0, "width": 1024,)"
                                         R"( "height": 768, "logicalDpi": 96, "logicalBaseDpi": 96, "dpr": )"
                                      << ratio.constData() << "}]}";
    qputenv("QT_QPA_PLATFORM", "offscreen:configfile=" + config);
    palimora::PrepareBrowserEngine();
    QApplication application(argc, argv);
    TestWindowPlacement test;
    const int failures = QTest::qExec(&test, argc, argv);
    QFile::remove(QString::fromLocal8Bit(config));
    return failures;
}

#include "tst_windowplacement.moc"
