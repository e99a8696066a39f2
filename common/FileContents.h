#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string_view>

// What a file holds, compared and fingerprinted without keeping it in memory.
namespace palimora {

// Whether two files hold the same bytes; false when either cannot be read.
bool SameFileBytes(const std::filesystem::path& a, const std::filesystem::path& b);

// Whether a file holds exactly `bytes`; false when it is missing or unreadable.
bool FileHolds(const std::filesystem::path& file, std::string_view bytes);

// A 64-bit fingerprint of bytes, the same on every machine and in every run:
// what tells that a file's contents changed without keeping a copy of them.
class ContentHash {
public:
    void Add(std::string_view bytes);
    std::uint64_t Value() const;

private:
    // Four lanes over stripes of 32 bytes, each lane a word of the stripe:
    // independent multiplications that keep pace with reading the file.
    static constexpr std::size_t kStripe = 32;
    void TakeStripe(const unsigned char* stripe);

    std::uint64_t lanes_[4] = {0x9e3779b185ebca87ULL, 0xc2b2ae3d27d4eb4fULL, 0x165667b19e3779f9ULL,
                               0x85ebca77c2b2ae63ULL};
    std::uint64_t length_ = 0;
    unsigned char pending_[kStripe] = {};
    std::size_t pendingSize_ = 0;
};
std::uint64_t HashOfBytes(std::string_view bytes);
// Nothing when the file is not a regular file or cannot be read.
std::optional<std::uint64_t> HashOfFile(const std::filesystem::path& file);

}  // namespace palimora
