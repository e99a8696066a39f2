#include "tests/support/TempFolder.h"

#include <fstream>
#include <iterator>
#include <random>
#include <system_error>

namespace palimora::testing {
namespace fs = std::filesystem;

TempFolder::TempFolder() {
    std::random_device random;
    path_ = fs::temp_directory_path() / ("palimora-test-" + std::to_string(random()) + std::to_string(random()));
    fs::create_directories(path_);
}

TempFolder::~TempFolder() {
    std::error_code ignored;
    fs::permissions(path_, fs::perms::owner_all, fs::perm_options::add, ignored);
    fs::remove_all(path_, ignored);
}

void WriteBytes(const fs::path& file, std::string_view bytes) {
    fs::create_directories(file.parent_path());
    std::ofstream out(file, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

std::string ReadBytes(const fs::path& file) {
    std::ifstream in(file, std::ios::binary);
    return std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}

void StageProgramFolder(const fs::path& root) {
    // Everything but the shipped projects (the demo): tests make their own.
    for (const auto& entry : fs::directory_iterator(PALIMORA_SOURCE_ASSETS)) {
        if (entry.path().filename() == "Projets") continue;
        fs::copy(entry.path(), root / entry.path().filename(),
                 fs::copy_options::recursive | fs::copy_options::overwrite_existing);
    }
    fs::create_directories(root / "Projets");
}

}  // namespace palimora::testing
