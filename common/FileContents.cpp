#include "common/FileContents.h"

#include <algorithm>
#include <cstring>
#include <fstream>
#include <system_error>
#include <vector>

namespace palimora {
namespace fs = std::filesystem;

namespace {

constexpr std::size_t kBlock = 1 << 16;

std::uint64_t Mixed(std::uint64_t word) {
    word ^= word >> 33;
    word *= 0xff51afd7ed558ccdULL;
    word ^= word >> 33;
    word *= 0xc4ceb9fe1a85ec53ULL;
    word ^= word >> 33;
    return word;
}

std::uint64_t LittleEndianWord(const unsigned char* bytes) {
    std::uint64_t word = 0;
    for (int i = 7; i >= 0; --i) word = (word << 8) | bytes[i];
    return word;
}

}  // namespace

bool SameFileBytes(const fs::path& a, const fs::path& b) {
    std::error_code error;
    if (fs::file_size(a, error) != fs::file_size(b, error) || error) return false;
    std::ifstream first(a, std::ios::binary), second(b, std::ios::binary);
    std::vector<char> blockA(kBlock), blockB(kBlock);
    while (first && second) {
        first.read(blockA.data(), static_cast<std::streamsize>(blockA.size()));
        second.read(blockB.data(), static_cast<std::streamsize>(blockB.size()));
        if (first.gcount() != second.gcount() ||
            !std::equal(blockA.begin(), blockA.begin() + first.gcount(), blockB.begin())) {
            return false;
        }
    }
    return !first.bad() && !second.bad() && first.eof() && second.eof();
}

bool FileHolds(const fs::path& file, std::string_view bytes) {
    std::error_code error;
    const std::uintmax_t size = fs::file_size(file, error);
    if (error || size != bytes.size()) return false;
    std::ifstream in(file, std::ios::binary);
    std::vector<char> block(kBlock);
    std::size_t offset = 0;
    while (in && offset < bytes.size()) {
        in.read(block.data(), static_cast<std::streamsize>(std::min(block.size(), bytes.size() - offset)));
        const auto count = static_cast<std::size_t>(in.gcount());
        if (count == 0 || std::memcmp(block.data(), bytes.data() + offset, count) != 0) return false;
        offset += count;
    }
    return offset == bytes.size() && !in.bad();
}

void ContentHash::TakeStripe(const unsigned char* stripe) {
    for (int lane = 0; lane < 4; ++lane) {
        std::uint64_t& value = lanes_[lane];
        value += LittleEndianWord(stripe + 8 * lane) * 0xc2b2ae3d27d4eb4fULL;
        value = ((value << 31) | (value >> 33)) * 0x9e3779b185ebca87ULL;
    }
}

void ContentHash::Add(std::string_view bytes) {
    length_ += bytes.size();
    const auto* data = reinterpret_cast<const unsigned char*>(bytes.data());
    std::size_t size = bytes.size();
    if (pendingSize_ > 0) {
        const std::size_t taken = std::min(size, kStripe - pendingSize_);
        std::copy_n(data, taken, pending_ + pendingSize_);
        pendingSize_ += taken;
        data += taken;
        size -= taken;
        if (pendingSize_ < kStripe) return;
        TakeStripe(pending_);
        pendingSize_ = 0;
    }
    for (; size >= kStripe; data += kStripe, size -= kStripe) TakeStripe(data);
    std::copy_n(data, size, pending_);
    pendingSize_ = size;
}

std::uint64_t ContentHash::Value() const {
    unsigned char last[kStripe] = {};
    std::copy_n(pending_, pendingSize_, last);
    std::uint64_t value = Mixed(length_);
    for (int lane = 0; lane < 4; ++lane) {
        value = Mixed(value ^ lanes_[lane]);
        value = Mixed(value ^ LittleEndianWord(last + 8 * lane));
    }
    return value;
}

std::uint64_t HashOfBytes(std::string_view bytes) {
    ContentHash hash;
    hash.Add(bytes);
    return hash.Value();
}

std::optional<std::uint64_t> HashOfFile(const fs::path& file) {
    // Not a device or a pipe, which may never end or never answer.
    std::error_code error;
    if (!fs::is_regular_file(file, error)) return std::nullopt;
    std::ifstream in(file, std::ios::binary);
    if (!in) return std::nullopt;
    ContentHash hash;
    std::vector<char> block(1 << 20);
    while (in) {
        in.read(block.data(), static_cast<std::streamsize>(block.size()));
        hash.Add(std::string_view(block.data(), static_cast<std::size_t>(in.gcount())));
    }
    if (in.bad()) return std::nullopt;
    return hash.Value();
}

}  // namespace palimora
