#include "common/FileStamp.h"

#include <sys/stat.h>

namespace palimora {

namespace {

// FNV-1a over the fields, one after the other.
void Mix(std::uint64_t& hash, std::uint64_t value) {
    for (int byte = 0; byte < 8; ++byte) {
        hash ^= (value >> (8 * byte)) & 0xff;
        hash *= 1099511628211ull;
    }
}

}  // namespace

std::optional<std::uint64_t> FileStampOf(const std::filesystem::path& file) {
    struct stat status {};
    if (::stat(file.c_str(), &status) != 0) return std::nullopt;
    std::uint64_t stamp = 14695981039346656037ull;
    for (const auto value :
         {static_cast<std::uint64_t>(status.st_size), static_cast<std::uint64_t>(status.st_mtim.tv_sec),
          static_cast<std::uint64_t>(status.st_mtim.tv_nsec), static_cast<std::uint64_t>(status.st_ctim.tv_sec),
          static_cast<std::uint64_t>(status.st_ctim.tv_nsec), static_cast<std::uint64_t>(status.st_ino),
          static_cast<std::uint64_t>(status.st_dev)}) {
        Mix(stamp, value);
    }
    return stamp;
}

}  // namespace palimora
