#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

namespace palimora {

// A decoded picture: 8-bit RGB pixels, rows top to bottom, no padding.
struct Image {
    int width = 0;
    int height = 0;
    std::vector<std::uint8_t> rgb;

    Image() = default;
    Image(int w, int h) : width(w), height(h), rgb(static_cast<std::size_t>(w) * h * 3) {}

    bool Empty() const { return width <= 0 || height <= 0; }
    std::uint8_t* Row(int y) { return rgb.data() + static_cast<std::size_t>(y) * width * 3; }
    const std::uint8_t* Row(int y) const { return rgb.data() + static_cast<std::size_t>(y) * width * 3; }
    void Fill(std::uint8_t r, std::uint8_t g, std::uint8_t b);
    // Copies `source` with its top-left corner at (left, top), clipped to this picture.
    void Paste(const Image& source, int left, int top);
};

}  // namespace palimora
