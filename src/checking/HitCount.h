#pragma once

#include "checking/PrizeCategories.h"
#include "core/ColumnStore.h"

#include <array>
#include <cstdint>

namespace varnelo {

// The marks of a combination looked up by number: a column's hits are five
// lookups, no search.
class MarkTable {
  public:
    explicit MarkTable(const Combination& combination);
    int hits(const Column& c) const {
        return mark_[c[0]] + mark_[c[1]] + mark_[c[2]] + mark_[c[3]] + mark_[c[4]];
    }
    const std::uint8_t* data() const { return mark_.data(); }

  private:
    std::array<std::uint8_t, 256> mark_{};
};

// Adds the hits of the stored columns first..last (inclusive) to `hits`.
void countStoredHits(const ColumnStore& store, std::int32_t first, std::int32_t last,
                     const MarkTable& marks, HitCounts& hits);

} // namespace varnelo
