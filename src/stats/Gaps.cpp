#include "stats/Gaps.h"

namespace varnelo {

double Gaps::meanInterval(std::int32_t drawCount) const {
    return outs == 0 ? 0.0 : static_cast<double>(drawCount) / outs;
}

double Gaps::cycle(std::int32_t drawCount) const {
    return outs == 0 ? 0.0 : delay / meanInterval(drawCount);
}

GapCounter::GapCounter(std::size_t keys) : last_(keys, -1), outs_(keys, 0), longest_(keys, 0) {}

void GapCounter::hit(std::size_t key, std::int32_t draw) {
    std::int32_t& last = last_[key];
    if (outs_[key] > 0 && last == draw)
        return;
    // The run before the first appearance counts from the oldest draw.
    const std::int32_t absent = draw - last - 1;
    if (absent > longest_[key])
        longest_[key] = absent;
    last = draw;
    ++outs_[key];
}

Gaps GapCounter::gaps(std::size_t key, std::int32_t drawCount) const {
    const std::int32_t outs = outs_[key];
    return {outs, outs == 0 ? drawCount : drawCount - 1 - last_[key], longest_[key]};
}

} // namespace varnelo
