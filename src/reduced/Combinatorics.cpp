#include "reduced/Combinatorics.h"

namespace varnelo {

std::uint64_t colexRank(const std::uint8_t* ascending, int k) {
    std::uint64_t r = 0;
    for (int i = 0; i < k; ++i)
        r += tableBinomial(ascending[i], i + 1);
    return r;
}

void colexUnrank(std::uint64_t rank, int k, int n, std::uint8_t* ascending) {
    int x = n - 1;
    for (int i = k; i >= 1; --i) {
        while (tableBinomial(x, i) > rank)
            --x;
        ascending[i - 1] = static_cast<std::uint8_t>(x);
        rank -= tableBinomial(x, i);
        --x;
    }
}

} // namespace varnelo
