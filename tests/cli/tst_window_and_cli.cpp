// The build window and palimora-cli build set up the same build: a project
// built through the main window's build window and then through the command
// line gives the same files, byte for byte.

#include "app/ProjectCommands.h"
#include "app/ui/MainWindow.h"
#include "app/ui/PictureStep.h"
#include "cli/BuildCommand.h"
#include "sitegen/ui/BuildWindow.h"
#include "tests/support/MainWindowHarness.h"
#include "tests/support/NamingWindows.h"
#include "tests/support/QtTestMain.h"

#include <QPushButton>
#include <QtTest>

#include <map>
#include <sstream>

using namespace palimora;
namespace fs = std::filesystem;

namespace {

std::map<std::string, std::string> FilesOf(const fs::path& folder) {
    std::map<std::string, std::string> files;
    for (const auto& entry : fs::recursive_directory_iterator(folder)) {
        if (entry.is_regular_file()) {
            files[fs::relative(entry.path(), folder).string()] = testing::ReadBytes(entry.path());
        }
    }
    return files;
}

}  // namespace

class TestWindowAndCli : public QObject {
    Q_OBJECT

private slots:
    void theWindowAndTheCommandLineWriteTheSameSite() {
        testing::MainWindowHarness harness;
        harness.Reset();
        testing::NamingWindows save("Demo");
        harness.projectWindows = &save;
        auto window = harness.Start();
        window->Pictures().AddPictures({harness.Photo("plage.jpg", 640, 480), harness.Photo("port.jpg", 480, 640),
                                        harness.Photo("quai.jpg", 800, 600)});
        window->BoutEnrClick();
        QCOMPARE(window->CurrentSession().ProjectName(), std::string("Demo"));

        // OK once the build window says the site is ready.
        QTimer poll;
        connect(&poll, &QTimer::timeout, [] {
            auto* build = qobject_cast<TFCreaHTML*>(QApplication::activeModalWidget());
            if (build && build->BitBtn1->isEnabled()) build->BitBtn1->click();
        });
        poll.start(50);
        QVERIFY(window->RunBuildWindow());
        poll.stop();

        const fs::path project = harness.Root() / "Projets" / "Demo";
        const auto byWindow = FilesOf(project);
        QVERIFY(byWindow.count("index.html"));
        QVERIFY(byWindow.count("g1-000003.htm"));
        QVERIFY(byWindow.count("tn_images/tn-000002.jpg"));

        std::ostringstream messages;
        QCOMPARE(BuildCommand(ProgramFolder(harness.Root()), {"Demo"}, messages), 0);
        const auto byCommandLine = FilesOf(project);
        QCOMPARE(byCommandLine.size(), byWindow.size());
        for (const auto& [name, bytes] : byWindow) {
            QVERIFY2(byCommandLine.count(name) && byCommandLine.at(name) == bytes, name.c_str());
        }
    }
};

PALIMORA_QTEST_MAIN(TestWindowAndCli)
#include "tst_window_and_cli.moc"
