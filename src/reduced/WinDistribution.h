#pragma once

#include "reduced/PositionTable.h"

#include <array>
#include <cstdint>

namespace varnelo {

// hits[d][b]: the sets of d positions (d = 0..5) whose best row holds b of them.
using TableHits = std::array<std::array<std::uint64_t, 6>, 6>;

TableHits tableHits(const PositionTable& table);

// Every draw of 5 numbers out of `universe`, sorted by how many fall among
// the system's numbers (m, the fixed ones included) and by the hits of the
// system's best column (b): draws[m][b].
struct WinDistribution {
    std::array<std::array<std::uint64_t, 6>, 6> draws{};
    std::uint64_t total = 0;
};

// The system has `fixed` numbers in every column in front of the rows of
// the table over n positions whose hits are given.
WinDistribution winDistribution(const TableHits& hits, int n, int fixed, int universe);

} // namespace varnelo
