#include "imaging/PhotoFormats.h"

namespace palimora {

Image FlattenedOnWhite(const std::uint8_t* rgba, int width, int height, std::size_t stride) {
    Image flat(width, height);
    for (int y = 0; y < height; ++y) {
        const std::uint8_t* in = rgba + static_cast<std::size_t>(y) * stride;
        std::uint8_t* out = flat.Row(y);
        for (int x = 0; x < width; ++x, in += 4, out += 3) {
            const unsigned alpha = in[3];
            for (int c = 0; c < 3; ++c)
                out[c] = static_cast<std::uint8_t>((in[c] * alpha + 255u * (255u - alpha) + 127u) / 255u);
        }
    }
    return flat;
}

}  // namespace palimora
