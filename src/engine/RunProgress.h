#pragma once

#include "core/Progress.h"

#include <atomic>
#include <cstdint>

namespace varnelo {

// What a running development shares with whoever watches it: the common
// progress (candidates examined of all the candidates, and the cancel flag)
// and the counts of the development window.
struct RunProgress : Progress {
    std::atomic<std::int32_t> conditioned{0};
    std::atomic<std::int32_t> kept{0};
    std::atomic<std::int32_t> inMemory{0};
};

} // namespace varnelo
