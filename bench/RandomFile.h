#pragma once

#include <filesystem>
#include <fstream>
#include <random>
#include <string>

namespace palimora::bench {

// A file of `megabytes` MB of random bytes, the same for every run, that no
// link compresses.
inline void WriteRandomFile(const std::filesystem::path& file, int megabytes) {
    std::ofstream out(file, std::ios::binary);
    std::mt19937 random(7);
    std::string block(1 << 20, '\0');
    for (int i = 0; i < megabytes; ++i) {
        for (char& byte : block) byte = static_cast<char>(random());
        out.write(block.data(), static_cast<std::streamsize>(block.size()));
    }
}

}  // namespace palimora::bench
