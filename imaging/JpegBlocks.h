#pragma once

#include <cstddef>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

namespace palimora {

// How the metadata blocks of a JPEG (APP1 payloads) start.
inline constexpr std::string_view kExifStart("Exif\0\0", 6);
inline constexpr std::string_view kXmpStart("http://ns.adobe.com/xap/1.0/\0", 29);

// The blocks of a JPEG before its compressed data, read block by block: the
// compressed data need not be read to know them. Stops at the first
// start-of-scan, at anything that is no block, or at the end of the file; a
// header beyond all reason stops being read too. Throws ImageError
// (Unreadable) when the file cannot be opened.
std::string JpegHead(const std::filesystem::path& jpeg);

// One block of a JPEG's header: its marker, its payload, and the whole
// block with marker and length as it stands in the file.
struct JpegBlock {
    unsigned char marker;
    std::string_view payload;
    std::string_view bytes;
};

// Calls `visit` for each block of the header of `jpeg` (its bytes, or its
// head), in order, up to the first start-of-scan. Returns where the blocks
// end (the start-of-scan, or the first byte that is no block), or nullopt
// when the bytes are no JPEG or a block's length runs past them, after
// visiting the blocks before it.
std::optional<std::size_t> VisitJpegBlocks(std::string_view jpeg, const std::function<void(const JpegBlock&)>& visit);

}  // namespace palimora
