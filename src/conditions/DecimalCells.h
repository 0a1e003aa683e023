#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace varnelo {

// A value typed in a condition grid with up to `decimals` decimals (comma or
// point), capped at `cap` whole units and never negative, as an integer
// scaled by 10^decimals. Digits, one comma and a leading minus are taken;
// anything else is not a number.
std::optional<std::int64_t> parseScaledCell(std::string_view text, int decimals, std::int64_t cap);

// A scaled integer shown with two decimals and a comma, "###0.00" in the Italian way.
std::string scaledText(std::int64_t value, int decimals);

} // namespace varnelo
