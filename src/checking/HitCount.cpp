#include "checking/HitCount.h"

#include <algorithm>

namespace varnelo {

namespace {
// Hit counts travel packed, ten bits per count, so that the loop adds one
// register instead of bumping six counters in memory; a block stays below
// 1024 columns and cannot carry into the next field.
constexpr int kFieldBits = 10;
constexpr std::int32_t kBlock = (1 << kFieldBits) - 1;
} // namespace

MarkTable::MarkTable(const Combination& combination) {
    for (int n = 1; n <= 50; ++n)
        mark_[static_cast<std::size_t>(n)] = combination.numbers[static_cast<std::size_t>(n)];
}

void countStoredHits(const ColumnStore& store, std::int32_t first, std::int32_t last,
                     const MarkTable& marks, HitCounts& hits) {
    const std::uint8_t* m = marks.data();
    const std::uint8_t* p1 = store.plane(1);
    const std::uint8_t* p2 = store.plane(2);
    const std::uint8_t* p3 = store.plane(3);
    const std::uint8_t* p4 = store.plane(4);
    const std::uint8_t* p5 = store.plane(5);
    for (std::int32_t from = first; from <= last; from += kBlock) {
        const std::int32_t to = std::min(last, from + kBlock - 1);
        std::uint64_t packed = 0;
        for (std::int32_t j = from; j <= to; ++j) {
            const unsigned k = m[p1[j]] + m[p2[j]] + m[p3[j]] + m[p4[j]] + m[p5[j]];
            packed += std::uint64_t{1} << (k * kFieldBits);
        }
        for (std::size_t k = 0; k <= kColumnSize; ++k)
            hits[k] += static_cast<std::int64_t>(packed >> (k * kFieldBits) & kBlock);
    }
}

} // namespace varnelo
