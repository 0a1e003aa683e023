#include "engine/StreamingReduction.h"

#include "core/SubsetIndex.h"

#include <algorithm>
#include <bit>

namespace varnelo {

namespace {
constexpr std::uint32_t kNone = UINT32_MAX;
// The buffer never holds more than the high mark plus the column that crosses it.
constexpr std::size_t kSlots = StreamingReduction::kHighMark + 1;
} // namespace

StreamingReduction::StreamingReduction(int threshold)
    : shared_(6 - threshold), columns_(kSlots), masks_(kSlots), counts_(kSlots),
      neighbours_(kSlots), generation_(kSlots), present_(kSlots) {
    for (std::size_t id = kSlots; id-- > 0;)
        freeIds_.push_back(static_cast<std::uint16_t>(id));
    order_.reserve(kSlots);
    if (shared_ == 4) {
        head_.assign(static_cast<std::size_t>(binomial(kMaxNumber, 4)), kNone);
        next_.assign(kSlots * 5, kNone);
        rankOf_.assign(kSlots * 5, 0);
    }
}

bool StreamingReduction::close(std::uint16_t a, std::uint16_t b) const {
    return std::popcount(masks_[a] & masks_[b]) >= shared_;
}

void StreamingReduction::link(std::uint16_t a, std::uint16_t b) {
    neighbours_[a].push_back(b | std::uint64_t{generation_[b]} << 16);
    neighbours_[b].push_back(a | std::uint64_t{generation_[a]} << 16);
    ++counts_[a];
    ++counts_[b];
}

// Scoring is kept up to date as columns come and go, so that a reduction
// only selects.
void StreamingReduction::add(const Column& c) {
    const std::uint16_t id = freeIds_.back();
    freeIds_.pop_back();
    columns_[id] = c;
    masks_[id] = columnMask(c);
    counts_[id] = 1;
    neighbours_[id].clear();
    ++generation_[id];
    present_[id] = 1;
    if (shared_ == 4) {
        // Two different columns sharing four numbers share exactly one
        // 4-subset; equal columns share all five and are linked once.
        for (unsigned k = 0; k < 5; ++k) {
            const std::uint32_t rank = SubsetIndex::rank(c, 31u & ~(1u << k));
            for (std::uint32_t e = head_[rank]; e != kNone; e = next_[e]) {
                const auto other = static_cast<std::uint16_t>(e / 5);
                const std::uint64_t tag = other | std::uint64_t{generation_[other]} << 16;
                if (std::find(neighbours_[id].begin(), neighbours_[id].end(), tag) ==
                    neighbours_[id].end())
                    link(id, other);
            }
            const std::uint32_t entry = id * 5u + k;
            rankOf_[entry] = rank;
            next_[entry] = head_[rank];
            head_[rank] = entry;
        }
    } else {
        for (std::uint16_t other : order_)
            if (close(id, other))
                link(id, other);
    }
    order_.push_back(id);
}

void StreamingReduction::remove(std::uint16_t id) {
    present_[id] = 0;
    for (std::uint64_t tag : neighbours_[id]) {
        const auto w = static_cast<std::uint16_t>(tag & 0xFFFF);
        if (present_[w] && generation_[w] == tag >> 16)
            --counts_[w];
    }
    if (shared_ == 4)
        for (unsigned k = 0; k < 5; ++k) {
            const std::uint32_t entry = id * 5u + k;
            std::uint32_t* at = &head_[rankOf_[entry]];
            while (*at != entry)
                at = &next_[*at];
            *at = next_[entry];
        }
    freeIds_.push_back(id);
}

// Selection takes the highest stored score, recounts it and keeps it when
// the recount confirms it; stored scores never fall below the true counts,
// so what is kept is always the first column in buffer order with the
// highest current count. The counts here are those current counts.
bool StreamingReduction::reduce(std::size_t target, const std::function<void(const Column&)>& keep,
                                const std::atomic<bool>& cancel) {
    if (cancel.load(std::memory_order_relaxed))
        return false;
    while (order_.size() > target) {
        std::size_t best = 0;
        for (std::size_t k = 1; k < order_.size(); ++k)
            if (counts_[order_[k]] > counts_[order_[best]])
                best = k;
        const std::uint16_t kept = order_[best];
        keep(columns_[kept]);
        // Every close column leaves; the last one moves into the freed place.
        const std::uint64_t mask = masks_[kept];
        for (std::size_t k = 0; k < order_.size();) {
            const std::uint16_t y = order_[k];
            if (std::popcount(mask & masks_[y]) < shared_) {
                ++k;
                continue;
            }
            remove(y);
            order_[k] = order_.back();
            order_.pop_back();
        }
    }
    return true;
}

} // namespace varnelo
