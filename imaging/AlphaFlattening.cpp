#include "imaging/PhotoFormats.h"

namespace palimora {

namespace {

// One pixel on white; `in` is read whole before `out` is written, so that
// `out` may lie over `in`.
void Flatten(const std::uint8_t* in, std::uint8_t* out) {
    const unsigned red = in[0], green = in[1], blue = in[2], alpha = in[3];
    const auto onWhite = [alpha](unsigned value) {
        return static_cast<std::uint8_t>((value * alpha + 255u * (255u - alpha) + 127u) / 255u);
    };
    out[0] = onWhite(red);
    out[1] = onWhite(green);
    out[2] = onWhite(blue);
}

}  // namespace

Image FlattenedOnWhite(const std::uint8_t* rgba, int width, int height, std::size_t stride) {
    Image flat(width, height);
    for (int y = 0; y < height; ++y) {
        const std::uint8_t* in = rgba + static_cast<std::size_t>(y) * stride;
        std::uint8_t* out = flat.Row(y);
        for (int x = 0; x < width; ++x, in += 4, out += 3) Flatten(in, out);
    }
    return flat;
}

Image FlattenedOnWhite(std::vector<std::uint8_t> rgba, int width, int height) {
    // Pixel i moves from byte 4i to byte 3i: never ahead of what is still to read.
    const std::size_t pixels = static_cast<std::size_t>(width) * height;
    for (std::size_t i = 0; i < pixels; ++i) Flatten(rgba.data() + 4 * i, rgba.data() + 3 * i);
    rgba.resize(pixels * 3);  // keeps its memory: no copy is made
    Image flat;
    flat.width = width;
    flat.height = height;
    flat.rgb = std::move(rgba);
    return flat;
}

}  // namespace palimora
