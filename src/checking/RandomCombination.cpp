#include "checking/RandomCombination.h"

#include <random>

namespace varnelo {

Combination randomCombination(const Selection& system, std::uint64_t seed) {
    Combination out;
    std::mt19937_64 rng(seed);
    for (int n : system.fixedNumbers())
        out.numbers[static_cast<std::size_t>(n)] = true;
    const std::vector<int> chosen = system.chosenNumbers();
    int marked = system.fixedCount();
    const int wanted = std::min<int>(kColumnSize, static_cast<int>(chosen.size()));
    // Drawn as the player knows it: one of 1..50, kept when it is a number
    // of the system not yet marked.
    std::uniform_int_distribution<int> cell(1, 50);
    while (marked < wanted) {
        const int n = cell(rng);
        if (n <= kMaxNumber && system.state(n) != Selection::NotChosen &&
            !out.numbers[static_cast<std::size_t>(n)]) {
            out.numbers[static_cast<std::size_t>(n)] = true;
            ++marked;
        }
    }
    std::uniform_int_distribution<int> numerone(1, kMaxNumerone);
    out.numeroni[static_cast<std::size_t>(numerone(rng))] = true;
    return out;
}

} // namespace varnelo
