// The whole site build of a project of 12-megapixel photos (pages, gallery
// and summary thumbnails, pictures limited to 1024 x 768, 3 strips) beside
// vipsthumbnail making the two thumbnail sizes and the size-limited copy
// of the same files in the same run.
//
// Usage: site_build_bench <program folder> <photos folder> [photos=100]
// The photos are those picture_list_bench generates (000001.jpg, ...).

#include "cli/ConsoleDialogs.h"
#include "common/ProgramFolder.h"
#include "lang/Language.h"
#include "project/PictureNames.h"
#include "project/PictureTextFile.h"
#include "sitegen/BuildContext.h"
#include "sitegen/SiteBuild.h"
#include "styles/ProjectSettings.h"

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <iostream>
#include <string>
#include <sys/resource.h>

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

double Seconds(Clock::time_point start) { return std::chrono::duration<double>(Clock::now() - start).count(); }

void FreshPictures(const fs::path& photos, const fs::path& images, int count) {
    fs::remove_all(images);
    fs::create_directories(images);
    for (int i = 1; i <= count; ++i) {
        const std::string name = palimora::SixDigits(i) + ".jpg";
        fs::copy_file(photos / name, images / name);
    }
}

double Vips(const fs::path& photos, const fs::path& out, int count) {
    fs::remove_all(out);
    fs::create_directories(out);
    std::string files;
    for (int i = 1; i <= count; ++i) files += " '" + (photos / (palimora::SixDigits(i) + ".jpg")).string() + "'";
    const auto start = Clock::now();
    for (const char* size : {"160x120", "260x174", "1024x768"}) {
        const std::string command = std::string("vipsthumbnail --size ") + size + " -o '" + out.string() + "/" + size +
                                    "-%s.jpg[Q=90]'" + files;
        if (std::system(command.c_str()) != 0) return -1;
    }
    return Seconds(start);
}

}  // namespace

int main(int argc, char* argv[]) {
    if (argc < 3) {
        std::fprintf(stderr, "usage: %s <program folder> <photos folder> [photos=100]\n", argv[0]);
        return 2;
    }
    const fs::path program = argv[1];
    const fs::path photos = argv[2];
    const int count = argc > 3 ? std::atoi(argv[3]) : 100;
    const palimora::ProgramFolder folder(program);
    const std::string name = "Bench";
    const fs::path project = folder.Project(name);
    fs::create_directories(project / "textes");
    palimora::PictureTextFile texts(project / "textes" / "images.dat");
    texts.CreateEmpty();
    for (int i = 1; i <= count; ++i) texts.Write(i, "Photo " + std::to_string(i), "\"A comment\"");

    palimora::Language language;
    language.LoadChosen(folder);
    double ours = 1e9, peer = 1e9;
    for (int round = 0; round < 2; ++round) {
        FreshPictures(photos, project / "images", count);
        palimora::ProjectSettings settings;
        fs::remove(project / (name + ".ini"));
        settings.Commit(folder, name, language);
        using L = palimora::SettingLine;
        for (const auto& [line, value] : {std::pair{L::MakeThumbnails, "1"}, std::pair{L::GalleryThumbnailWidth, "160"},
                                          std::pair{L::GalleryThumbnailHeight, "120"},
                                          std::pair{L::SummaryGalleryPictureWidth, "260"},
                                          std::pair{L::SummaryGalleryPictureHeight, "174"},
                                          std::pair{L::LargestPictureWidth, "1024"},
                                          std::pair{L::LargestPictureHeight, "768"},
                                          std::pair{L::PictureStrips, "3"}, std::pair{L::MakeGalleries, "1"}}) {
            settings.Store(line, value);
        }
        palimora::ConsoleDialogs dialogs(std::cerr);
        palimora::BuildContext context;
        QuietProgress progress;
        const palimora::SiteBuildSources sources{folder, name, language, settings, texts, project / "images", dialogs};
        const auto start = Clock::now();
        if (palimora::SiteBuild(sources, context, progress) != palimora::BuildOutcome::Built) return 1;
        ours = std::min(ours, Seconds(start));
        const double vips = Vips(photos, program / "vips-out", count);
        if (vips < 0) {
            std::fprintf(stderr, "vipsthumbnail failed (apt-get install libvips-tools)\n");
            return 1;
        }
        peer = std::min(peer, vips);
    }
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    std::printf("site build of %d photos: palimora %.4f s/picture (pages included), vipsthumbnail %.4f s/picture "
                "(two thumbnails and the limited copy), ratio %.2f; peak memory %ld MB\n",
                count, ours / count, peer / count, ours / peer, usage.ru_maxrss / 1024);
    fs::remove_all(project);
    fs::remove_all(program / "vips-out");
    return 0;
}
