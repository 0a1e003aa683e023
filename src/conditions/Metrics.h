#pragma once

#include "core/Numbers.h"

#include <array>
#include <cstdint>
#include <string_view>

namespace varnelo {

// Codes of the main catalogue; 31..33 belong to no metric.
inline constexpr int kMaxMetricCode = 42;
bool isCatalogueCode(int code);
std::string_view metricLabel(int code);
// Largest value a catalogue metric can take (every one fits 0..5).
int metricMaxValue(int code);

// The inputs a few metrics take from outside the column. Null tables read as
// all zero: no forecast rank, no comparison number, no delay.
struct MetricContext {
    const std::array<int, kMaxNumber + 1>* forecastRank =
        nullptr;                                             // number -> place in the forecast
    const std::array<int, 52>* comparison = nullptr;         // count > 0: number present
    const std::array<int, kMaxNumber + 1>* delays = nullptr; // draws since the number came out
};

// Index by code 1..42; the entries 0 and 31..33 stay 0.
using CatalogueValues = std::array<std::int8_t, kMaxMetricCode + 1>;

void catalogueMetrics(const Column& c, const MetricContext& ctx, CatalogueValues& out);
int metricValue(int code, const Column& c, const MetricContext& ctx);

struct VortexResult {
    int end = 0;
    int arms = 0;
    bool operator==(const VortexResult&) const = default;
};
// The vortex walk over five parity flags (true = even), positions 1..5.
VortexResult vortexWalk(const std::array<bool, 5>& even);

// "Ponte Passo n" as the archive statistics count it.
int archiveBridgeCount(const Column& c);

// Metrics with their own editors.
enum class Distance { Extreme, Min, Max, Mean };
enum class Sum { Total, Even, Odd, Delays };
int distanceMetric(Distance kind, const Column& c);
int sumMetric(Sum kind, const Column& c, const MetricContext& ctx = {});
int positionValue(const Column& c, int position); // position 1..5
// Distance between positions i < j (1..5); pair index 0..9 follows "dal N° 1 al N° 2" .. "dal N° 4
// al N° 5".
int distanceBetween(const Column& c, int i, int j);
std::array<int, 2> betweenPair(int pairIndex);

// Per-system tally of the catalogue values: rows value 0..5, columns code 1..42.
class DistributionTable {
  public:
    void clear() { counts_ = {}; }
    void tally(const Column& c, const MetricContext& ctx);
    void tally(const CatalogueValues& v);
    std::int32_t count(int value, int code) const { return counts_[value][code]; }

  private:
    std::array<std::array<std::int32_t, kMaxMetricCode + 1>, 6> counts_{};
};

} // namespace varnelo
