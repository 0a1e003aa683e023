#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace varnelo {

inline constexpr int kMaxShares = 999;

// The cost of a system in cents: every column is played once per Numerone
// pair, each time at the column price.
std::int64_t systemCostCents(std::int64_t columns, std::int32_t pairCount, double columnPrice);

// "Dividi in quote da  = ": an empty text is one share; otherwise a whole
// number, at least 1 and at most kMaxShares. Nothing for other texts.
std::optional<int> shareCount(std::string_view text);

// The cost of one share in cents, rounded half up.
std::int64_t shareCostCents(std::int64_t costCents, int shares);

// Cents as "###0.00" writes them with the Italian comma: "1234,50".
std::string moneyText(std::int64_t cents);

} // namespace varnelo
