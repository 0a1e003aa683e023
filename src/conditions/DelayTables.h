#pragma once

#include "core/DrawLine.h"
#include "core/Numbers.h"

#include <array>
#include <cstdint>
#include <span>
#include <vector>

namespace varnelo {

// Only the newest draws of the statistics selection count for the delays.
inline constexpr std::size_t kDelayWindow = 5000;

// The per-number figures of "Ritardi Vari", in row order.
enum class NumberFigure { Out, Frequency, Delay, MaxDelay, Cycle, Percent };
inline constexpr int kNumberFigureCount = 6;

// Per-number and pair delays over a window of draws. Draws are added oldest
// first; every figure describes the window as it stands, so a walk can ask
// for the figures "as they stood before" each draw.
class DelayTables {
  public:
    DelayTables() { clear(); }
    // The newest 5000 draws of the selection (oldest first).
    void rebuild(std::span<const Column> selection);
    void clear();
    void add(const Column& draw);

    std::int32_t draws() const { return draws_; }
    std::int32_t out(int n) const { return out_[static_cast<std::size_t>(n)]; }
    // Draws after the last one holding n; all of them when it never came.
    std::int32_t delay(int n) const;
    std::int32_t maxDelay(int n) const { return maxDelay_[static_cast<std::size_t>(n)]; }
    // The same for two numbers drawn together.
    std::int32_t pairDelay(int a, int b) const;
    // A figure of the table × 10000 (four decimals), the ratios rounded to
    // two decimals as they are shown.
    std::int64_t figure(NumberFigure f, int n) const;
    // The delays of numbers 1..49, for the metric context.
    std::array<std::int32_t, kMaxNumber + 1> delays() const;

  private:
    std::int32_t draws_ = 0;
    std::array<std::int32_t, kMaxNumber + 1> out_{};
    std::array<std::int32_t, kMaxNumber + 1> last_{}; // index of the last draw with n, -1 none
    std::array<std::int32_t, kMaxNumber + 1> maxDelay_{};
    std::array<std::array<std::int32_t, kMaxNumber + 1>, kMaxNumber + 1> pairLast_{};
};

// The five numbers of every draw, oldest first: the columns the family
// statistics and tables walk.
std::vector<Column> drawNumbers(const std::vector<Draw>& draws);
// Rebuilt by the main window whenever the statistics selection changes
// (after refreshArchiveFigures).
void rebuildDelayTables(DelayTables& t, const std::vector<Draw>& selection);

} // namespace varnelo
