#include "conditions/DigitConditions.h"

namespace varnelo {

namespace {

constexpr std::array<std::string_view, kDigitPositionEntries> kEntryNames = {
    "1°  Numero - Decina", "1°  Numero - Unita", "2°  Numero - Decina", "2°  Numero - Unita",
    "3°  Numero - Decina", "3°  Numero - Unita", "4°  Numero - Decina", "4°  Numero - Unita",
    "5°  Numero - Decina", "5°  Numero - Unita"};

} // namespace

DigitCounts digitCounts(const Column& c) {
    DigitCounts d{};
    for (const auto n : c) {
        if (n >= 10)
            ++d[n / 10];
        ++d[n % 10];
    }
    return d;
}

int differentDigits(const Column& c) {
    int k = 0;
    for (const int count : digitCounts(c))
        k += count > 0;
    return k;
}

int positionDigit(const Column& c, int entry) {
    const int n = c[static_cast<std::size_t>(entry / 2)];
    return entry % 2 == 0 ? n / 10 : n % 10;
}

std::string_view positionEntryName(int entry) {
    return entry >= 0 && entry < kDigitPositionEntries
               ? kEntryNames[static_cast<std::size_t>(entry)]
               : "";
}

} // namespace varnelo
