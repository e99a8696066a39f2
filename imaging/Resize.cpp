#include "imaging/Resize.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace palimora {
namespace {

// For one axis: which source pixels each target pixel takes, and by how much.
struct Tap {
    int first = 0;
    std::vector<float> weights;
};

std::vector<Tap> AreaTaps(int sourceSize, int targetSize) {
    std::vector<Tap> taps(targetSize);
    const double scale = static_cast<double>(sourceSize) / targetSize;
    for (int t = 0; t < targetSize; ++t) {
        const double begin = t * scale, end = (t + 1) * scale;
        Tap& tap = taps[t];
        tap.first = static_cast<int>(std::floor(begin));
        const int last = std::min(sourceSize - 1, static_cast<int>(std::ceil(end)) - 1);
        for (int s = tap.first; s <= last; ++s) {
            const double covered = std::min(end, s + 1.0) - std::max(begin, static_cast<double>(s));
            tap.weights.push_back(static_cast<float>(covered / scale));
        }
    }
    return taps;
}

std::vector<Tap> LinearTaps(int sourceSize, int targetSize) {
    std::vector<Tap> taps(targetSize);
    const double scale = static_cast<double>(sourceSize) / targetSize;
    for (int t = 0; t < targetSize; ++t) {
        const double centre = std::clamp((t + 0.5) * scale - 0.5, 0.0, sourceSize - 1.0);
        const int left = std::min(static_cast<int>(centre), sourceSize - 1);
        const float right = static_cast<float>(centre - left);
        taps[t].first = left;
        taps[t].weights = left + 1 < sourceSize ? std::vector<float>{1 - right, right} : std::vector<float>{1};
    }
    return taps;
}

std::vector<Tap> TapsFor(int sourceSize, int targetSize) {
    return targetSize < sourceSize ? AreaTaps(sourceSize, targetSize) : LinearTaps(sourceSize, targetSize);
}

}  // namespace

Image Resize(const Image& source, int width, int height) {
    if (source.Empty() || width <= 0 || height <= 0) return Image();
    if (width == source.width && height == source.height) return source;
    const std::vector<Tap> across = TapsFor(source.width, width);
    const std::vector<Tap> down = TapsFor(source.height, height);

    // Horizontal pass into floats, one source row at a time, then vertical.
    std::vector<float> rows(static_cast<std::size_t>(source.height) * width * 3);
    for (int y = 0; y < source.height; ++y) {
        const std::uint8_t* in = source.Row(y);
        float* out = rows.data() + static_cast<std::size_t>(y) * width * 3;
        for (int x = 0; x < width; ++x) {
            float r = 0, g = 0, b = 0;
            const Tap& tap = across[x];
            for (std::size_t k = 0; k < tap.weights.size(); ++k) {
                const std::uint8_t* p = in + (tap.first + k) * 3;
                r += p[0] * tap.weights[k];
                g += p[1] * tap.weights[k];
                b += p[2] * tap.weights[k];
            }
            out[x * 3] = r;
            out[x * 3 + 1] = g;
            out[x * 3 + 2] = b;
        }
    }
    Image result(width, height);
    for (int y = 0; y < height; ++y) {
        std::uint8_t* out = result.Row(y);
        const Tap& tap = down[y];
        for (int x = 0; x < width * 3; ++x) {
            float sum = 0;
            for (std::size_t k = 0; k < tap.weights.size(); ++k) {
                sum += rows[(tap.first + k) * static_cast<std::size_t>(width) * 3 + x] * tap.weights[k];
            }
            out[x] = static_cast<std::uint8_t>(std::clamp(std::lround(sum), 0L, 255L));
        }
    }
    return result;
}

}  // namespace palimora
