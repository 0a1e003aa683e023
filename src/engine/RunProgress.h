#pragma once

#include <atomic>
#include <cstdint>

namespace varnelo {

// What a running development shares with whoever watches it: counts that
// another thread may read at any time, and the cancel flag it may set.
struct RunProgress {
    // Candidates the run will examine in all, set when it starts.
    std::atomic<std::int64_t> candidates{0};
    std::atomic<std::int64_t> examined{0};
    std::atomic<std::int32_t> conditioned{0};
    std::atomic<std::int32_t> kept{0};
    std::atomic<std::int32_t> inMemory{0};
    std::atomic<bool> cancel{false};
};

} // namespace varnelo
