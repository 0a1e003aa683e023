#pragma once

#include "conditions/FamilyVerdict.h"

#include <bit>
#include <cstdint>

namespace varnelo {

// Once the first four numbers of a column are placed, a family's verdict
// hangs on the last number only: the development asks a family about all
// the last numbers of a prefix at once, as a mask over 1..49 (bit n for
// number n), instead of once per column.
using NumberSet = std::uint64_t;

template <typename F> void forEachNumber(NumberSet set, F f) {
    for (; set != 0; set &= set - 1)
        f(std::countr_zero(set));
}

// The last numbers some row of a family refuses, and those some row admits
// only on recovery.
struct LastVerdicts {
    NumberSet failed = 0;
    NumberSet recovered = 0;
};

// A row valued by what the prefix gives plus what the last number adds,
// the value lying in lo..hi whatever the last number: when one admitted
// interval holds the whole range no last number needs a look of its own.
template <typename Intervals>
bool admitsRange(const Intervals& admitted, std::int64_t lo, std::int64_t hi) {
    for (const Interval& i : admitted)
        if (i.inUse() && i.min <= lo && hi <= i.max)
            return true;
    return false;
}

// Adds the verdict `judge` gives each last number's value to `out`.
template <typename ValueOf, typename Judge>
void judgeLastNumbers(NumberSet last, ValueOf valueOf, Judge judge, LastVerdicts& out) {
    forEachNumber(last, [&](int n) {
        const RowVerdict v = judge(valueOf(n));
        const NumberSet bit = NumberSet{1} << n;
        out.recovered |= v == RowVerdict::Recovery ? bit : 0;
        out.failed |= v == RowVerdict::Fail ? bit : 0;
    });
}

} // namespace varnelo
