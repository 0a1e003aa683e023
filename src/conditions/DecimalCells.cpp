#include "conditions/DecimalCells.h"

#include <cstdlib>

namespace varnelo {

namespace {

std::int64_t power10(int n) {
    std::int64_t p = 1;
    while (n-- > 0)
        p *= 10;
    return p;
}

} // namespace

std::optional<std::int64_t> parseScaledCell(std::string_view text, int decimals, std::int64_t cap) {
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t'))
        text.remove_prefix(1);
    while (!text.empty() && (text.back() == ' ' || text.back() == '\t'))
        text.remove_suffix(1);
    bool negative = false;
    if (!text.empty() && text.front() == '-') {
        negative = true;
        text.remove_prefix(1);
    }
    if (text.empty())
        return std::nullopt;
    std::int64_t whole = 0;
    std::int64_t fraction = 0;
    int fractionDigits = 0;
    bool afterSeparator = false;
    bool anyDigit = false;
    for (const char ch : text) {
        if (ch == ',' || ch == '.') {
            if (afterSeparator)
                return std::nullopt;
            afterSeparator = true;
        } else if (ch >= '0' && ch <= '9') {
            anyDigit = true;
            if (afterSeparator) {
                // Digits beyond the kept decimals are dropped, not rounded.
                if (fractionDigits < decimals) {
                    fraction = fraction * 10 + (ch - '0');
                    ++fractionDigits;
                }
            } else if (whole <= cap) {
                whole = whole * 10 + (ch - '0');
            }
        } else {
            return std::nullopt;
        }
    }
    if (!anyDigit)
        return std::nullopt;
    if (negative)
        return 0;
    if (whole > cap)
        return cap * power10(decimals);
    return whole * power10(decimals) + fraction * power10(decimals - fractionDigits);
}

std::string scaledText(std::int64_t value, int decimals) {
    const std::int64_t p = power10(decimals);
    const bool negative = value < 0;
    const std::int64_t a = negative ? -value : value;
    // Two decimals shown, rounded half away from zero.
    const std::int64_t hundredths = decimals >= 2 ? (a + p / 200) / (p / 100) : a * (100 / p);
    const int frac = static_cast<int>(hundredths % 100);
    std::string out = negative ? "-" : "";
    out += std::to_string(hundredths / 100);
    out += ',';
    out += static_cast<char>('0' + frac / 10);
    out += static_cast<char>('0' + frac % 10);
    return out;
}

} // namespace varnelo
