#pragma once

#include <algorithm>
#include <chrono>
#include <condition_variable>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <mutex>
#include <optional>
#include <thread>
#include <vector>

namespace palimora {

// Runs `work(i)` for i = 0 .. count-1 on every core while the caller takes
// the results one by one in order, as a one-thread loop would see them.
// Workers start only items less than `ahead` in front of the caller, which
// bounds the finished results held. Within that window, given `costs` (one
// per item), the costliest item not yet started goes first, so that a large
// item does not leave the other cores idle behind it at the end of the
// window; without costs, items start in order. `work` must not throw.
template <typename Result>
class OrderedWork {
public:
    OrderedWork(std::size_t count, std::function<Result(std::size_t)> work, std::size_t ahead = 0, unsigned workers = 0,
                std::vector<std::uint64_t> costs = {})
        : work_(std::move(work)),
          results_(count),
          started_(count, false),
          costs_(std::move(costs)),
          ahead_(ahead ? ahead : count) {
        if (workers == 0) workers = std::max(1u, std::thread::hardware_concurrency());
        workers = static_cast<unsigned>(std::min<std::size_t>(workers, std::max<std::size_t>(count, 1)));
        for (unsigned i = 0; i < workers; ++i) threads_.emplace_back([this] { Work(); });
    }

    ~OrderedWork() {
        Stop();
        for (auto& thread : threads_) thread.join();
    }

    OrderedWork(const OrderedWork&) = delete;
    OrderedWork& operator=(const OrderedWork&) = delete;

    // Waits for result `index`; indices are taken in order, and not after Stop.
    Result Take(std::size_t index) {
        std::unique_lock lock(mutex_);
        ready_.wait(lock, [&] { return results_[index].has_value(); });
        return TakeLocked(index);
    }

    // The same, waiting at most `wait`: nothing when the result is not ready
    // by then, so that the caller can show how far the work is and look for a cancel.
    std::optional<Result> TakeWithin(std::size_t index, std::chrono::milliseconds wait) {
        std::unique_lock lock(mutex_);
        if (!ready_.wait_for(lock, wait, [&] { return results_[index].has_value(); })) return std::nullopt;
        return TakeLocked(index);
    }

    // Lets the workers end after the item each one is working on.
    void Stop() {
        {
            std::lock_guard lock(mutex_);
            stopped_ = true;
        }
        room_.notify_all();
    }

private:
    static constexpr std::size_t kNone = static_cast<std::size_t>(-1);

    Result TakeLocked(std::size_t index) {
        Result result = std::move(*results_[index]);
        results_[index].reset();
        taken_ = index + 1;
        room_.notify_all();
        return result;
    }

    // The item to start next inside the window, or kNone; called locked.
    std::size_t NextInWindow() {
        while (unstarted_ < results_.size() && started_[unstarted_]) ++unstarted_;
        const std::size_t end = std::min(results_.size(), taken_ + ahead_);
        if (unstarted_ >= end || costs_.empty()) return unstarted_ < end ? unstarted_ : kNone;
        std::size_t best = unstarted_;
        for (std::size_t i = unstarted_ + 1; i < end; ++i) {
            if (!started_[i] && costs_[i] > costs_[best]) best = i;
        }
        return best;
    }

    void Work() {
        while (true) {
            std::size_t index = kNone;
            {
                std::unique_lock lock(mutex_);
                room_.wait(lock, [&] {
                    if (stopped_) return true;
                    index = NextInWindow();
                    return index != kNone || unstarted_ >= results_.size();
                });
                if (stopped_ || index == kNone) return;
                started_[index] = true;
            }
            Result result = work_(index);
            std::lock_guard lock(mutex_);
            results_[index] = std::move(result);
            ready_.notify_all();
        }
    }

    std::function<Result(std::size_t)> work_;
    std::vector<std::optional<Result>> results_;
    std::vector<bool> started_;
    std::vector<std::uint64_t> costs_;
    std::size_t ahead_;
    std::size_t unstarted_ = 0;  // no item before it is still to start
    std::size_t taken_ = 0;
    bool stopped_ = false;
    std::mutex mutex_;
    std::condition_variable ready_;
    std::condition_variable room_;
    std::vector<std::thread> threads_;
};

}  // namespace palimora
