// One whole site build (pages, gallery thumbnails, pictures limited in
// size) of a folder of photos, timed. bench/run-site-build runs it between
// the peers and the floor, in the same run.
//
// Usage: site_build_bench <built program folder> <photos folder>
//                         [thumbW thumbH limitW limitH [workers [rebuilds]]]
// Prints "palimora <wall seconds> <cpu seconds> <peak MB>". With
// "rebuilds", the same project is then built again three times, each
// printed as "rebuild <case> <wall seconds>": with nothing changed, with
// the title of its middle picture changed, and with a photo added at the end.

#include "BenchProgramFolder.h"
#include "cli/ConsoleDialogs.h"
#include "lang/Language.h"
#include "project/PictureNames.h"
#include "project/PictureTextFile.h"
#include "sitegen/BuildContext.h"
#include "sitegen/SiteBuild.h"
#include "styles/ProjectSettings.h"

#include <sys/resource.h>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <iostream>
#include <string>
#include <vector>

namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;

namespace {

class QuietProgress : public palimora::BuildProgress {
public:
    void SetMaximum(int) override {}
    void Step() override {}
    void SetStatus(const std::string&) override {}
    bool CancelRequested() override { return false; }
};

double CpuSeconds() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_utime.tv_sec + usage.ru_stime.tv_sec + (usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) * 1e-6;
}

std::vector<fs::path> Photos(const fs::path& folder) {
    std::vector<fs::path> photos;
    for (const auto& entry : fs::directory_iterator(folder)) {
        const std::string extension = entry.path().extension().string();
        if (extension == ".jpg" || extension == ".JPG" || extension == ".jpeg") photos.push_back(entry.path());
    }
    std::sort(photos.begin(), photos.end());
    return photos;
}

}  // namespace

int main(int argc, char* argv[]) {
    if (argc < 3) {
        std::fprintf(stderr, "usage: %s <program folder> <photos folder> [thumbW thumbH limitW limitH [workers]]\n",
                     argv[0]);
        return 2;
    }
    const auto number = [&](int i, const char* fallback) { return std::string(argc > i ? argv[i] : fallback); };
    const std::string thumbW = number(3, "150"), thumbH = number(4, "150");
    const std::string limitW = number(5, "1024"), limitH = number(6, "768");
    const unsigned workers = static_cast<unsigned>(std::atoi(number(7, "0").c_str()));
    const bool rebuilds = number(8, "") == "rebuilds";

    const fs::path program = palimora::bench::ProgramFolderCopy(argv[1], "palimora-site-build-bench");
    const palimora::ProgramFolder folder(program);
    const std::string name = "Bench";
    const fs::path project = folder.Project(name);
    fs::create_directories(project / "textes");
    fs::create_directories(project / "images");
    const std::vector<fs::path> photos = Photos(argv[2]);
    palimora::PictureTextFile texts(project / "textes" / "images.dat");
    texts.CreateEmpty();
    for (std::size_t i = 0; i < photos.size(); ++i) {
        const int n = static_cast<int>(i) + 1;
        fs::copy_file(photos[i], project / "images" / (palimora::SixDigits(n) + ".jpg"));
        texts.Write(n, "Photo " + std::to_string(n), "\"A comment\"");
    }

    palimora::Language language;
    language.LoadChosen(folder);
    palimora::ProjectSettings settings;
    settings.Commit(folder, name, language);
    using L = palimora::SettingLine;
    for (const auto& [line, value] :
         {std::pair{L::MakeThumbnails, thumbW == "0" ? "0" : "1"}, std::pair{L::GalleryThumbnailWidth, thumbW.c_str()},
          std::pair{L::GalleryThumbnailHeight, thumbH.c_str()}, std::pair{L::LargestPictureWidth, limitW.c_str()},
          std::pair{L::LargestPictureHeight, limitH.c_str()}, std::pair{L::PictureStrips, "1"},
          std::pair{L::MakeGalleries, "0"}}) {
        settings.Store(line, value);
    }
    palimora::ConsoleDialogs dialogs(std::cerr);
    palimora::BuildContext context;
    QuietProgress progress;
    palimora::SiteBuildSources sources{folder, name, language, settings, texts, dialogs};
    sources.pictureWorkers = workers;
    const auto timedBuild = [&] {
        const auto start = Clock::now();
        const bool built = palimora::SiteBuild(sources, context, progress) == palimora::BuildOutcome::Built;
        return built ? std::chrono::duration<double>(Clock::now() - start).count() : -1.0;
    };
    const double cpuBefore = CpuSeconds();
    const double wall = timedBuild();
    const double cpu = CpuSeconds() - cpuBefore;
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    if (wall >= 0) std::printf("palimora %.4f %.4f %ld\n", wall, cpu, usage.ru_maxrss / 1024);
    bool built = wall >= 0;
    if (built && rebuilds && !photos.empty()) {
        const int count = static_cast<int>(photos.size());
        const auto rebuild = [&](const char* change) {
            const double seconds = timedBuild();
            built = built && seconds >= 0;
            std::printf("rebuild %s %.4f\n", change, seconds);
        };
        rebuild("nothing");
        texts.Write((count + 1) / 2, "Another title", "\"A comment\"");
        rebuild("title");
        fs::copy_file(photos.front(), project / "images" / (palimora::SixDigits(count + 1) + ".jpg"));
        texts.Write(count + 1, "Photo " + std::to_string(count + 1), "\"A comment\"");
        rebuild("added");
    }
    fs::remove_all(program);
    return built ? 0 : 1;
}
