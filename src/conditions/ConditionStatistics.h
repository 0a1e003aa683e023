#pragma once

#include "core/Numbers.h"

#include <cstdint>
#include <span>
#include <vector>

namespace varnelo {

// The archive figures of every value of one metric over the selected draws:
// the draws are fed oldest first, one value each.
class ValueStatistics {
  public:
    ValueStatistics(int minValue, int maxValue);

    // One draw with its value; a value outside the range is a draw that
    // none of the values had.
    void add(int value);

    int minValue() const { return min_; }
    int maxValue() const { return min_ + static_cast<int>(out_.size()) - 1; }
    std::int32_t draws() const { return draws_; }
    // "Usciti": draws with the value.
    std::int32_t out(int value) const;
    // "Ritardo": draws after the last one with the value; all of them when it never came.
    std::int32_t delay(int value) const;
    // "Rit.Max": the longest wait that ended with the value coming out.
    std::int32_t maxDelay(int value) const;
    // "Frequenza": Usciti × 100 / draws.
    double frequency(int value) const;
    // "Ciclo": draws / Usciti; 0 for a value that never came out.
    double cycle(int value) const;

  private:
    std::size_t at(int value) const { return static_cast<std::size_t>(value - min_); }
    bool has(int value) const { return value >= min_ && value <= maxValue(); }

    int min_;
    std::int32_t draws_ = 0;
    std::vector<std::int32_t> out_;
    std::vector<std::int32_t> last_; // index of the last draw with the value, -1 none
    std::vector<std::int32_t> maxDelay_;
};

// Walks the draws (oldest first) and values each by valueOf(draw, index).
template <typename ValueOf>
ValueStatistics walkStatistics(std::span<const Column> draws, int minValue, int maxValue,
                               ValueOf valueOf) {
    ValueStatistics s(minValue, maxValue);
    for (std::size_t i = 0; i < draws.size(); ++i)
        s.add(valueOf(draws[i], i));
    return s;
}

// One line of the statistics panel of a condition window: "Val.", "Usciti",
// "Ritardo", "Rit.Max", "Frequenza", "Ciclo", "%", "Distr.Sistema".
struct PanelRow {
    int value = 0;
    double out = 0;
    double delay = 0;
    double maxDelay = 0;
    double frequency = 0;
    double cycle = 0;
    double systemColumns = 0; // "Distr.Sistema"
    double systemShare = 0;   // "%": the share of the system's columns with the value
};

struct StatisticsPanel {
    std::vector<PanelRow> rows; // one per value of the range
    // "Media": the averages of every figure over the values that came out
    // at least once (a value that never came would pull the delays up to the
    // whole selection); the system figures average over every value.
    PanelRow mean;
};

// systemCounts[v - minValue]: columns of the system with value v (may be
// empty when no development has run); systemTotal: columns of the system.
StatisticsPanel statisticsPanel(const ValueStatistics& s,
                                std::span<const std::int64_t> systemCounts,
                                std::int64_t systemTotal);

} // namespace varnelo
