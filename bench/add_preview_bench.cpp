// How long the add dialog's preview pane takes to show a 40-megapixel photo
// (7300 x 5475): PicturePreview::Show, which decodes the JPEG already
// reduced, beside the toolkit's own loader reading the whole photo and
// scaling it into the same pane (the peer: what a plain picture preview does).
// Usage: QT_QPA_PLATFORM=offscreen add_preview_bench <work folder> [rounds, default 10]

#include "common/ProgramFolder.h"
#include "imaging/JpegCodec.h"
#include "lang/Language.h"
#include "project/ui/PicturePreview.h"
#include "tests/support/TempFolder.h"

#include <QApplication>
#include <QImageReader>
#include <QLabel>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <vector>

using namespace palimora;
namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;

namespace {

// Smooth gradients with fine texture, so the decoder does a photo's work.
Image MakePhoto(int width, int height) {
    Image image(width, height);
    for (int y = 0; y < height; ++y) {
        std::uint8_t* row = image.Row(y);
        for (int x = 0; x < width; ++x) {
            const double wave = std::sin(x * 0.004) * std::cos(y * 0.006);
            const int noise = ((x * 7919 + y * 104729) >> 3) & 15;
            row[x * 3] = static_cast<std::uint8_t>(120 + 90 * wave + noise);
            row[x * 3 + 1] = static_cast<std::uint8_t>((x * 255 / width + noise) & 255);
            row[x * 3 + 2] = static_cast<std::uint8_t>((y * 255 / height + noise) & 255);
        }
    }
    return image;
}

// The median of `rounds` runs, in milliseconds.
double MedianMs(int rounds, const std::function<void()>& run) {
    std::vector<double> times;
    for (int i = 0; i < rounds; ++i) {
        const auto start = Clock::now();
        run();
        times.push_back(std::chrono::duration<double, std::milli>(Clock::now() - start).count());
    }
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}

}  // namespace

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    if (argc < 2) {
        std::fprintf(stderr, "usage: add_preview_bench <work folder> [rounds]\n");
        return 2;
    }
    const fs::path work = argv[1];
    const int rounds = argc > 2 ? std::max(1, std::atoi(argv[2])) : 10;
    fs::create_directories(work);
    const fs::path photo = work / "photo-40mp.jpg";
    if (!fs::exists(photo)) EncodeJpeg(MakePhoto(7300, 5475), photo);

    testing::TempFolder program;
    testing::StageProgramFolder(program.Path());
    Language language;
    language.LoadChosen(ProgramFolder(program.Path()));
    PicturePreview preview(language, nullptr);

    const double pane = MedianMs(rounds, [&] { preview.Show(photo); });
    QImageReader::setAllocationLimit(0);  // by default the toolkit refuses a photo this large outright
    const double whole = MedianMs(rounds, [&] {
        QImageReader reader(QString::fromStdString(photo.string()));
        const QImage image = reader.read().scaled(PicturePreview::kPaneWidth, PicturePreview::kPaneHeight,
                                                  Qt::KeepAspectRatio, Qt::SmoothTransformation);
        if (image.isNull()) std::abort();
    });
    std::printf(
        "40 MP photo into the %d x %d pane, median of %d: preview %.1f ms, whole read and scale %.1f ms, ratio %.1fx\n",
        PicturePreview::kPaneWidth, PicturePreview::kPaneHeight, rounds, pane, whole, whole / pane);
    std::printf("shown: %s\n", preview.SizeLabel->text().toUtf8().constData());
    return 0;
}
