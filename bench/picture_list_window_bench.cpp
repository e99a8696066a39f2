// Adding 300 photos through the main window (copies, display, list and
// icons), beside making the icons of the same files alone, in the same run;
// then the same 300 dropped as their folder on the list of a second window;
// then the whole rebuild of the picture list after one move.
// Usage: picture_list_window_bench <photos folder from picture_list_bench>
// Run offscreen: QT_QPA_PLATFORM=offscreen.

#include "BenchProgramFolder.h"
#include "app/ui/MainWindow.h"
#include "app/ui/PageDesignStep.h"
#include "app/ui/PictureStep.h"
#include "app/ui/Toolbar.h"
#include "app/ui/WebBrowser.h"
#include "common/UserDialogs.h"
#include "imaging/Icons.h"
#include "project/PictureNames.h"
#include "project/ui/PictureListView.h"

#include <QApplication>
#include <QDropEvent>
#include <QMimeData>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>

namespace fs = std::filesystem;

namespace {

class SilentDialogs : public palimora::UserDialogs {
public:
    int ShowMessageOk(const std::string&) override { return palimora::kModalOk; }
    int AskYesNoCancel(const std::string&) override { return palimora::kModalYes; }
    int AskOkCancel(const std::string&) override { return palimora::kModalCancel; }
    std::optional<std::string> AskText(const std::string&, const std::string&, const std::string&) override {
        return std::nullopt;
    }
    void Beep() override {}
};

// Drops `folder` on the window's picture list as a file manager does, and
// waits until the list shows `count` pictures.
void DropFolder(palimora::MainWindow& window, const fs::path& folder, int count) {
    QWidget* target = window.Pictures().PicturesList->viewport();
    QMimeData data;
    data.setUrls({QUrl::fromLocalFile(QString::fromStdString(folder.string()))});
    const QPoint middle = target->rect().center();
    QDragEnterEvent enter(middle, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(target, &enter);
    QDropEvent drop(middle, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(target, &drop);
    while (window.Pictures().PicturesList->count() < count) QApplication::processEvents(QEventLoop::WaitForMoreEvents);
}

}  // namespace

int main(int argc, char* argv[]) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: %s <photos folder>\n", argv[0]);
        return 2;
    }
    palimora::PrepareBrowserEngine();
    QApplication application(argc, argv);
    const fs::path program = palimora::bench::ProgramFolderCopy(
        fs::path(argv[0]).parent_path().parent_path() / "palimora", "palimora-window-bench");
    SilentDialogs dialogs;
    palimora::MainWindow window(palimora::ProgramFolder(program), {false, &dialogs, nullptr, {}, {}});
    window.FormActivate();

    std::vector<fs::path> photos;
    for (int i = 1; i <= 300; ++i) photos.push_back(fs::path(argv[1]) / (palimora::SixDigits(i) + ".jpg"));
    using Clock = std::chrono::steady_clock;
    const auto iconsAlone = [&] {
        const auto start = Clock::now();
        palimora::IconCache cold;
        palimora::IconBatch batch(photos, cold);
        for (std::size_t i = 0; i < photos.size(); ++i) batch.Take(i);
        return std::chrono::duration<double>(Clock::now() - start).count();
    };
    double icons = iconsAlone();
    auto start = Clock::now();
    window.Pictures().AddPictures(photos);
    const double added = std::chrono::duration<double>(Clock::now() - start).count();
    icons = std::min(icons, iconsAlone());

    const fs::path dropProgram = palimora::bench::ProgramFolderCopy(
        fs::path(argv[0]).parent_path().parent_path() / "palimora", "palimora-drop-bench");
    palimora::MainWindow dropWindow(palimora::ProgramFolder(dropProgram), {false, &dialogs, nullptr, {}, {}});
    dropWindow.FormActivate();
    start = Clock::now();
    DropFolder(dropWindow, argv[1], static_cast<int>(photos.size()));
    const double dropped = std::chrono::duration<double>(Clock::now() - start).count();

    window.Pictures().PicturesList->MakeCurrent(149);
    window.Pictures().ShowChosenPicture();
    start = Clock::now();
    window.Pictures().MovePictureDown();
    const double moved = std::chrono::duration<double>(Clock::now() - start).count();
    std::printf(
        "window: adding 300 photos %.2f s, their icons alone %.2f s, ratio %.2f; "
        "dropping their folder %.2f s, ratio to adding %.2f; moving one and rebuilding the list %.3f s\n",
        added, icons, added / icons, dropped, dropped / added, moved);
    fs::remove_all(program);
    fs::remove_all(dropProgram);
    return 0;
}
