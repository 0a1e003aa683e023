#include "conditions/Metrics.h"

#include <algorithm>

namespace varnelo {

namespace {

constexpr std::array<std::string_view, kMaxMetricCode + 1> kLabels = {
    "",
    "Pari",
    "Pari consecutivi",
    "Dispari",
    "Dispari consecutivi",
    "Consecutivi 4",
    "Consecutivi 3",
    "Consecutivi 2",
    "Consecutivi 2 Pn",
    "Simmetrie totali",
    "Simmetrie dirette",
    "Simmetrie inverse",
    "Gemelli",
    "Ponte",
    "Ponte Passo n",
    "Interruzioni",
    "Interruzioni pari",
    "Interruzioni dispari",
    "Interruzioni consec.",
    "Distanze pari",
    "Distanze dispari",
    "Gruppi pari",
    "Gruppi dispari",
    "Vortice diretto",
    "Bracci diretto",
    "Vortice inverso",
    "Bracci inverso",
    "Sequenze uno",
    "Sequenze due",
    "Sequenze tre",
    "Sequenze quatro",
    "",
    "",
    "",
    "Decine Differenti",
    "Confr. col. Vin",
    "Confr.Con.Vin.-1 +1",
    "Consec.Pron.MMMM",
    "Consec.Pron.MMM",
    "Consec.Pron.MM",
    "Unità Differenti",
    "Consecutivi Totali",
    "Consecutivi Max",
};

constexpr VortexResult walk(const std::array<bool, 5>& even) {
    auto p = [&](int i) { return even[static_cast<std::size_t>(i - 1)]; };
    int left = 1, right = 6, restart = 6, steps = 0, arms = 0;
    // The walk always ends within a few dozen steps; the bound only guards the loop.
    for (int guard = 0; guard < 256; ++guard) {
        --right;
        ++steps;
        if (left == right) {
            if (steps == 1)
                return {right, arms};
            right = restart;
            ++left;
            ++arms;
            steps = 0;
            continue;
        }
        if (p(left) != p(right))
            continue;
        for (;;) {
            ++arms;
            const int from = left;
            int found = 0;
            for (int q = from + 1; q < right; ++q)
                if (p(q) == p(right)) {
                    found = q;
                    break;
                }
            if (found) {
                left = found;
                ++arms;
                steps = 0;
                restart = right;
                break;
            }
            if (from + 1 == right)
                return {right, arms};
            --right;
        }
    }
    return {right, arms};
}

struct VortexTable {
    // Index: bit i set when position i + 1 is even; per pattern forward and backward results.
    std::array<VortexResult, 32> forward{};
    std::array<VortexResult, 32> backward{};
    constexpr VortexTable() {
        for (int m = 0; m < 32; ++m) {
            std::array<bool, 5> f{}, b{};
            for (int i = 0; i < 5; ++i) {
                f[i] = (m >> i) & 1;
                b[i] = (m >> (4 - i)) & 1;
            }
            forward[m] = walk(f);
            backward[m] = walk(b);
        }
    }
};
constexpr VortexTable kVortex{};

int gap(const Column& c, int k) {
    return c[k] - c[k - 1];
} // k = 1..4: gap before position k + 1

// Greedy count of gaps equal to `size`, skipping the position after each one.
int alternateCount(const Column& c, int size) {
    int n = 0;
    for (int k = 1; k <= 4; ++k)
        if (gap(c, k) == size) {
            ++n;
            ++k;
        }
    return n;
}

int presentCount(const std::array<int, 52>* table, int n) {
    return table && n >= 0 && n <= 51 && (*table)[static_cast<std::size_t>(n)] > 0;
}

} // namespace

bool isCatalogueCode(int code) {
    return code >= 1 && code <= kMaxMetricCode && (code < 31 || code > 33);
}

std::string_view metricLabel(int code) {
    return code >= 0 && code <= kMaxMetricCode ? kLabels[static_cast<std::size_t>(code)] : "";
}

int metricMaxValue(int code) {
    return isCatalogueCode(code) ? 5 : 0;
}

VortexResult vortexWalk(const std::array<bool, 5>& even) {
    return walk(even);
}

namespace {

// Codes 1..4, 9..11, 15..18 and 21..26: the parity pattern in position order.
inline void parityMetrics(const bool (&even)[5], int parityMask, CatalogueValues& v) {
    // 1..4: even/odd counts and their longest runs in position order.
    int evens = 0, runE = 0, runO = 0, bestE = 0, bestO = 0;
    for (int i = 0; i < 5; ++i) {
        if (even[i]) {
            ++evens;
            bestE = std::max(bestE, ++runE);
            runO = 0;
        } else {
            bestO = std::max(bestO, ++runO);
            runE = 0;
        }
    }
    v[1] = evens;
    v[2] = bestE;
    v[3] = 5 - evens;
    v[4] = bestO;

    // 9..11: parity symmetries.
    v[10] = (even[0] == even[3]) + (even[1] == even[4]);
    v[11] = (even[0] == even[4]) + (even[1] == even[3]);
    v[9] = v[10] + v[11];

    // 15..18: parity changes.
    int toEven = 0, toOdd = 0, streak = 0, bestStreak = 0;
    for (int k = 1; k < 5; ++k) {
        if (even[k] != even[k - 1]) {
            (even[k] ? toEven : toOdd) += 1;
            bestStreak = std::max(bestStreak, ++streak);
        } else {
            streak = 0;
        }
    }
    v[15] = toEven + toOdd;
    v[16] = toEven;
    v[17] = toOdd;
    v[18] = bestStreak;

    // 21, 22: maximal groups of equal parity by size.
    int hist[6] = {};
    int run = 1;
    for (int k = 1; k < 5; ++k) {
        if (even[k] == even[k - 1]) {
            ++run;
        } else {
            ++hist[run];
            run = 1;
        }
    }
    ++hist[run];
    v[21] = hist[2] + hist[4];
    v[22] = hist[1] + hist[3] + hist[5];

    // 23..26: the vortex walks.
    const VortexResult fwd = kVortex.forward[parityMask];
    const VortexResult bwd = kVortex.backward[parityMask];
    v[23] = fwd.end;
    v[24] = fwd.arms;
    v[25] = 6 - bwd.end;
    v[26] = bwd.arms;
}

// Codes 5..8, 12..14, 19, 20, 27..30, 41 and 42: the gaps between neighbours.
inline void gapMetrics(const Column& c, CatalogueValues& v) {
    int g[4];
    for (int k = 0; k < 4; ++k)
        g[k] = c[k + 1] - c[k];

    // 5..7: windows of consecutive numbers, 8: disjoint consecutive pairs.
    int ones = 0;
    for (int k = 0; k < 4; ++k)
        ones += g[k] == 1;
    int win3 = 0, win4 = 0;
    for (int k = 0; k < 3; ++k)
        win3 += g[k] == 1 && g[k + 1] == 1;
    for (int k = 0; k < 2; ++k)
        win4 += g[k] == 1 && g[k + 1] == 1 && g[k + 2] == 1;
    v[5] = win4;
    v[6] = win3;
    v[7] = ones;
    v[8] = alternateCount(c, 1);

    // 12: different gap values.
    int distinct = 0;
    for (int k = 0; k < 4; ++k) {
        bool later = false;
        for (int j = k + 1; j < 4; ++j)
            later |= g[j] == g[k];
        distinct += !later;
    }
    v[12] = distinct;

    // 13, 14: bridges (gaps of 2).
    int twos = 0;
    for (int k = 0; k < 4; ++k)
        twos += g[k] == 2;
    v[13] = twos;
    v[14] = alternateCount(c, 2);

    // 19, 20: even and odd gaps.
    int evenGaps = 0;
    for (int k = 0; k < 4; ++k)
        evenGaps += kEven.isEven(g[k]);
    v[19] = evenGaps;
    v[20] = 4 - evenGaps;

    // 27..30: maximal runs of consecutive numbers by length (a run of five counts in none).
    int seq = 1;
    for (int k = 0; k <= 4; ++k) {
        if (k < 4 && g[k] == 1) {
            ++seq;
            continue;
        }
        if (seq <= 4)
            ++v[26 + seq];
        seq = 1;
    }

    // 41, 42: numbers in consecutive runs and the longest run.
    int total = 1, pending = 0, length = 1, longest = 1;
    for (int k = 0; k < 4; ++k) {
        if (g[k] == 1) {
            total += 1 + pending;
            pending = 0;
            longest = std::max(longest, ++length);
        } else {
            if (total > 1)
                pending = 1;
            length = 1;
        }
    }
    v[41] = total;
    v[42] = longest;
}

// Codes 34..40: decades and units, and the tables from outside the column.
inline void contextMetrics(const Column& c, const MetricContext& ctx, CatalogueValues& v) {
    // 34, 40: different decades and units.
    unsigned decades = 0, units = 0;
    for (int i = 0; i < 5; ++i) {
        decades |= 1u << (c[i] % 50 / 10);
        units |= 1u << (c[i] % 10);
    }
    v[34] = static_cast<std::int8_t>(__builtin_popcount(decades));
    v[40] = static_cast<std::int8_t>(__builtin_popcount(units));

    // 35, 36: comparison numbers.
    int same = 0, near = 0;
    for (int i = 0; i < 5; ++i) {
        same += presentCount(ctx.comparison, c[i]);
        near += presentCount(ctx.comparison, c[i] - 1) || presentCount(ctx.comparison, c[i] + 1);
    }
    v[35] = same;
    v[36] = near;

    // 37..39: rank in the forecast rising by one.
    if (ctx.forecastRank) {
        const auto& rank = *ctx.forecastRank;
        bool up[4];
        for (int k = 0; k < 4; ++k)
            up[k] = rank[c[k + 1]] == rank[c[k]] + 1;
        for (int k = 0; k < 4; ++k)
            v[39] += up[k];
        for (int k = 0; k < 3; ++k)
            v[38] += up[k] && up[k + 1];
        for (int k = 0; k < 2; ++k)
            v[37] += up[k] && up[k + 1] && up[k + 2];
    }
}

} // namespace

void catalogueMetrics(const Column& c, const MetricContext& ctx, CatalogueValues& v) {
    v = {};
    bool even[5];
    int parityMask = 0;
    for (int i = 0; i < 5; ++i) {
        even[i] = kEven.isEven(c[i]);
        parityMask |= even[i] << i;
    }
    parityMetrics(even, parityMask, v);
    gapMetrics(c, v);
    contextMetrics(c, ctx, v);
}

int metricValue(int code, const Column& c, const MetricContext& ctx) {
    if (!isCatalogueCode(code))
        return 0;
    CatalogueValues v;
    catalogueMetrics(c, ctx, v);
    return v[static_cast<std::size_t>(code)];
}

int archiveBridgeCount(const Column& c) {
    int n = 0;
    for (int k = 1; k < 5; ++k) {
        const int before2 = k >= 2 ? c[k - 2] : 0;
        n += c[k] - c[k - 1] == 2 && c[k] - before2 != 4;
    }
    return n;
}

int distanceMetric(Distance kind, const Column& c) {
    switch (kind) {
    case Distance::Extreme:
        return c[4] - c[0];
    case Distance::Min: {
        int m = 49;
        for (int k = 1; k < 5; ++k)
            m = std::min(m, gap(c, k));
        return m;
    }
    case Distance::Max: {
        int m = 0;
        for (int k = 1; k < 5; ++k)
            m = std::max(m, gap(c, k));
        return m;
    }
    case Distance::Mean: {
        // Halves go to the even neighbour.
        const int span = c[4] - c[0];
        const int q = span / 4, r = span % 4;
        return r < 2 ? q : r > 2 ? q + 1 : q + (q % 2);
    }
    }
    return 0;
}

int sumMetric(Sum kind, const Column& c, const MetricContext& ctx) {
    int s = 0;
    for (int i = 0; i < 5; ++i) {
        const bool even = kEven.isEven(c[i]);
        switch (kind) {
        case Sum::Total:
            s += c[i];
            break;
        case Sum::Even:
            s += even ? c[i] : 0;
            break;
        case Sum::Odd:
            s += even ? 0 : c[i];
            break;
        case Sum::Delays:
            s += ctx.delays ? (*ctx.delays)[c[i]] : 0;
            break;
        }
    }
    return s;
}

int positionValue(const Column& c, int position) {
    return c[static_cast<std::size_t>(position - 1)];
}

int distanceBetween(const Column& c, int i, int j) {
    return c[static_cast<std::size_t>(j - 1)] - c[static_cast<std::size_t>(i - 1)];
}

std::array<int, 2> betweenPair(int pairIndex) {
    static constexpr std::array<std::array<int, 2>, 10> kPairs = {
        {{1, 2}, {1, 3}, {1, 4}, {1, 5}, {2, 3}, {2, 4}, {2, 5}, {3, 4}, {3, 5}, {4, 5}}};
    return kPairs[static_cast<std::size_t>(pairIndex)];
}

void DistributionTable::tally(const Column& c, const MetricContext& ctx) {
    CatalogueValues v;
    catalogueMetrics(c, ctx, v);
    tally(v);
}

void DistributionTable::tally(const CatalogueValues& v) {
    for (int code = 1; code <= kMaxMetricCode; ++code)
        if (isCatalogueCode(code))
            ++counts_[static_cast<std::size_t>(v[code])][code];
}

} // namespace varnelo
