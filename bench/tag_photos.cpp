// Copies a folder of JPEG photos (000001.jpg, ...) into another as a phone
// saves them: each with an EXIF orientation (6, turned a quarter, unless
// told otherwise) and a Display P3 ICC profile, the compressed pixels unchanged.
//
// Usage: tag_photos <photos folder> <tagged folder> [orientation=6]

#include "common/TextLines.h"
#include "tests/support/PhotoFixtures.h"

#include <cstdio>
#include <cstdlib>
#include <filesystem>

namespace fs = std::filesystem;

int main(int argc, char* argv[]) {
    if (argc != 3 && argc != 4) {
        std::fprintf(stderr, "usage: %s <photos folder> <tagged folder> [orientation=6]\n", argv[0]);
        return 2;
    }
    const fs::path from = argv[1], to = argv[2];
    const int orientation = argc == 4 ? std::atoi(argv[3]) : 6;
    fs::create_directories(to);
    const std::vector<std::uint8_t> p3 = palimora::testing::DisplayP3Profile();
    for (const auto& entry : fs::directory_iterator(from)) {
        if (entry.path().extension() != ".jpg") continue;
        const std::string bytes = palimora::ReadFileBytes(entry.path());
        palimora::WriteFileAtomically(
            to / entry.path().filename(),
            palimora::testing::WithOrientation(palimora::testing::WithIccProfile(bytes, p3), orientation));
    }
    return 0;
}
