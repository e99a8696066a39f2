// Encodes one clip to the site's web MP4 with MakeWebClip, then the same
// clip with the ffmpeg command and the same settings (1080 pixels wide, libx264,
// preset medium, CRF 23, high profile, AAC 128 kb/s at 48 kHz, index first),
// each run in turn a few times; prints the best times, their ratio, and the
// peak memory of this process (the encodes of MakeWebClip). Given a clip the
// site keeps as it is (H.264 within the size limit), also the best time of
// its remux against reading the file twice.
// Run it under `taskset -c 0,1` to hold both to two cores (bench/run-clips).
// Usage: clip_encode_bench CLIP [runs=3] [REMUXED_CLIP]
#include "imaging/WebClip.h"

#include <sys/resource.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

namespace fs = std::filesystem;

namespace {

double Seconds(const std::chrono::steady_clock::time_point start) {
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: clip_encode_bench CLIP [runs]\n");
        return 2;
    }
    const fs::path clip = argv[1];
    const int runs = argc > 2 ? std::max(1, std::atoi(argv[2])) : 3;
    const fs::path out = fs::temp_directory_path() / "palimora-clip-bench";
    fs::create_directories(out);
    const std::string ffmpeg =
        "ffmpeg -v error -y -i '" + clip.string() +
        "' -map 0:v:0 -map 0:a:0? -map_metadata -1 -vf scale=1080:-2 -c:v libx264 -preset medium -crf 23 "
        "-profile:v high -pix_fmt yuv420p -c:a aac -b:a 128k -ar 48000 -ac 2 "
        "-movflags +faststart '" +
        (out / "ffmpeg.mp4").string() + "'";
    double ours = 1e9, theirs = 1e9;
    for (int run = 0; run < runs; ++run) {
        auto start = std::chrono::steady_clock::now();
        bool finished = false;
        // The site's longest side: a 1080p clip is made 1080 pixels wide, as the command does.
        palimora::MakeWebClip(clip, out / "palimora.mp4", 1080, {}, finished);
        ours = std::min(ours, Seconds(start));
        start = std::chrono::steady_clock::now();
        if (std::system(ffmpeg.c_str()) != 0) return 1;
        theirs = std::min(theirs, Seconds(start));
    }
    if (argc > 3) {
        const fs::path kept = argv[3];
        double remux = 1e9, readTwice = 1e9;
        std::vector<char> buffer(1 << 20);
        for (int run = 0; run < runs; ++run) {
            auto start = std::chrono::steady_clock::now();
            bool finished = false;
            const palimora::WebClipResult result = palimora::MakeWebClip(kept, out / "kept.mp4", 1080, {}, finished);
            if (result.encoded) std::fprintf(stderr, "%s was encoded, not remuxed\n", argv[3]);
            remux = std::min(remux, Seconds(start));
            start = std::chrono::steady_clock::now();
            for (int pass = 0; pass < 2; ++pass) {
                std::ifstream in(kept, std::ios::binary);
                while (in.read(buffer.data(), static_cast<std::streamsize>(buffer.size())) || in.gcount() > 0) {
                }
            }
            readTwice = std::min(readTwice, Seconds(start));
        }
        std::printf("remux %.3f s, reading the clip twice %.3f s, ratio %.2f\n", remux, readTwice, remux / readTwice);
    }
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    std::printf("palimora %.2f s, ffmpeg %.2f s, ratio %.3f; peak memory %.0f MB\n", ours, theirs, ours / theirs,
                usage.ru_maxrss / 1024.0);
    fs::remove_all(out);
    return 0;
}
