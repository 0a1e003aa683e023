#pragma once

#include "conditions/AndOrFilter.h"
#include "core/DrawLine.h"

#include <array>
#include <optional>
#include <string_view>
#include <vector>

namespace varnelo {

// What the AND/OR window does with a quadro beside the run's test.

// Columns (draws, a system's columns) as filter columns admitting
// minHits..maxHits.
std::vector<FilterColumn> quadroColumnsOf(const std::vector<Column>& columns, int minHits,
                                          int maxHits);
// Lists of any count of numbers (text files, `.cac` lists) the same way.
std::vector<FilterColumn> quadroColumnsOf(const std::vector<ListColumn>& lists, int minHits,
                                          int maxHits);

// A filter column typed by the player: the numbers 1..49 separated by blanks
// or commas, each once, at least one. Nothing otherwise.
std::optional<std::uint64_t> typedFilterNumbers(std::string_view text);

// Whether a column satisfies the quadro: both of its ranges hold.
bool quadroSatisfied(const AndOrQuadro& q, const Column& c);

// " Analisi statistica per Anno ": per year of the draws (oldest first), how
// many draws the quadro admits and the mean of its two figures; `mean`
// averages the years.
struct QuadroYear {
    int year = 0;
    int draws = 0;
    int satisfied = 0;
    double guessed = 0; // mean "Colonne Indovinate:" per draw
    double points = 0;  // mean "Punti Tra:" per draw
};
struct QuadroYears {
    std::vector<QuadroYear> years;
    QuadroYear mean;
};
QuadroYears quadroYears(const AndOrQuadro& q, const std::vector<Draw>& draws);

// "  Frequenza Numeri  ": how many filter columns of the quadro hold each number 1..49.
std::array<int, kMaxNumber + 1> quadroNumberCounts(const AndOrQuadro& q);

} // namespace varnelo
