#include "stats/StatisticalForecast.h"

#include "conditions/DecimalCells.h"
#include "stats/NumberStatistics.h"

#include <algorithm>

namespace varnelo {

namespace {

std::string timesText(std::int32_t n) {
    return std::to_string(n) + (n == 1 ? " volta" : " volte");
}

std::string reasonFor(const ForecastEntry& e, const StatisticalForecast& f, ForecastRule rule) {
    if (rule == ForecastRule::RecentFrequency) {
        // Five numbers of 49 in each draw: the outs a number gets on average.
        const std::int64_t expected = (std::int64_t{f.recentDraws} * 5 * 10000 + 24) / 49;
        return "uscito " + timesText(e.recentOuts) + " nelle ultime " +
               std::to_string(f.recentDraws) + " estrazioni (in media un numero esce " +
               scaledText(expected, 4) + " volte); in tutto " + timesText(e.outs) + " su " +
               std::to_string(f.drawCount);
    }
    if (e.outs == 0)
        return "mai uscito nelle " + std::to_string(f.drawCount) + " estrazioni della selezione";
    return "ritardo " + std::to_string(e.delay) + " = " + scaledText(e.cycle, 4) +
           " volte l'intervallo medio di " + scaledText(e.mean, 4) + " estrazioni (uscito " +
           timesText(e.outs) + " su " + std::to_string(f.drawCount) + ")";
}

// True when a ranks before b.
bool ranksBefore(const ForecastEntry& a, const ForecastEntry& b, ForecastRule rule) {
    if (rule == ForecastRule::RecentFrequency) {
        if (a.recentOuts != b.recentOuts)
            return a.recentOuts > b.recentOuts;
        if (a.outs != b.outs)
            return a.outs > b.outs;
        return a.number < b.number;
    }
    const bool aNever = a.outs == 0, bNever = b.outs == 0;
    if (aNever != bNever)
        return aNever;
    if (a.cycle != b.cycle)
        return a.cycle > b.cycle;
    if (a.delay != b.delay)
        return a.delay > b.delay;
    return a.number < b.number;
}

} // namespace

StatisticalForecast computeForecast(const std::vector<Draw>& selection,
                                    const ForecastSettings& settings) {
    StatisticalForecast f;
    f.drawCount = static_cast<std::int32_t>(selection.size());
    if (selection.empty())
        return f;
    f.recentDraws = std::clamp(settings.recentDraws, 1, f.drawCount);
    const NumberStatistics stats = computeNumberStatistics(selection);
    std::vector<ForecastEntry> all;
    for (int n = 1; n <= kMaxNumber; ++n) {
        const NumberRow& r = stats.rows[static_cast<std::size_t>(n)];
        all.push_back({n, r.outs, r.mean, r.delay, r.cycle, 0, {}});
    }
    for (auto d = selection.end() - f.recentDraws; d != selection.end(); ++d)
        for (const auto v : d->numbers)
            ++all[static_cast<std::size_t>(v - 1)].recentOuts;
    std::sort(all.begin(), all.end(), [&](const ForecastEntry& a, const ForecastEntry& b) {
        return ranksBefore(a, b, settings.rule);
    });
    all.resize(static_cast<std::size_t>(std::clamp(settings.count, 1, kMaxNumber)));
    for (ForecastEntry& e : all)
        e.reason = reasonFor(e, f, settings.rule);
    f.numbers = std::move(all);
    return f;
}

std::vector<int> forecastNumbers(const StatisticalForecast& forecast) {
    std::vector<int> out;
    for (const ForecastEntry& e : forecast.numbers)
        out.push_back(e.number);
    std::sort(out.begin(), out.end());
    return out;
}

std::string forecastRuleName(ForecastRule rule) {
    return rule == ForecastRule::RelativeDelay ? "Ritardo rispetto all'intervallo medio"
                                               : "Frequenza nelle ultime estrazioni";
}

std::vector<std::string> forecastReport(const StatisticalForecast& forecast, ForecastRule rule) {
    std::vector<std::string> out = {"Pronostico statistico", "Regola: " + forecastRuleName(rule),
                                    "Estrazioni della selezione: " +
                                        std::to_string(forecast.drawCount)};
    std::string numbers = "Numeri:";
    for (int n : forecastNumbers(forecast))
        numbers += " " + std::to_string(n);
    out.push_back(numbers);
    out.emplace_back();
    for (const ForecastEntry& e : forecast.numbers) {
        std::string n = std::to_string(e.number);
        out.push_back(std::string(4 - n.size(), ' ') + n + "  " + e.reason);
    }
    out.emplace_back();
    out.emplace_back(kForecastCaveat);
    return out;
}

} // namespace varnelo
