#include "imaging/JpegBlocks.h"

#include "imaging/ImageError.h"

#include <fstream>

namespace palimora {

namespace {

unsigned char At(std::string_view bytes, std::size_t i) { return static_cast<unsigned char>(bytes[i]); }

bool EndsTheBlocks(unsigned char marker) { return marker == 0xDA || marker == 0xD9 || marker == 0xFF; }

}  // namespace

std::string JpegHead(const std::filesystem::path& jpeg) {
    constexpr std::size_t kMostHeadBytes = 16u << 20;
    std::ifstream in(jpeg, std::ios::binary);
    if (!in) throw ImageError(ImageError::Kind::Unreadable, "cannot open " + jpeg.string());
    std::string head(2, '\0');
    if (!in.read(head.data(), 2)) return {};
    char block[4];
    while (head.size() < kMostHeadBytes && in.read(block, sizeof block)) {
        head.append(block, sizeof block);
        const auto marker = static_cast<unsigned char>(block[1]);
        if (static_cast<unsigned char>(block[0]) != 0xFF || EndsTheBlocks(marker)) break;
        const std::size_t length =
            (std::size_t{static_cast<unsigned char>(block[2])} << 8) | static_cast<unsigned char>(block[3]);
        if (length < 2) break;
        const std::size_t start = head.size();
        head.resize(start + length - 2);
        in.read(head.data() + start, static_cast<std::streamsize>(length - 2));
        head.resize(start + static_cast<std::size_t>(in.gcount()));
        if (in.gcount() != static_cast<std::streamsize>(length - 2)) break;
    }
    return head;
}

std::optional<std::size_t> VisitJpegBlocks(std::string_view jpeg, const std::function<void(const JpegBlock&)>& visit) {
    if (jpeg.size() < 4 || At(jpeg, 0) != 0xFF || At(jpeg, 1) != 0xD8) return std::nullopt;
    std::size_t at = 2;
    while (at + 4 <= jpeg.size() && At(jpeg, at) == 0xFF) {
        const unsigned char marker = At(jpeg, at + 1);
        if (EndsTheBlocks(marker)) break;
        const std::size_t length = (std::size_t{At(jpeg, at + 2)} << 8) | At(jpeg, at + 3);
        if (length < 2 || at + 2 + length > jpeg.size()) return std::nullopt;
        visit({marker, jpeg.substr(at + 4, length - 2), jpeg.substr(at, 2 + length)});
        at += 2 + length;
    }
    return at;
}

}  // namespace palimora
