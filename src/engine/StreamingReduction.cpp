#include "engine/StreamingReduction.h"

#include "engine/SubsetIndex.h"

#include <algorithm>
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

// Scoring gives every column 1 plus its close pairs; selection then takes
// the highest score, recounts it, and keeps it when the recount confirms it.
// Stored scores never fall below the true counts, so what is kept is always
// the first column in buffer order whose current count is the highest: the
// counts are kept exact here instead, lowered as columns leave the buffer.
bool StreamingReduction::reduce(std::size_t target, const std::function<void(const Column&)>& keep,
                                const std::atomic<bool>& cancel) {
    const std::size_t n = columns_.size();
    neighbours_.resize(n);
    for (auto& list : neighbours_)
        list.clear();
    auto link = [this](std::size_t i, std::size_t j) {
        neighbours_[i].push_back(static_cast<std::uint16_t>(j));
        neighbours_[j].push_back(static_cast<std::uint16_t>(i));
    };
    if (cancel.load(std::memory_order_relaxed))
        return false;
    if (shared_ == 4) {
        // Two different columns share four numbers exactly when they share
        // one of their five 4-subsets, and then only that one: equal ranks
        // of a sorted list are the close pairs.
        ranks_.clear();
        for (std::size_t i = 0; i < n; ++i)
            for (unsigned skipped = 0; skipped < 5; ++skipped)
                ranks_.emplace_back(SubsetIndex::rank(columns_[i], 31u & ~(1u << skipped)),
                                    static_cast<std::uint16_t>(i));
        std::sort(ranks_.begin(), ranks_.end());
        for (std::size_t a = 0; a < ranks_.size(); ++a)
            for (std::size_t b = a + 1; b < ranks_.size() && ranks_[b].first == ranks_[a].first; ++b)
                link(ranks_[a].second, ranks_[b].second);
    } else {
        for (std::size_t i = 0; i < n; ++i) {
            if (i % 200 == 199 && cancel.load(std::memory_order_relaxed))
                return false;
            for (std::size_t j = i + 1; j < n; ++j)
                if (closeAt(i, j))
                    link(i, j);
        }
    }
    for (std::size_t i = 0; i < n; ++i)
        scores_[i] = 1 + static_cast<std::int32_t>(neighbours_[i].size());

    // order[k]: the column at buffer position k.
    std::vector<std::uint16_t> order(n);
    for (std::size_t i = 0; i < n; ++i)
        order[i] = static_cast<std::uint16_t>(i);
    while (order.size() > target) {
        std::size_t best = 0;
        for (std::size_t k = 1; k < order.size(); ++k)
            if (scores_[order[k]] > scores_[order[best]])
                best = k;
        const std::uint16_t kept = order[best];
        keep(columns_[kept]);
        for (std::size_t k = 0; k < order.size();) {
            const std::uint16_t y = order[k];
            if (!closeAt(kept, y)) {
                ++k;
                continue;
            }
            for (std::uint16_t w : neighbours_[y])
                --scores_[w];
            order[k] = order.back();
            order.pop_back();
        }
    }

    std::vector<Column> columns;
    std::vector<std::uint64_t> masks;
    for (std::uint16_t i : order) {
        columns.push_back(columns_[i]);
        masks.push_back(masks_[i]);
    }
    columns_ = std::move(columns);
    masks_ = std::move(masks);
    scores_.assign(columns_.size(), 0);
    return true;
}

} // namespace varnelo
