#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace palimora {

// The EXIF block (an APP1 payload starting "Exif\0\0") without what tells
// where and by whom a photo was taken: the GPS directory, the maker's notes,
// the owner's name and the serial numbers. Every other entry (orientation,
// dates, exposure) is kept. nullopt when there is nothing to remove, or the
// block cannot be read well enough to be written again safely.
std::optional<std::string> ExifWithoutPrivateData(std::string_view exif);

// The JPEG's bytes with its EXIF block cleaned as above and XMP blocks that
// hold GPS positions left out; the compressed picture, the ICC profile and
// every other block are copied byte for byte. nullopt when nothing changes
// or the bytes are not a JPEG.
std::optional<std::string> JpegWithoutPrivateData(std::string_view jpeg);

// Cleans a JPEG file of the project in place (through a temporary file), and
// only when there is something to remove, so a clean file is never written.
// Returns whether the file was rewritten. Throws ImageError (Unreadable)
// when it cannot be read, PalimoraError when it cannot be written.
bool RemovePrivateData(const std::filesystem::path& jpeg);

}  // namespace palimora
