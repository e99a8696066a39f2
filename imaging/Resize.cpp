#include "imaging/Resize.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <vector>

namespace palimora {
namespace {

// Weights are fixed point: kOne is a whole source pixel.
constexpr int kWeightBits = 14;
constexpr int kOne = 1 << kWeightBits;
// The horizontal pass keeps kRowBits of fraction (255 << 8 fits 16 bits);
// the vertical pass then sums at most kOne << 16 (fits 31 bits).
constexpr int kRowBits = 8;
constexpr int kRowShift = kWeightBits - kRowBits;
constexpr int kOutShift = kWeightBits + kRowBits;

// For one axis: target pixel t takes count[t] source pixels from first[t],
// weighted by weights[t * stride ...]; each target's weights add up to kOne.
struct AxisTaps {
    std::vector<int> first, count;
    std::vector<std::int32_t> weights;
    int stride = 0;

    void Reset(int targetSize, int maxCount) {
        stride = maxCount;
        first.assign(targetSize, 0);
        count.assign(targetSize, 0);
        weights.assign(static_cast<std::size_t>(targetSize) * stride, 0);
    }
    std::int32_t* WeightsOf(int t) { return weights.data() + static_cast<std::size_t>(t) * stride; }
    const std::int32_t* WeightsOf(int t) const { return weights.data() + static_cast<std::size_t>(t) * stride; }

    // Sets one target's taps from real weights, rounding so they still add up to kOne.
    void Set(int t, int firstSource, const double* real, int n) {
        first[t] = firstSource;
        count[t] = n;
        std::int32_t* w = WeightsOf(t);
        int total = 0, largest = 0;
        for (int k = 0; k < n; ++k) {
            w[k] = static_cast<std::int32_t>(std::lround(real[k] * kOne));
            total += w[k];
            if (w[k] > w[largest]) largest = k;
        }
        w[largest] += kOne - total;
    }
};

// Shrinking: every source pixel under a target pixel, by the area it covers.
void AreaTaps(int sourceSize, int targetSize, AxisTaps& taps) {
    const double scale = static_cast<double>(sourceSize) / targetSize;
    taps.Reset(targetSize, static_cast<int>(std::ceil(scale)) + 1);
    std::vector<double> real(taps.stride);
    for (int t = 0; t < targetSize; ++t) {
        const double begin = t * scale, end = (t + 1) * scale;
        const int first = static_cast<int>(std::floor(begin));
        const int last = std::min(sourceSize - 1, static_cast<int>(std::ceil(end)) - 1);
        for (int s = first; s <= last; ++s) {
            real[s - first] = (std::min(end, s + 1.0) - std::max(begin, static_cast<double>(s))) / scale;
        }
        taps.Set(t, first, real.data(), last - first + 1);
    }
}

// Enlarging: the two nearest source pixels, bilinearly.
void LinearTaps(int sourceSize, int targetSize, AxisTaps& taps) {
    const double scale = static_cast<double>(sourceSize) / targetSize;
    taps.Reset(targetSize, 2);
    for (int t = 0; t < targetSize; ++t) {
        const double centre = std::clamp((t + 0.5) * scale - 0.5, 0.0, sourceSize - 1.0);
        const int left = std::min(static_cast<int>(centre), sourceSize - 1);
        const double right = centre - left;
        const double real[2] = {1 - right, right};
        taps.Set(t, left, real, left + 1 < sourceSize ? 2 : 1);
    }
}

void TapsFor(int sourceSize, int targetSize, AxisTaps& taps) {
    if (targetSize < sourceSize) {
        AreaTaps(sourceSize, targetSize, taps);
    } else {
        LinearTaps(sourceSize, targetSize, taps);
    }
}

// What one thread keeps from picture to picture, so that resizing allocates
// (and clears) nothing once the largest size has been seen.
struct Workspace {
    AxisTaps across, down;
    std::vector<std::uint16_t> ring;         // horizontally resampled source rows, kRowBits of fraction
    std::vector<const std::uint16_t*> rows;  // the ring rows one target row takes

    template <typename T>
    static T* AtLeast(std::vector<T>& buffer, std::size_t size) {
        if (buffer.size() < size) buffer.resize(size);
        return buffer.data();
    }
};

void ResampleRow(const std::uint8_t* in, const AxisTaps& across, int width, std::uint16_t* out) {
    constexpr int half = 1 << (kRowShift - 1);
    for (int x = 0; x < width; ++x) {
        const std::uint8_t* p = in + across.first[x] * 3;
        const std::int32_t* w = across.WeightsOf(x);
        std::int32_t r = half, g = half, b = half;
        for (int k = 0, n = across.count[x]; k < n; ++k, p += 3) {
            r += p[0] * w[k];
            g += p[1] * w[k];
            b += p[2] * w[k];
        }
        out[x * 3] = static_cast<std::uint16_t>(r >> kRowShift);
        out[x * 3 + 1] = static_cast<std::uint16_t>(g >> kRowShift);
        out[x * 3 + 2] = static_cast<std::uint16_t>(b >> kRowShift);
    }
}

// One target row from the ring rows it takes. Taps is the tap count when
// known at compile time (the usual 1 to 4, unrolled), else 0.
template <int Taps>
void SumRows(const std::uint16_t* const* rows, const std::int32_t* w, int count, std::size_t size, std::uint8_t* out) {
    const int n = Taps ? Taps : count;
    for (std::size_t x = 0; x < size; ++x) {
        std::int32_t sum = 1 << (kOutShift - 1);
        for (int k = 0; k < n; ++k) sum += rows[k][x] * w[k];
        out[x] = static_cast<std::uint8_t>(std::min(sum >> kOutShift, 255));
    }
}

}  // namespace

Image Resize(const Image& source, int width, int height) {
    if (source.Empty() || width <= 0 || height <= 0) return Image();
    if (width == source.width && height == source.height) return source;
    thread_local Workspace space;
    TapsFor(source.width, width, space.across);
    TapsFor(source.height, height, space.down);

    // Source rows are resampled across once each, into a ring holding the
    // rows the current target row takes; target rows only move down, so a
    // ring as deep as the most taps suffices.
    const std::size_t rowSize = static_cast<std::size_t>(width) * 3;
    const int depth = space.down.stride;
    std::uint16_t* ring = Workspace::AtLeast(space.ring, rowSize * depth);
    const std::uint16_t** rows = Workspace::AtLeast(space.rows, static_cast<std::size_t>(depth));
    int nextSource = 0;
    Image result(width, height);
    for (int y = 0; y < height; ++y) {
        const int first = space.down.first[y], count = space.down.count[y];
        for (; nextSource < first + count; ++nextSource) {
            ResampleRow(source.Row(nextSource), space.across, width, ring + (nextSource % depth) * rowSize);
        }
        const std::int32_t* w = space.down.WeightsOf(y);
        for (int k = 0; k < count; ++k) rows[k] = ring + ((first + k) % depth) * rowSize;
        switch (count) {
            case 1: SumRows<1>(rows, w, count, rowSize, result.Row(y)); break;
            case 2: SumRows<2>(rows, w, count, rowSize, result.Row(y)); break;
            case 3: SumRows<3>(rows, w, count, rowSize, result.Row(y)); break;
            case 4: SumRows<4>(rows, w, count, rowSize, result.Row(y)); break;
            default: SumRows<0>(rows, w, count, rowSize, result.Row(y)); break;
        }
    }
    return result;
}

}  // namespace palimora
