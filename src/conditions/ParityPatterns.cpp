#include "conditions/ParityPatterns.h"

#include <array>
#include <string_view>

namespace varnelo {

static_assert(kParityPatternCount == kSequeleCount);

namespace {

// The even positions of each pattern, chosen by shape: all alike, alternate,
// a low block and a high block, the ends against the middle, and one
// position apart from the rest.
constexpr std::array<std::string_view, kParityPatternCount> kPatterns = {
    "PPPPP", // all alike
    "PDPDP", // alternate
    "PPDDD", // two low, three high
    "PPPDD", // three low, two high
    "PDDDP", // the ends against the middle
    "PPDPP", // the middle alone
    "PDDDD", // the lowest alone
    "PPPPD", // the highest alone
    "PDPPP", // the second alone
    "PPPDP", // the fourth alone
    "PDDPP", // the second and third apart
};

SequelePatterns makePatterns() {
    SequelePatterns out;
    for (int k = 1; k <= kParityPatternCount; ++k)
        for (int p = 1; p <= kColumnSize; ++p)
            out.setMark(
                k, p,
                kPatterns[static_cast<std::size_t>(k - 1)][static_cast<std::size_t>(p - 1)] == 'P'
                    ? ParityMark::Even
                    : ParityMark::Odd);
    return out;
}

} // namespace

const SequelePatterns& parityPatterns() {
    static const SequelePatterns patterns = makePatterns();
    return patterns;
}

std::string parityPatternText(int pattern) {
    std::string out;
    for (int p = 1; p <= kColumnSize; ++p) {
        if (p > 1)
            out += ' ';
        const ParityMark m = parityPatterns().mark(pattern, p);
        out += m == ParityMark::Even ? 'P' : m == ParityMark::Odd ? 'D' : '-';
    }
    return out;
}

} // namespace varnelo
