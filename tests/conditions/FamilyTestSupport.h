#pragma once

#include "core/Numbers.h"
#include "support/Columns.h"

#include <cstdint>
#include <random>
#include <vector>

namespace varnelo::test {

// Random columns (ascending, different numbers) for cross-checks.
inline std::vector<Column> randomColumns(std::size_t count, unsigned seed) {
    std::mt19937 rng(seed);
    std::vector<Column> out;
    while (out.size() < count) {
        std::uint64_t used = 0;
        Column c{};
        int k = 0;
        while (k < 5) {
            const int n = static_cast<int>(rng() % 49) + 1;
            if (used >> n & 1u)
                continue;
            used |= std::uint64_t{1} << n;
            ++k;
        }
        k = 0;
        for (int n = 1; n <= 49; ++n)
            if (used >> n & 1u)
                c[static_cast<std::size_t>(k++)] = static_cast<std::uint8_t>(n);
        out.push_back(c);
    }
    return out;
}

} // namespace varnelo::test
