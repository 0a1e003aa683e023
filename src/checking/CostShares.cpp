#include "checking/CostShares.h"

#include "conditions/DecimalCells.h"
#include "core/TextFile.h"

#include <algorithm>
#include <cmath>

namespace varnelo {

std::int64_t systemCostCents(std::int64_t columns, std::int32_t pairCount, double columnPrice) {
    const auto priceCents = static_cast<std::int64_t>(std::llround(columnPrice * 100));
    return columns * std::max<std::int64_t>(1, pairCount) * priceCents;
}

std::optional<int> shareCount(std::string_view text) {
    text = trimBlanks(text);
    if (text.empty())
        return 1;
    long long n = 0;
    if (!parseIntegerText(text, n) || n < 1 || n > kMaxShares)
        return std::nullopt;
    return static_cast<int>(n);
}

std::int64_t shareCostCents(std::int64_t costCents, int shares) {
    shares = std::max(1, shares);
    return (costCents + shares / 2) / shares;
}

std::string moneyText(std::int64_t cents) {
    return scaledText(cents, 2);
}

} // namespace varnelo
