#pragma once

#include "imaging/Image.h"

#include <array>
#include <cstdint>
#include <filesystem>
#include <vector>

namespace palimora::testing {

using Rgb = std::array<std::uint8_t, 3>;

// A picture split into four plain quadrants: red, green / blue, white.
Image Quadrants(int width, int height);
Image Plain(int width, int height, Rgb colour);
Rgb PixelAt(const Image& image, int x, int y);
bool Near(const Rgb& a, const Rgb& b, int tolerance = 12);

// Writers of test pictures in the formats the program reads.
void WriteBmp(const std::filesystem::path& file, const Image& image);
// Each frame is a plain colour; frames after the first cover the whole screen.
void WriteGif(const std::filesystem::path& file, int width, int height, const std::vector<Rgb>& frameColours);

// Keeps the first `bytes` bytes of a file.
void CutFile(const std::filesystem::path& file, std::size_t bytes);
// Gives a JPEG file an XMP block with a dc:title and, when not empty, a
// dc:description, as photo software writes them; returns the file.
std::filesystem::path WithXmpTexts(const std::filesystem::path& jpeg, const std::string& title,
                                   const std::string& description = {});

}  // namespace palimora::testing
