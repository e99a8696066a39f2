#include "common/OrderedWork.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <mutex>
#include <vector>

namespace palimora {
namespace {

TEST(OrderedWork, TheCostliestItemOfTheWindowStartsFirstAndResultsComeInOrder) {
    const std::vector<std::uint64_t> costs = {1, 5, 3, 9, 2, 8, 7, 4};
    std::mutex mutex;
    std::vector<std::size_t> started;
    OrderedWork<std::size_t> work(
        costs.size(),
        [&](std::size_t i) {
            std::lock_guard lock(mutex);
            started.push_back(i);
            return i * 10;
        },
        4, 1, costs);
    for (std::size_t i = 0; i < costs.size(); ++i) EXPECT_EQ(work.Take(i), i * 10);
    // One worker: nothing can be taken before item 0 is done, so the first
    // window [0, 4) goes costliest first: 3 (9), 1 (5), 2 (3), 0 (1).
    ASSERT_EQ(started.size(), costs.size());
    EXPECT_EQ(std::vector<std::size_t>(started.begin(), started.begin() + 4), (std::vector<std::size_t>{3, 1, 2, 0}));
    std::sort(started.begin(), started.end());
    EXPECT_EQ(started, (std::vector<std::size_t>{0, 1, 2, 3, 4, 5, 6, 7}));  // each item once
}

TEST(OrderedWork, NoItemStartsPastTheWindowWhateverItsCost) {
    constexpr std::size_t kCount = 200, kAhead = 8;
    std::vector<std::uint64_t> costs(kCount);
    for (std::size_t i = 0; i < kCount; ++i) costs[i] = (i * 7919) % 101;
    std::mutex mutex;
    std::size_t taken = 0, furthest = 0;
    OrderedWork<std::size_t> work(
        kCount,
        [&](std::size_t i) {
            std::lock_guard lock(mutex);
            furthest = std::max(furthest, i - taken);
            return i;
        },
        kAhead, 3, costs);
    for (std::size_t i = 0; i < kCount; ++i) {
        ASSERT_EQ(work.Take(i), i);
        std::lock_guard lock(mutex);
        taken = i + 1;
    }
    EXPECT_LE(furthest, kAhead);  // the count above lags one Take behind
}

TEST(OrderedWork, WithoutCostsItemsStartInOrder) {
    std::vector<std::size_t> started;
    OrderedWork<int> work(
        6,
        [&](std::size_t i) {
            started.push_back(i);
            return static_cast<int>(i);
        },
        2, 1);
    for (std::size_t i = 0; i < 6; ++i) work.Take(i);
    EXPECT_EQ(started, (std::vector<std::size_t>{0, 1, 2, 3, 4, 5}));
}

}  // namespace
}  // namespace palimora
