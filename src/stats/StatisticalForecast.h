#pragma once

#include "core/DrawLine.h"

#include <cstdint>
#include <string>
#include <vector>

namespace varnelo {

// How the statistical forecast ranks the 49 numbers over the selection.
enum class ForecastRule {
    // Current delay divided by the mean interval between outs ("Ciclo"),
    // highest first; a number never out in the selection comes before all.
    RelativeDelay,
    // Outs in the newest `recentDraws` draws, most first; ties go to the
    // number out more often over the whole selection.
    RecentFrequency,
};

struct ForecastSettings {
    ForecastRule rule = ForecastRule::RelativeDelay;
    int count = 10;       // numbers to forecast, 1..49
    int recentDraws = 50; // the window of RecentFrequency
};

struct ForecastEntry {
    int number = 0;
    std::int32_t outs = 0;       // over the selection
    std::int64_t mean = 0;       // mean interval × 10000, 0 when never out
    std::int32_t delay = 0;      // draws since the last out (all of them when never out)
    std::int64_t cycle = 0;      // delay / mean × 10000
    std::int32_t recentOuts = 0; // outs in the newest recentDraws draws
    std::string reason;          // why it is in the forecast, in Italian
};

struct StatisticalForecast {
    std::int32_t drawCount = 0;
    std::int32_t recentDraws = 0;       // the window actually read (at most drawCount)
    std::vector<ForecastEntry> numbers; // in rank order; empty for no draws
};

// The forecast over the selection, oldest draw first.
StatisticalForecast computeForecast(const std::vector<Draw>& selection,
                                    const ForecastSettings& settings);

// The numbers of a forecast, ascending.
std::vector<int> forecastNumbers(const StatisticalForecast& forecast);

// The name of a rule as the window offers it.
std::string forecastRuleName(ForecastRule rule);

// The sentence every view of the forecast carries.
inline constexpr const char* kForecastCaveat =
    "Le estrazioni passate non cambiano le probabilità della prossima: a ogni estrazione "
    "ogni numero ha sempre 5 probabilità su 49 di uscire. Il pronostico riassume "
    "l'archivio, non prevede il futuro.";

// The text of "Esporta": rule, selection, numbers, one line of reasons per
// number, the caveat.
std::vector<std::string> forecastReport(const StatisticalForecast& forecast, ForecastRule rule);

} // namespace varnelo
