#include "imaging/Image.h"

#include <algorithm>
#include <cstring>

namespace palimora {

void Image::Fill(std::uint8_t r, std::uint8_t g, std::uint8_t b) {
    for (std::size_t i = 0; i + 2 < rgb.size(); i += 3) {
        rgb[i] = r;
        rgb[i + 1] = g;
        rgb[i + 2] = b;
    }
}

void Image::Paste(const Image& source, int left, int top) {
    const int x0 = std::max(0, left), x1 = std::min(width, left + source.width);
    if (x0 >= x1) return;
    for (int y = std::max(0, top); y < std::min(height, top + source.height); ++y) {
        std::memcpy(Row(y) + x0 * 3, source.Row(y - top) + (x0 - left) * 3, static_cast<std::size_t>(x1 - x0) * 3);
    }
}

}  // namespace palimora
