#pragma once

#include "core/Notice.h"
#include "core/Numbers.h"

#include <array>
#include <cstdint>
#include <optional>
#include <vector>

namespace varnelo {

// The chosen numbers and Numeroni of the current system.
class Selection {
  public:
    enum State : std::int32_t { NotChosen = 0, Chosen = 1, Fixed = 2 };

    State state(int number) const { return static_cast<State>(chosen_[number]); }
    // Returns false (and changes nothing) for a fifth fixed number or a number out of 1..49.
    bool setState(int number, State s);
    void clear();

    int chosenCount() const; // chosen or fixed
    int fixedCount() const { return fixedCount_; }
    std::vector<int> chosenNumbers() const; // ascending, fixed ones included
    std::vector<int> fixedNumbers() const;
    std::vector<int> freeNumbers() const; // chosen and not fixed, ascending

    bool numerone(int n) const { return numeroni_[n] == 1; }
    bool setNumerone(int n, bool on); // false for n outside 1..12
    int numeroneCount() const;
    std::int32_t pairCount() const { return numeronePairCount(numeroneCount()); }

    static std::int32_t numeronePairCount(int chosenNumeroni);

    // The notice that blocks a development, or nothing when the selection is ready.
    std::optional<Notice> readyToDevelop() const;

    bool operator==(const Selection&) const = default;

  private:
    std::array<std::int32_t, kMaxNumber + 2> chosen_{};
    std::array<std::int16_t, kNumeroneSlots + 1> numeroni_{};
    int fixedCount_ = 0;
};

} // namespace varnelo
