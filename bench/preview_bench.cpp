// How long the live preview takes: from a page-kind button's click to the
// browser's loadFinished of the rebuilt sample, for each kind of page with
// the shipped templates; beside it, the browser merely loading the same
// sample again (the peer: no template copy, no writers). The samples show
// the project's own nine photos, made small for the preview on entering.
// Usage: QT_QPA_PLATFORM=offscreen preview_bench [rounds, default 20]

#include "app/ui/MainWindow.h"
#include "app/ui/PageDesignStep.h"
#include "app/ui/PictureButton.h"
#include "app/ui/PictureStep.h"
#include "app/ui/Toolbar.h"
#include "app/ui/WebBrowser.h"
#include "tests/support/MainWindowHarness.h"
#include "tests/support/NamingWindows.h"

#include <QApplication>
#include <QEventLoop>
#include <QTimer>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <functional>
#include <vector>

using namespace palimora;

namespace {

// Milliseconds from `act` to the end of the load it starts.
double TimeToLoad(WebBrowser& browser, const std::function<void()>& act) {
    QEventLoop loop;
    const auto connection = QObject::connect(&browser, &QWebEngineView::loadFinished, &loop, &QEventLoop::quit);
    QTimer::singleShot(20000, &loop, &QEventLoop::quit);
    const auto start = std::chrono::steady_clock::now();
    act();
    loop.exec();
    QObject::disconnect(connection);
    return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
}

double Median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

}  // namespace

int main(int argc, char* argv[]) {
    const int rounds = argc > 1 ? std::max(1, std::atoi(argv[1])) : 20;
    PrepareBrowserEngine();
    QApplication application(argc, argv);
    testing::MainWindowHarness harness;
    harness.Reset();
    testing::NamingWindows windows;
    harness.projectWindows = &windows;
    auto window = harness.Start();
    window->show();
    std::vector<std::filesystem::path> photos;
    for (int i = 1; i <= 9; ++i) photos.push_back(harness.Photo("photo" + std::to_string(i) + ".jpg", 1600, 1200));
    window->Pictures().AddPictures(photos);
    window->SaveCurrentProject();
    WebBrowser& browser = *window->PageDesign().PreviewBrowser;
    TimeToLoad(browser, [&] { window->ShowPageDesign(); });

    struct Kind {
        const char* name;
        PictureButton* button;
        const char* sample;
    };
    Toolbar& tools = window->Tools();
    const Kind kinds[] = {{"summary", tools.SummaryButton, "blanksom.htm"},
                          {"gallery", tools.GalleryButton, "blankgal.htm"},
                          {"picture", tools.PicturePageButton, "blankimg.htm"}};
    std::printf("median of %d, ms from the click to the rebuilt sample shown; the same sample only loaded again\n",
                rounds);
    for (const Kind& kind : kinds) {
        std::vector<double> rebuilt, loaded;
        for (int i = 0; i < rounds; ++i) {
            rebuilt.push_back(TimeToLoad(browser, [&] { emit kind.button->clicked(); }));
            loaded.push_back(TimeToLoad(browser, [&] { browser.Navigate(harness.Root() / kind.sample); }));
        }
        const double rebuild = Median(rebuilt), load = Median(loaded);
        std::printf("%-8s rebuilt %6.1f ms (slowest %6.1f)   loaded only %6.1f ms   ratio %.2f\n", kind.name, rebuild,
                    *std::max_element(rebuilt.begin(), rebuilt.end()), load, rebuild / load);
    }
    return 0;
}
