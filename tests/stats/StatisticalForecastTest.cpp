#include "stats/StatisticalForecast.h"
#include "support/Draws.h"

#include <gtest/gtest.h>

#include <numeric>

using namespace varnelo;
using varnelo::test::drawOf;

namespace {

// Twelve draws, oldest first: 40 41 42 43 in every one and one more number
// each. Over the 12 draws:
//   1  out in draws 1, 2       outs 2  mean 6   delay 10  cycle 1,67
//   44 out in draws 5, 8       outs 2  mean 6   delay 4   cycle 0,67
//   3  out in draw 6           outs 1  mean 12  delay 6   cycle 0,50
//   5  out in draws 3, 9       outs 2  mean 6   delay 3   cycle 0,50
//   2  out in draws 4, 7, 10   outs 3  mean 4   delay 2   cycle 0,50
//   4  out in draws 11, 12     outs 2  mean 6   delay 0   cycle 0
//   40..43                     outs 12 mean 1   delay 0   cycle 0
// The other 39 numbers never came out.
std::vector<Draw> handMadeArchive() {
    std::vector<Draw> draws;
    for (std::uint8_t extra : {1, 1, 5, 2, 44, 3, 2, 44, 5, 2, 4, 4})
        draws.push_back(
            drawOf(extra == 44 ? Column{40, 41, 42, 43, 44} : Column{extra, 40, 41, 42, 43}));
    return draws;
}

std::vector<int> ranked(const StatisticalForecast& f) {
    std::vector<int> out;
    for (const ForecastEntry& e : f.numbers)
        out.push_back(e.number);
    return out;
}

const ForecastEntry& entryOf(const StatisticalForecast& f, int number) {
    static const ForecastEntry none;
    for (const ForecastEntry& e : f.numbers)
        if (e.number == number)
            return e;
    return none;
}

} // namespace

// All 49 numbers ranked: never out first, then by cycle, ties by the longer delay, then the number.
TEST(StatisticalForecast, RelativeDelayRanksByCycleThenDelay) {
    const StatisticalForecast f =
        computeForecast(handMadeArchive(), {ForecastRule::RelativeDelay, 49, 50});
    EXPECT_EQ(f.drawCount, 12);
    std::vector<int> expected(34);
    std::iota(expected.begin(), expected.end(), 6); // 6..39
    for (int n : {45, 46, 47, 48, 49, 1, 44, 3, 5, 2, 4, 40, 41, 42, 43})
        expected.push_back(n);
    EXPECT_EQ(ranked(f), expected);

    const struct {
        int number;
        std::int32_t outs, delay;
        std::int64_t mean, cycle;
        const char* reason;
    } rows[] = {
        {1, 2, 10, 60000, 16667,
         "ritardo 10 = 1,67 volte l'intervallo medio di 6,00 estrazioni (uscito 2 volte su 12)"},
        {3, 1, 6, 120000, 5000,
         "ritardo 6 = 0,50 volte l'intervallo medio di 12,00 estrazioni (uscito 1 volta su 12)"},
        {6, 0, 12, 0, 0, "mai uscito nelle 12 estrazioni della selezione"},
        {43, 12, 0, 10000, 0,
         "ritardo 0 = 0,00 volte l'intervallo medio di 1,00 estrazioni (uscito 12 volte su 12)"},
    };
    for (const auto& r : rows) {
        const ForecastEntry& e = entryOf(f, r.number);
        EXPECT_EQ(e.outs, r.outs) << r.number;
        EXPECT_EQ(e.delay, r.delay) << r.number;
        EXPECT_EQ(e.mean, r.mean) << r.number;
        EXPECT_EQ(e.cycle, r.cycle) << r.number;
        EXPECT_EQ(e.reason, r.reason) << r.number;
    }
}

// The newest four draws: 40..43 four times, 4 twice, 5 and 2 once.
TEST(StatisticalForecast, RecentFrequencyRanksByTheNewestDraws) {
    const StatisticalForecast f =
        computeForecast(handMadeArchive(), {ForecastRule::RecentFrequency, 9, 4});
    EXPECT_EQ(f.recentDraws, 4);
    // Among equal recent outs the number out more often overall; 1 and 44 tie there too.
    EXPECT_EQ(ranked(f), (std::vector<int>{40, 41, 42, 43, 4, 2, 5, 1, 44}));
    EXPECT_EQ(entryOf(f, 4).recentOuts, 2);
    // 4 draws × 5 numbers / 49 = 0,408...
    EXPECT_EQ(entryOf(f, 4).reason, "uscito 2 volte nelle ultime 4 estrazioni (in media un "
                                    "numero esce 0,41 volte); in tutto 2 volte su 12");
    EXPECT_EQ(forecastNumbers(f), (std::vector<int>{1, 2, 4, 5, 40, 41, 42, 43, 44}));
}

TEST(StatisticalForecast, EdgesOfTheSettings) {
    const struct {
        std::size_t draws;
        ForecastSettings settings;
        std::size_t numbers;
        std::int32_t window;
    } cases[] = {
        {0, {ForecastRule::RelativeDelay, 10, 50}, 0, 0},    // no selection, no forecast
        {12, {ForecastRule::RecentFrequency, 5, 50}, 5, 12}, // a window past the archive
        {12, {ForecastRule::RelativeDelay, 0, 0}, 1, 1},     // at least one number, one draw
        {12, {ForecastRule::RelativeDelay, 60, 50}, 49, 12}, // at most 49
    };
    for (const auto& c : cases) {
        std::vector<Draw> draws = handMadeArchive();
        draws.resize(c.draws);
        const StatisticalForecast f = computeForecast(draws, c.settings);
        EXPECT_EQ(f.numbers.size(), c.numbers) << c.settings.count;
        EXPECT_EQ(f.recentDraws, c.window) << c.settings.count;
    }
}

TEST(StatisticalForecast, ReportNamesTheRuleTheNumbersAndTheCaveat) {
    const StatisticalForecast f =
        computeForecast(handMadeArchive(), {ForecastRule::RecentFrequency, 2, 4});
    const std::vector<std::string> lines = forecastReport(f, ForecastRule::RecentFrequency);
    ASSERT_EQ(lines.size(), 9u);
    EXPECT_EQ(lines[0], "Pronostico statistico");
    EXPECT_EQ(lines[1], "Regola: Frequenza nelle ultime estrazioni");
    EXPECT_EQ(lines[2], "Estrazioni della selezione: 12");
    EXPECT_EQ(lines[3], "Numeri: 40 41");
    EXPECT_EQ(lines[4], "");
    EXPECT_EQ(lines[5], "  40  " + entryOf(f, 40).reason);
    EXPECT_EQ(lines[6], "  41  " + entryOf(f, 41).reason);
    EXPECT_EQ(lines[8], kForecastCaveat);
}
