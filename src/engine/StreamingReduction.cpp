#include "engine/StreamingReduction.h"

#include "engine/SubsetIndex.h"

#include <bit>

namespace varnelo {

StreamingReduction::StreamingReduction(int threshold) : shared_(6 - threshold) {
    columns_.reserve(kHighMark + 1);
    masks_.reserve(kHighMark + 1);
    scores_.reserve(kHighMark + 1);
}

bool StreamingReduction::close(const Column& a, const Column& b) const {
    return std::popcount(columnMask(a) & columnMask(b)) >= shared_;
}

bool StreamingReduction::closeAt(std::size_t i, std::size_t j) const {
    return std::popcount(masks_[i] & masks_[j]) >= shared_;
}

void StreamingReduction::add(const Column& c) {
    columns_.push_back(c);
    masks_.push_back(columnMask(c));
    scores_.push_back(0);
}

// The last column moves into the freed slot.
void StreamingReduction::removeAt(std::size_t i) {
    columns_[i] = columns_.back();
    masks_[i] = masks_.back();
    scores_[i] = scores_.back();
    columns_.pop_back();
    masks_.pop_back();
    scores_.pop_back();
}

bool StreamingReduction::reduce(std::size_t target, const std::function<void(const Column&)>& keep,
                                const std::atomic<bool>& cancel) {
    const std::size_t n = columns_.size();
    std::fill(scores_.begin(), scores_.end(), 1);
    for (std::size_t i = 0; i < n; ++i) {
        if (i % 200 == 199 && cancel.load(std::memory_order_relaxed))
            return false;
        for (std::size_t j = i + 1; j < n; ++j)
            if (closeAt(i, j)) {
                ++scores_[i];
                ++scores_[j];
            }
    }
    while (columns_.size() > target) {
        std::size_t best = 0;
        for (std::size_t i = 1; i < columns_.size(); ++i)
            if (scores_[i] > scores_[best])
                best = i;
        if (scores_[best] == 0)
            break;
        std::int32_t count = 0;
        for (std::size_t j = 0; j < columns_.size(); ++j)
            count += closeAt(best, j);
        if (count < scores_[best]) {
            scores_[best] = count;
            continue;
        }
        const Column kept = columns_[best];
        const std::uint64_t mask = masks_[best];
        keep(kept);
        for (std::size_t j = 0; j < columns_.size();) {
            if (std::popcount(mask & masks_[j]) >= shared_)
                removeAt(j);
            else
                ++j;
        }
    }
    return true;
}

} // namespace varnelo
