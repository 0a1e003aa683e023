#include "stats/ComboGaps.h"

#include "stats/PositionDelays.h"

namespace varnelo {

namespace {

constexpr std::size_t kBase = kMaxNumber + 1;

std::vector<ComboGaps> collect(const GapCounter& counter, int maxValue, int size,
                               std::int32_t drawCount) {
    std::vector<ComboGaps> out;
    std::vector<int> v(static_cast<std::size_t>(size));
    // Ascending combinations in lexicographic order.
    for (int i = 0; i < size; ++i)
        v[static_cast<std::size_t>(i)] = i + 1;
    while (true) {
        std::size_t key = 0;
        for (int x : v)
            key = key * kBase + static_cast<std::size_t>(x);
        out.push_back({v, counter.gaps(key, drawCount)});
        int i = size - 1;
        while (i >= 0 && v[static_cast<std::size_t>(i)] == maxValue - size + 1 + i)
            --i;
        if (i < 0)
            break;
        ++v[static_cast<std::size_t>(i)];
        for (int j = i + 1; j < size; ++j)
            v[static_cast<std::size_t>(j)] = v[static_cast<std::size_t>(j - 1)] + 1;
    }
    return out;
}

} // namespace

std::vector<ComboGaps> computePairGaps(const std::vector<Draw>& draws) {
    GapCounter counter(kBase * kBase);
    std::int32_t at = 0;
    for (const Draw& d : draws) {
        const Column& c = d.numbers;
        for (std::size_t a = 0; a < c.size(); ++a)
            for (std::size_t b = a + 1; b < c.size(); ++b)
                counter.hit(c[a] * kBase + c[b], at);
        ++at;
    }
    return collect(counter, kMaxNumber, 2, at);
}

std::vector<ComboGaps> computeTripleGaps(const std::vector<Draw>& draws) {
    GapCounter counter(kBase * kBase * kBase);
    std::int32_t at = 0;
    for (const Draw& d : draws) {
        const Column& c = d.numbers;
        for (std::size_t a = 0; a < c.size(); ++a)
            for (std::size_t b = a + 1; b < c.size(); ++b)
                for (std::size_t e = b + 1; e < c.size(); ++e)
                    counter.hit((c[a] * kBase + c[b]) * kBase + c[e], at);
        ++at;
    }
    return collect(counter, kMaxNumber, 3, at);
}

std::vector<ComboGaps> computeNumeronePairGaps(const std::vector<Draw>& draws) {
    GapCounter counter(kBase * kBase);
    std::int32_t at = 0;
    for (const Draw& d : draws) {
        const auto [x, y] = d.numeroni;
        if (x != y)
            counter.hit(std::min(x, y) * kBase + std::max(x, y), at);
        ++at;
    }
    return collect(counter, 10, 2, at);
}

StatTable comboTable(const std::string& title, const std::string& first,
                     const std::vector<ComboGaps>& combos, std::int32_t drawCount) {
    StatTable t{title, gapHeads(first), {}};
    t.rows.reserve(combos.size());
    for (const ComboGaps& c : combos)
        t.rows.push_back(gapRow(StatCell::label(comboText(c.values)), c.gaps, drawCount));
    return t;
}

} // namespace varnelo
