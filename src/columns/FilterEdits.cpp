#include "columns/FilterEdits.h"

#include <bit>

namespace varnelo {

void toggleAdmittedHit(ListColumn& c, int hits) {
    const std::uint8_t bit = static_cast<std::uint8_t>(1u << hits);
    if (c.hits == 0) {
        c.hits = bit;
        return;
    }
    const int lo = std::countr_zero(c.hits);
    const int hi = 7 - std::countl_zero(c.hits);
    int from = lo, to = hi;
    if (hits < lo)
        from = hits;
    else if (hits > hi)
        to = hits;
    else if (hits == lo)
        from = lo + 1;
    else if (hits == hi)
        to = hi - 1;
    else
        to = hits - 1;
    c.hits = 0;
    for (int h = from; h <= to; ++h)
        c.hits |= static_cast<std::uint8_t>(1u << h);
}

std::string countsText(std::uint8_t bits) {
    std::string out;
    for (int h = 0; h <= 5; ++h)
        if (bits >> h & 1u) {
            if (!out.empty())
                out += ' ';
            out += static_cast<char>('0' + h);
        }
    return out;
}

} // namespace varnelo
