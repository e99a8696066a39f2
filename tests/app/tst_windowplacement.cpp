// The main window's place on a screen of known size: the offscreen screen is
// given 1024 x 768 pixels before the application starts.

#include "app/ui/MainWindow.h"
#include "app/ui/WebBrowser.h"
#include "tests/support/MainWindowHarness.h"

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
        QCOMPARE(window->minimumSize(), window->maximumSize());  // fixed: it cannot be resized
    }
};

int main(int argc, char* argv[]) {
    const QByteArray config = QDir::temp()
                                  .filePath(QStringLiteral("palimora-screen-%1.json"))
                                  .arg(QCoreApplication::applicationPid())
                                  .toLocal8Bit();
    std::ofstream(config.constData()) << R"({"screens": [{"name": "screen", "x": 0, "y": 0, "width": 1024,)"
                                         R"( "height": 768, "logicalDpi": 96, "logicalBaseDpi": 96, "dpr": 1}]})";
    qputenv("QT_QPA_PLATFORM", "offscreen:configfile=" + config);
    palimora::PrepareBrowserEngine();
    QApplication application(argc, argv);
    TestWindowPlacement test;
    const int failures = QTest::qExec(&test, argc, argv);
    QFile::remove(QString::fromLocal8Bit(config));
    return failures;
}

#include "tst_windowplacement.moc"
