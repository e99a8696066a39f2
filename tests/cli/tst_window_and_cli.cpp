// The build window and palimora-cli build set up the same build: a project
// built through the main window's build window and then through the command
// line gives the same files, byte for byte.

#include "app/ProjectCommands.h"
#include "app/ui/MainWindow.h"
#include "app/ui/PictureStep.h"
#include "cli/AddCommand.h"
#include "cli/BuildCommand.h"
#include "sitegen/ui/BuildWindow.h"
#include "tests/support/MainWindowHarness.h"
#include "tests/support/NamingWindows.h"
#include "tests/support/QtTestMain.h"

#include <QPushButton>
#include <QtTest>

#include <algorithm>
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

// The names of a folder's files, sorted; none for a folder that is not there.
std::vector<std::string> NamesIn(const fs::path& folder) {
    std::vector<std::string> names;
    std::error_code missing;
    for (fs::directory_iterator it(folder, missing), end; !missing && it != end; ++it)
        names.push_back(it->path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
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
        window->SaveCurrentProject();
        QCOMPARE(window->CurrentSession().ProjectName(), std::string("Demo"));

        // OK once the build window says the site is ready.
        QTimer poll;
        connect(&poll, &QTimer::timeout, [] {
            auto* build = qobject_cast<BuildWindow*>(QApplication::activeModalWidget());
            if (build && build->ResultButton->isEnabled()) build->ResultButton->click();
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

    // The add button and palimora-cli add take the same decision for each odd
    // file: added (under which name) or refused, whatever the name claims.
    void theAddButtonAndTheCommandLineTakeTheSameFiles() {
        testing::MainWindowHarness harness;
        harness.Reset();
        const fs::path odd = harness.Root() / "odd";
        fs::create_directories(odd);
        const fs::path jpeg = harness.Photo("source.jpg");
        for (const char* name : {"photo.jpg", "CAMERA.JPG", "old.jpe", "wide.jpeg", "noextension", "cut.jpg"}) {
            fs::copy_file(jpeg, odd / name);
        }
        testing::CutFile(odd / "cut.jpg", 100);
        testing::WriteBmp(odd / "bitmap.gif", testing::Quadrants(40, 30));  // a bitmap named as a GIF
        testing::WriteGif(odd / "animation.gif", 40, 30, {{255, 0, 0}, {0, 0, 255}});
        testing::WriteBytes(odd / "text.jpg", "root:x:0:0\n");
        testing::WriteBytes(odd / "passwd", "root:x:0:0\n");
        testing::WriteBytes(odd / "clip.mp4", std::string(2000, '\x01'));
        testing::WriteBytes(odd / "empty.jpg", "");
        testing::WriteBytes(odd / "icon.ico", std::string("\0\0\1\0", 4) + std::string(100, '\0'));

        std::vector<fs::path> files;
        for (const auto& entry : fs::directory_iterator(odd)) files.push_back(entry.path());
        std::sort(files.begin(), files.end());
        for (const fs::path& file : files) {
            auto window = harness.Start();
            harness.dialogs.answers.assign(4, kModalYes);  // convert what can be converted
            window->Pictures().AddPictures({file});
            const auto byWindow = NamesIn(harness.Root() / "Projets" / "Nouveau Projet" / "images");

            const std::string project = "Odd " + file.filename().string();
            std::ostringstream messages;
            AddCommand(ProgramFolder(harness.Root()), {project, file.string(), "--convert"}, messages);
            const auto byCommandLine = NamesIn(harness.Root() / "Projets" / project / "images");
            QVERIFY2(byWindow == byCommandLine, (file.filename().string() + ": " + messages.str()).c_str());
        }
        // Neither path let through a file that is no picture.
        const auto kept = NamesIn(harness.Root() / "Projets" / "Odd noextension" / "images");
        QCOMPARE(kept, std::vector<std::string>{"000001.jpg"});
        QVERIFY(!fs::exists(harness.Root() / "Projets" / "Odd text.jpg" / "images" / "000001.jpg"));
    }
};

PALIMORA_QTEST_MAIN(TestWindowAndCli)
#include "tst_window_and_cli.moc"
