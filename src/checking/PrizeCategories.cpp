#include "checking/PrizeCategories.h"

namespace varnelo {

namespace {
constexpr std::array<std::string_view, kCategoryCount> kLabels = {
    "0", "0+1", "1", "1+1", "2", "2+1", "3", "3+1", "4", "4+1", "5", "5+1"};
} // namespace

std::string_view categoryLabel(int category) {
    return category >= 0 && category < kCategoryCount ? kLabels[static_cast<std::size_t>(category)]
                                                      : std::string_view{};
}

std::uint64_t Combination::mask() const {
    std::uint64_t m = 0;
    for (int n = 1; n <= 50; ++n)
        if (numbers[static_cast<std::size_t>(n)])
            m |= std::uint64_t{1} << n;
    return m;
}

std::vector<int> Combination::markedNumbers() const {
    std::vector<int> out;
    for (int n = 1; n <= 50; ++n)
        if (numbers[static_cast<std::size_t>(n)])
            out.push_back(n);
    return out;
}

std::vector<int> Combination::markedNumeroni() const {
    std::vector<int> out;
    for (int n = 1; n <= kNumeroneSlots; ++n)
        if (numeroni[static_cast<std::size_t>(n)])
            out.push_back(n);
    return out;
}

BetSplit betSplit(const Selection& system, const Combination& combination) {
    const int chosen = system.numeroneCount();
    if (chosen == 0)
        return {1, 0};
    std::int64_t hit = 0;
    for (int n = 1; n <= kMaxNumerone; ++n)
        hit += system.numerone(n) && combination.numeroni[static_cast<std::size_t>(n)];
    return {chosen - hit, hit};
}

void WinTally::add(const HitCounts& hits, const BetSplit& split) {
    for (int k = 0; k <= kColumnSize; ++k) {
        const std::int64_t n = hits[static_cast<std::size_t>(k)];
        checked += n;
        if (n == 0)
            continue;
        if (split.without > 0) {
            bets[static_cast<std::size_t>(categoryOf(k, false))] += n * split.without;
            columns[static_cast<std::size_t>(categoryOf(k, false))] += n;
        }
        if (split.with > 0) {
            bets[static_cast<std::size_t>(categoryOf(k, true))] += n * split.with;
            columns[static_cast<std::size_t>(categoryOf(k, true))] += n;
        }
    }
}

void WinTally::add(const WinTally& other) {
    for (std::size_t c = 0; c < kCategoryCount; ++c) {
        bets[c] += other.bets[c];
        columns[c] += other.columns[c];
    }
    checked += other.checked;
}

int WinTally::best() const {
    for (int c = kCategoryCount - 1; c >= 0; --c)
        if (columns[static_cast<std::size_t>(c)] > 0)
            return c;
    return -1;
}

std::string categoryLines(const WinTally& tally) {
    std::string out;
    for (int c = 0; c < kCategoryCount; ++c)
        out += std::string(categoryLabel(c)) + ' ' +
               std::to_string(tally.bets[static_cast<std::size_t>(c)]) + ' ' +
               std::to_string(tally.columns[static_cast<std::size_t>(c)]) + '\n';
    return out;
}

} // namespace varnelo
