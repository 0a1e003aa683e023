#include "Subsets.h"

#include "reduced/Combinatorics.h"

namespace varnelo::covergen {

std::uint64_t maskRank(Mask m) {
    std::uint64_t r = 0;
    for (int i = 1; m; ++i, m &= m - 1)
        r += tableBinomial(std::countr_zero(m), i);
    return r;
}

Mask unrankMask(std::uint64_t rank, int size, int n) {
    std::uint8_t p[8];
    colexUnrank(rank, size, n, p);
    Mask m = 0;
    for (int i = 0; i < size; ++i)
        m |= Mask{1} << p[i];
    return m;
}

std::uint64_t nearCount(int aroundSize, int n, int size, int common) {
    std::uint64_t total = 0;
    for (int i = common < 0 ? 0 : common; i <= aroundSize && i <= size; ++i)
        total += tableBinomial(aroundSize, i) * tableBinomial(n - aroundSize, size - i);
    return total;
}

PositionTable toTable(const std::vector<Mask>& rows, int k, int n) {
    PositionTable t;
    t.rowLength = k;
    t.n = n;
    for (Mask m : rows)
        for (; m; m &= m - 1)
            t.cells.push_back(static_cast<std::uint8_t>(std::countr_zero(m) + 1));
    return t;
}

std::vector<Mask> toMasks(const PositionTable& t) {
    std::vector<Mask> rows;
    for (std::size_t i = 0; i < t.rows(); ++i) {
        Mask m = 0;
        for (int j = 0; j < t.rowLength; ++j)
            m |= Mask{1} << (t.row(i)[j] - 1);
        rows.push_back(m);
    }
    return rows;
}

} // namespace varnelo::covergen
