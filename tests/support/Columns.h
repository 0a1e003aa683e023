#pragma once

#include "core/Numbers.h"

#include <algorithm>
#include <cstdint>
#include <initializer_list>
#include <random>
#include <vector>

namespace varnelo::test {

// A column from its five numbers, as the tests write them.
inline Column col(int a, int b, int c, int d, int e) {
    return {std::uint8_t(a), std::uint8_t(b), std::uint8_t(c), std::uint8_t(d), std::uint8_t(e)};
}

// Five different numbers drawn from 1..top, ascending.
inline Column randomColumn(std::mt19937& rng, int top = kMaxNumber) {
    std::uniform_int_distribution<int> pick(1, top);
    std::vector<int> n;
    while (n.size() < 5) {
        const int x = pick(rng);
        if (std::find(n.begin(), n.end(), x) == n.end())
            n.push_back(x);
    }
    std::sort(n.begin(), n.end());
    return col(n[0], n[1], n[2], n[3], n[4]);
}

// The numbers as bits: bit n stands for number n.
inline std::uint64_t maskOf(std::initializer_list<int> numbers) {
    std::uint64_t m = 0;
    for (int n : numbers)
        m |= std::uint64_t{1} << n;
    return m;
}

// Hands f every column of the numbers (ascending), in lexicographic order.
template <typename F> void forEachColumn(const std::vector<int>& n, F f) {
    const std::size_t k = n.size();
    for (std::size_t a = 0; a < k; ++a)
        for (std::size_t b = a + 1; b < k; ++b)
            for (std::size_t c = b + 1; c < k; ++c)
                for (std::size_t d = c + 1; d < k; ++d)
                    for (std::size_t e = d + 1; e < k; ++e)
                        f(col(n[a], n[b], n[c], n[d], n[e]));
}

// Hands f every column of the 49 numbers, in lexicographic order.
template <typename F> void forEveryColumn(F f) {
    std::vector<int> all;
    for (int n = 1; n <= kMaxNumber; ++n)
        all.push_back(n);
    forEachColumn(all, f);
}

// Every column of the numbers, in lexicographic order.
inline std::vector<Column> integral(const std::vector<int>& n) {
    std::vector<Column> out;
    forEachColumn(n, [&](const Column& c) { out.push_back(c); });
    return out;
}

} // namespace varnelo::test
