#include "conditions/ComparisonDraws.h"

#include "conditions/IntegerTokens.h"

#include <algorithm>

namespace varnelo {

int parseComparisonDraws(std::string_view text, int current) {
    IntegerTokens t(text);
    long long k = 0;
    if (!t.next(k))
        return current;
    if (k < kMinComparisonDraws)
        return kDefaultComparisonDraws;
    return static_cast<int>(std::min<long long>(k, kMaxComparisonDraws));
}

bool isComparisonDrawsText(std::string_view text) {
    IntegerTokens t(text);
    long long k = 0;
    return t.next(k) || !t.bad();
}

std::string formatComparisonDraws(int k) {
    return std::to_string(k) + "\r\n";
}

std::array<int, 52> comparisonNumbers(std::span<const Column> draws, int k) {
    std::array<int, 52> counts{};
    const std::size_t take = std::min(draws.size(), static_cast<std::size_t>(std::max(k, 0)));
    for (const Column& c : draws.last(take))
        for (const auto n : c)
            ++counts[n];
    return counts;
}

} // namespace varnelo
