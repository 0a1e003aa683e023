#pragma once

#include "reduced/PositionTable.h"

#include <bit>
#include <cstdint>
#include <vector>

namespace varnelo::covergen {

// A set of zero-based positions below 64.
using Mask = std::uint64_t;

// The parameters of one table: rows of k positions out of n; every c-set
// must meet some row in at least g positions.
struct Shape {
    int k, n, g, c;
};

std::uint64_t maskRank(Mask m);
Mask unrankMask(std::uint64_t rank, int size, int n);

// Calls f(mask) for every set of `size` positions below n that shares at
// least `common` positions with `around`.
template <class F> void forEachNear(Mask around, int n, int size, int common, F&& f);

// The number of sets forEachNear visits.
std::uint64_t nearCount(int aroundSize, int n, int size, int common);

PositionTable toTable(const std::vector<Mask>& rows, int k, int n);
std::vector<Mask> toMasks(const PositionTable& t);

namespace detail {
template <class F> void combos(const std::uint8_t* items, int count, int choose, Mask acc, F& f) {
    if (choose == 0) {
        f(acc);
        return;
    }
    for (int i = 0; i + choose <= count; ++i)
        combos(items + i + 1, count - i - 1, choose - 1, acc | Mask{1} << items[i], f);
}
} // namespace detail

template <class F> void forEachNear(Mask around, int n, int size, int common, F&& f) {
    std::uint8_t in[64], out[64];
    int ni = 0, no = 0;
    for (int x = 0; x < n; ++x)
        (around >> x & 1 ? in[ni++] : out[no++]) = static_cast<std::uint8_t>(x);
    for (int i = common < 0 ? 0 : common; i <= ni && i <= size; ++i) {
        if (size - i > no)
            continue;
        auto outer = [&](Mask a) {
            auto inner = [&](Mask b) { f(a | b); };
            detail::combos(out, no, size - i, 0, inner);
        };
        detail::combos(in, ni, i, 0, outer);
    }
}

} // namespace varnelo::covergen
