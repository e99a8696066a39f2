// The picture list's speed on large photos.
//
// (a) The icons of a folder of 12-megapixel photos, as a list rebuild makes
//     them, beside vipsthumbnail making 50 x 50 icons of the same files in
//     the same run.
// (b) The rebuild after moving one picture in a list of 300, icons already made.
//
// Usage: picture_list_bench <work folder> [photos=100] [list=300]
// The photos are generated once into the work folder and reused.

#include "imaging/Icons.h"
#include "imaging/JpegCodec.h"
#include "project/PictureList.h"
#include "project/PictureNames.h"
#include "project/WorkingFolder.h"

#include <sys/resource.h>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

namespace fs = std::filesystem;
using palimora::Image;
using Clock = std::chrono::steady_clock;

namespace {

// A photo-like 4000 x 3000 picture: smooth gradients with fine texture, so
// the encoder and decoder do realistic work.
Image MakePhoto(int seed) {
    Image image(4000, 3000);
    for (int y = 0; y < image.height; ++y) {
        std::uint8_t* row = image.Row(y);
        for (int x = 0; x < image.width; ++x) {
            const double wave = std::sin((x + seed * 37) * 0.004) * std::cos(y * 0.006 + seed);
            const int noise = ((x * 7919 + y * 104729 + seed * 31) >> 3) & 15;
            row[x * 3] = static_cast<std::uint8_t>(120 + 90 * wave + noise);
            row[x * 3 + 1] = static_cast<std::uint8_t>((x * 255 / image.width + seed * 11 + noise) & 255);
            row[x * 3 + 2] = static_cast<std::uint8_t>((y * 255 / image.height + noise) & 255);
        }
    }
    return image;
}

std::vector<fs::path> Photos(const fs::path& folder, int count) {
    fs::create_directories(folder);
    std::vector<fs::path> files;
    for (int i = 1; i <= count; ++i) {
        files.push_back(folder / (palimora::SixDigits(i) + ".jpg"));
        if (!fs::exists(files.back())) palimora::EncodeJpeg(MakePhoto(i % 25), files.back());
    }
    return files;
}

double Seconds(Clock::time_point start) { return std::chrono::duration<double>(Clock::now() - start).count(); }

double MakeIcons(const std::vector<fs::path>& files, palimora::IconCache& cache) {
    const auto start = Clock::now();
    palimora::IconBatch batch(files, cache);
    for (std::size_t i = 0; i < files.size(); ++i) batch.Take(i);
    return Seconds(start);
}

double VipsIcons(const std::vector<fs::path>& files, const fs::path& out) {
    fs::create_directories(out);
    std::string command = "vipsthumbnail --size 50x50 -o '" + out.string() + "/%s.jpg'";
    for (const auto& file : files) command += " '" + file.string() + "'";
    const auto start = Clock::now();
    if (std::system(command.c_str()) != 0) return -1;
    return Seconds(start);
}

long PeakMegabytes() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss / 1024;
}

}  // namespace

int main(int argc, char* argv[]) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: %s <work folder> [photos=100] [list=300]\n", argv[0]);
        return 2;
    }
    const fs::path work = argv[1];
    const int photoCount = argc > 2 ? std::atoi(argv[2]) : 100;
    const int listCount = argc > 3 ? std::atoi(argv[3]) : 300;

    std::printf("generating %d photos of 4000 x 3000 (once)...\n", listCount);
    const std::vector<fs::path> all = Photos(work / "photos", std::max(photoCount, listCount));
    const std::vector<fs::path> photos(all.begin(), all.begin() + photoCount);

    // (a) Cold icons, ours and the peer's, twice each, alternating.
    double ours = 1e9, peer = 1e9;
    for (int round = 0; round < 2; ++round) {
        palimora::IconCache cold;
        ours = std::min(ours, MakeIcons(photos, cold));
        const double vips = VipsIcons(photos, work / "vips");
        if (vips < 0) {
            std::fprintf(stderr, "vipsthumbnail failed (apt-get install libvips-tools)\n");
            return 1;
        }
        peer = std::min(peer, vips);
    }
    std::printf("(a) icons of %d photos: palimora %.4f s/picture, vipsthumbnail %.4f s/picture, ratio %.2f\n",
                photoCount, ours / photoCount, peer / photoCount, ours / peer);

    // (b) A list of 300 in a project folder; one move, then the rebuild.
    const fs::path project = work / "project";
    palimora::PrepareWorkingFolder(project);
    palimora::PictureList list(project);
    for (int i = 0; i < listCount; ++i) {
        fs::copy_file(all[i], list.PicturesFolder() / (palimora::SixDigits(i + 1) + ".jpg"),
                      fs::copy_options::overwrite_existing);
        list.Texts().Write(i + 1, "photo " + std::to_string(i + 1), "");
    }
    auto listed = [&] {
        std::vector<fs::path> files;
        for (const auto& name : list.Files()) files.push_back(list.FileOf(name));
        return files;
    };
    palimora::IconCache cache;
    const double first = MakeIcons(listed(), cache);
    const auto start = Clock::now();
    list.Move(150, +1);
    const double rebuild = MakeIcons(listed(), cache);
    const double moveAndRebuild = Seconds(start);
    std::printf("(b) list of %d: first build %.2f s; move + rebuild %.4f s (rebuild alone %.4f s)\n", listCount, first,
                moveAndRebuild, rebuild);
    std::printf("peak memory %ld MB\n", PeakMegabytes());
    return 0;
}
