#pragma once

#include <atomic>
#include <cstdint>

namespace varnelo {

// What a long loop (development, loading, saving, importing columns) shares with the window
// that watches it from another thread: the items done so far, the items in
// all, and the cancel request (the continue flag cleared).
struct Progress {
    std::atomic<std::int64_t> done{0};
    std::atomic<std::int64_t> total{0};
    std::atomic<bool> cancel{false};

    bool cancelled() const { return cancel.load(std::memory_order_relaxed); }
    void report(std::int64_t n) { done.store(n, std::memory_order_relaxed); }
};

// Loops test the cancel request and report progress every this many items.
inline constexpr std::int64_t kProgressStep = 1000;

} // namespace varnelo
