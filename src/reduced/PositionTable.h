#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

namespace varnelo {

// A covering table written in positions 1..n: every row holds rowLength
// ascending positions, all rows side by side in one array.
struct PositionTable {
    int rowLength = 0;
    int n = 0;
    std::vector<std::uint8_t> cells;

    std::size_t rows() const {
        return rowLength > 0 ? cells.size() / static_cast<std::size_t>(rowLength) : 0;
    }
    const std::uint8_t* row(std::size_t i) const {
        return cells.data() + i * static_cast<std::size_t>(rowLength);
    }
};

// True when every set of c positions out of 1..n meets some row in at least
// g positions. Rows with a position outside 1..n, repeated or out of order
// make the table wrong.
bool coversAll(const PositionTable& table, int g, int c);

} // namespace varnelo
