#include "reduced/Combinatorics.h"

#include <array>

namespace varnelo {

namespace {

constexpr int kMaxK = 7;

struct Table {
    std::array<std::array<std::uint64_t, kMaxK + 1>, kMaxPositions + 1> c{};
    Table() {
        for (int n = 0; n <= kMaxPositions; ++n) {
            c[n][0] = 1;
            for (int k = 1; k <= kMaxK; ++k)
                c[n][k] = n == 0 ? 0 : c[n - 1][k - 1] + c[n - 1][k];
        }
    }
};

const Table& table() {
    static const Table t;
    return t;
}

} // namespace

std::uint64_t binomial(int n, int k) {
    if (n < 0 || k < 0 || n > kMaxPositions || k > kMaxK)
        return 0;
    return table().c[n][k];
}

std::uint64_t colexRank(const std::uint8_t* ascending, int k) {
    std::uint64_t r = 0;
    for (int i = 0; i < k; ++i)
        r += binomial(ascending[i], i + 1);
    return r;
}

void colexUnrank(std::uint64_t rank, int k, int n, std::uint8_t* ascending) {
    int x = n - 1;
    for (int i = k; i >= 1; --i) {
        while (binomial(x, i) > rank)
            --x;
        ascending[i - 1] = static_cast<std::uint8_t>(x);
        rank -= binomial(x, i);
        --x;
    }
}

} // namespace varnelo
