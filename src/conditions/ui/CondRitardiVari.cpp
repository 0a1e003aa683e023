#include "conditions/ui/CondRitardiVari.h"

#include "conditions/DecimalCells.h"
#include "conditions/DelayStatistics.h"
#include "conditions/ui/NumberFiguresTable.h"
#include "system/ProgramState.h"
#include "ui/Text.h"

#include <map>
#include <memory>

namespace varnelo {

namespace {

// Row sums are kept × 10000 and typed with up to two decimals.
constexpr std::int64_t kScale = 10000;

} // namespace

CondRitardiVari::CondRitardiVari(Shell& shell)
    : IntervalRowsEditor(
          shell, "CondRitardiVari", "Ritardi Vari", {19, 21}, kRitardiVariSlot,
          rowCaptions(kRitardiVariRows, ritardiVariRowName),
          {ritardiVariCellValue, [](std::int64_t v) { return qs(scaledText(v, 4)); }, kScale}) {
    numbers_ = new NumberFiguresTable(state(), this);
    addSideFrame(numbers_);
    CondRitardiVari::showFigures();
}

DelayRows& CondRitardiVari::rows() {
    return state().families.ritardiVari;
}

// The statistics show the whole part of a row's sum.
ConditionStatisticsGrid::Source CondRitardiVari::rowSource(int row) {
    auto system = std::make_shared<std::map<std::int64_t, std::int64_t>>();
    for (const auto& [value, columns] : state().familyDistribution.ritardiVariRow(row))
        (*system)[value / kScale] += columns;
    return {[row](std::span<const Column> draws) { return ritardiVariStatistics(draws, row); },
            [system](int value) {
                const auto at = system->find(value);
                return at == system->end() ? 0 : at->second;
            },
            true};
}

void CondRitardiVari::showFigures() {
    numbers_->refill();
}

} // namespace varnelo
