// The whole rebuild of the main window's picture list after one move, in a
// list of 300 photos (the list, icons, wait window and selection included).
// Usage: picture_list_window_bench <photos folder from picture_list_bench>
// Run offscreen: QT_QPA_PLATFORM=offscreen.

#include "app/ui/MainWindow.h"
#include "app/ui/PageDesignStep.h"
#include "app/ui/PictureStep.h"
#include "app/ui/Toolbar.h"
#include "common/UserDialogs.h"
#include "project/PictureNames.h"
#include "project/ui/PictureListView.h"
#include "styles/ui/WebBrowser.h"

#include <QApplication>

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

}  // namespace

int main(int argc, char* argv[]) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: %s <photos folder>\n", argv[0]);
        return 2;
    }
    palimora::PrepareBrowserEngine();
    QApplication application(argc, argv);
    const fs::path program = fs::temp_directory_path() / "palimora-window-bench";
    fs::remove_all(program);
    fs::copy(fs::path(argv[0]).parent_path().parent_path() / "palimora", program, fs::copy_options::recursive);
    SilentDialogs dialogs;
    palimora::TForm1 window(palimora::ProgramFolder(program), {false, &dialogs, nullptr, {}, {}});
    window.FormActivate();

    std::vector<fs::path> photos;
    for (int i = 1; i <= 300; ++i) photos.push_back(fs::path(argv[1]) / (palimora::SixDigits(i) + ".jpg"));
    using Clock = std::chrono::steady_clock;
    auto start = Clock::now();
    window.Pictures().AddPictures(photos);
    const double added = std::chrono::duration<double>(Clock::now() - start).count();

    window.Pictures().ListView1->MakeCurrent(149);
    window.Pictures().ListView1Click();
    start = Clock::now();
    window.Pictures().BoutDesClick();
    const double moved = std::chrono::duration<double>(Clock::now() - start).count();
    std::printf("window: adding 300 photos %.2f s; moving one and rebuilding the list %.3f s\n", added, moved);
    fs::remove_all(program);
    return 0;
}
