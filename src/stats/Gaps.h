#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

namespace varnelo {

// How a value (a number, a pair, a position, a class of draws) behaved over
// the selection: the figures of "Usciti", "Ritardo" and "Rit.Max".
struct Gaps {
    std::int32_t outs = 0;
    // Draws after the last appearance; the draw count when it never came.
    std::int32_t delay = 0;
    // The longest run of draws without it that ended with an appearance; a run
    // still open after the newest draw is not counted.
    std::int32_t longestDelay = 0;

    // "Frequenza": draws / outs, 0 when never out.
    double meanInterval(std::int32_t drawCount) const;
    // "Ciclo": delay / mean interval, 0 when never out.
    double cycle(std::int32_t drawCount) const;

    bool operator==(const Gaps&) const = default;
};

// Counts the gaps of many keys in one pass over the draws, oldest first.
class GapCounter {
  public:
    explicit GapCounter(std::size_t keys);
    // The key came out in the draw at `draw` (0 the oldest, ascending); a
    // second hit in the same draw counts once.
    void hit(std::size_t key, std::int32_t draw);
    Gaps gaps(std::size_t key, std::int32_t drawCount) const;

  private:
    std::vector<std::int32_t> last_;
    std::vector<std::int32_t> outs_;
    std::vector<std::int32_t> longest_;
};

} // namespace varnelo
