#include "imaging/Resize.h"
#include "tests/support/Pictures.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <thread>
#include <vector>

namespace palimora {
namespace {

// The resampler as it was computed in floating point: area averaging to
// shrink, bilinear to enlarge. The fixed-point one must stay within one level.
std::vector<std::pair<int, std::vector<double>>> ReferenceTaps(int source, int target) {
    std::vector<std::pair<int, std::vector<double>>> taps(target);
    const double scale = static_cast<double>(source) / target;
    for (int t = 0; t < target; ++t) {
        if (target < source) {
            const double begin = t * scale, end = (t + 1) * scale;
            taps[t].first = static_cast<int>(std::floor(begin));
            const int last = std::min(source - 1, static_cast<int>(std::ceil(end)) - 1);
            for (int s = taps[t].first; s <= last; ++s) {
                taps[t].second.push_back((std::min(end, s + 1.0) - std::max(begin, static_cast<double>(s))) / scale);
            }
        } else {
            const double centre = std::clamp((t + 0.5) * scale - 0.5, 0.0, source - 1.0);
            const int left = std::min(static_cast<int>(centre), source - 1);
            taps[t].first = left;
            taps[t].second =
                left + 1 < source ? std::vector<double>{1 - (centre - left), centre - left} : std::vector<double>{1};
        }
    }
    return taps;
}

Image ReferenceResize(const Image& source, int width, int height) {
    const auto across = ReferenceTaps(source.width, width), down = ReferenceTaps(source.height, height);
    Image result(width, height);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            for (int c = 0; c < 3; ++c) {
                double sum = 0;
                for (std::size_t j = 0; j < down[y].second.size(); ++j) {
                    const std::uint8_t* row = source.Row(down[y].first + static_cast<int>(j));
                    for (std::size_t i = 0; i < across[x].second.size(); ++i) {
                        sum += row[(across[x].first + i) * 3 + c] * across[x].second[i] * down[y].second[j];
                    }
                }
                result.Row(y)[x * 3 + c] = static_cast<std::uint8_t>(std::clamp(std::lround(sum), 0L, 255L));
            }
        }
    }
    return result;
}

// Fine grain over smooth shading: every level and every tap weight matter.
Image Grainy(int width, int height) {
    Image image(width, height);
    unsigned seed = 12345;
    for (std::uint8_t& value : image.rgb) {
        seed = seed * 1103515245u + 12345u;
        value = static_cast<std::uint8_t>((seed >> 16) & 255);
    }
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < std::min(width, 3); ++x) std::fill_n(image.Row(y) + x * 3, 3, 255);  // saturated edge
    }
    return image;
}

int LargestDifference(const Image& a, const Image& b) {
    int largest = 0;
    for (std::size_t i = 0; i < a.rgb.size(); ++i) largest = std::max(largest, std::abs(a.rgb[i] - b.rgb[i]));
    return largest;
}

TEST(Resize, StaysWithinOneLevelOfTheExactAverageAtEveryRatio) {
    const Image source = Grainy(301, 223);
    const std::pair<int, int> sizes[] = {{150, 111}, {100, 100}, {37, 29},   {7, 5},     {1, 1},    {300, 222},
                                         {301, 60},  {40, 223},  {602, 446}, {900, 300}, {310, 230}};
    for (const auto& [width, height] : sizes) {
        SCOPED_TRACE(std::to_string(width) + " x " + std::to_string(height));
        const Image ours = Resize(source, width, height);
        ASSERT_EQ(ours.width, width);
        ASSERT_EQ(ours.height, height);
        EXPECT_LE(LargestDifference(ours, ReferenceResize(source, width, height)), 1);
    }
    // One row or one column, shrunk and enlarged.
    for (const auto& [source1, size] :
         {std::pair{Grainy(50, 1), std::pair{20, 3}}, std::pair{Grainy(1, 50), std::pair{3, 20}}}) {
        EXPECT_LE(LargestDifference(Resize(source1, size.first, size.second),
                                    ReferenceResize(source1, size.first, size.second)),
                  1);
    }
}

TEST(Resize, ThreadsResizingAtOnceGetTheSameResultAsOne) {
    const Image large = Grainy(640, 480), small = Grainy(90, 70);
    const Image expectedLarge = Resize(large, 150, 113), expectedSmall = Resize(small, 200, 31);
    std::vector<std::thread> threads;
    std::vector<int> mismatches(4, 0);
    for (int t = 0; t < 4; ++t) {
        threads.emplace_back([&, t] {
            for (int round = 0; round < 5; ++round) {  // buffers kept between pictures of other sizes
                if (Resize(large, 150, 113).rgb != expectedLarge.rgb) ++mismatches[t];
                if (Resize(small, 200, 31).rgb != expectedSmall.rgb) ++mismatches[t];
            }
        });
    }
    for (auto& thread : threads) thread.join();
    EXPECT_EQ(mismatches, std::vector<int>(4, 0));
}

}  // namespace
}  // namespace palimora
