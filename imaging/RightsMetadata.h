#pragma once

#include <filesystem>
#include <string>
#include <string_view>

namespace palimora {

// The EXIF block (an APP1 payload starting "Exif\0\0") a derived picture
// carries: the photo's Artist and Copyright, nothing else of its metadata.
// Empty when the photo has neither, or its EXIF cannot be read.
std::string RightsExifOf(const std::filesystem::path& jpeg);

// An encoded JPEG with that block placed after its first (JFIF) block;
// the bytes as they are for an empty block.
std::string WithExif(std::string jpeg, std::string_view exif);

}  // namespace palimora
