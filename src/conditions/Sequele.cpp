#include "conditions/Sequele.h"

namespace varnelo {

namespace {

bool inRange(int pattern, int position) {
    return pattern >= 1 && pattern <= kSequeleCount && position >= 1 && position <= kColumnSize;
}

} // namespace

ParityMark SequelePatterns::mark(int pattern, int position) const {
    if (!inRange(pattern, position))
        return ParityMark::Any;
    return marks_[static_cast<std::size_t>(pattern - 1)][static_cast<std::size_t>(position - 1)];
}

void SequelePatterns::setMark(int pattern, int position, ParityMark m) {
    if (inRange(pattern, position))
        marks_[static_cast<std::size_t>(pattern - 1)][static_cast<std::size_t>(position - 1)] = m;
}

int SequelePatterns::value(int pattern, const Column& c) const {
    unsigned bits = 0;
    for (int p = 0; p < kColumnSize; ++p)
        if (kEven.isEven(c[static_cast<std::size_t>(p)]))
            bits |= 1u << p;
    return valueOfParities(pattern, bits);
}

int SequelePatterns::valueOfParities(int pattern, unsigned evenBits) const {
    int agree = 0;
    for (int p = 1; p <= kColumnSize; ++p) {
        const ParityMark m = mark(pattern, p);
        const bool even = (evenBits >> (p - 1) & 1u) != 0;
        agree += m == ParityMark::Any || (m == ParityMark::Even) == even;
    }
    return agree;
}

} // namespace varnelo
