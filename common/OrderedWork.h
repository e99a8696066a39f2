#pragma once

#include <algorithm>
#include <atomic>
#include <condition_variable>
#include <cstddef>
#include <functional>
#include <mutex>
#include <optional>
#include <thread>
#include <vector>

namespace palimora {

// Runs `work(i)` for i = 0 .. count-1 on every core while the caller takes
// the results one by one in order, as a one-thread loop would see them.
// Workers stay at most `ahead` items in front of the caller, which bounds
// the memory the finished results hold. `work` must not throw.
template <typename Result>
class OrderedWork {
public:
    OrderedWork(std::size_t count, std::function<Result(std::size_t)> work, std::size_t ahead = 0, unsigned workers = 0)
        : work_(std::move(work)), results_(count), ahead_(ahead ? ahead : count) {
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
        Result result = std::move(*results_[index]);
        results_[index].reset();
        taken_ = index + 1;
        room_.notify_all();
        return result;
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
    void Work() {
        while (true) {
            std::size_t index;
            {
                std::unique_lock lock(mutex_);
                if (stopped_ || next_ >= results_.size()) return;
                index = next_++;
                room_.wait(lock, [&] { return stopped_ || index < taken_ + ahead_; });
                if (stopped_) return;
            }
            Result result = work_(index);
            std::lock_guard lock(mutex_);
            results_[index] = std::move(result);
            ready_.notify_all();
        }
    }

    std::function<Result(std::size_t)> work_;
    std::vector<std::optional<Result>> results_;
    std::size_t ahead_;
    std::size_t next_ = 0;
    std::size_t taken_ = 0;
    bool stopped_ = false;
    std::mutex mutex_;
    std::condition_variable ready_;
    std::condition_variable room_;
    std::vector<std::thread> threads_;
};

}  // namespace palimora
