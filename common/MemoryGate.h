#pragma once

#include <algorithm>
#include <condition_variable>
#include <cstddef>
#include <mutex>

namespace palimora {

// Shares a memory allowance among workers: each holds a reservation while
// it decodes, and waits while the others' reservations leave too little.
// A reservation larger than the whole allowance is let through alone.
class MemoryGate {
public:
    explicit MemoryGate(std::size_t allowance) : allowance_(allowance) {}

    class Reservation {
    public:
        Reservation(MemoryGate& gate, std::size_t bytes) : gate_(gate), bytes_(std::min(bytes, gate.allowance_)) {
            std::unique_lock lock(gate_.mutex_);
            gate_.freed_.wait(lock,
                              [&] { return gate_.reserved_ == 0 || gate_.reserved_ + bytes_ <= gate_.allowance_; });
            gate_.reserved_ += bytes_;
        }
        ~Reservation() {
            {
                const std::lock_guard lock(gate_.mutex_);
                gate_.reserved_ -= bytes_;
            }
            gate_.freed_.notify_all();
        }
        Reservation(const Reservation&) = delete;
        Reservation& operator=(const Reservation&) = delete;

    private:
        MemoryGate& gate_;
        std::size_t bytes_;
    };

private:
    const std::size_t allowance_;
    std::mutex mutex_;
    std::condition_variable freed_;
    std::size_t reserved_ = 0;
};

}  // namespace palimora
