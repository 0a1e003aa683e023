#include "conditions/ui/CondizAmbo.h"

#include "conditions/ui/LatestDrawFrame.h"
#include "system/ProgramState.h"
#include "ui/Text.h"

namespace varnelo {

namespace {

QStringList latestCaptions() {
    QStringList captions{"Tot. Ambi = "};
    for (const char* pair : {"1-2", "1-3", "1-4", "1-5", "2-3", "2-4", "2-5", "3-4", "3-5", "4-5"})
        captions << QString("Ambo %1 = ").arg(pair);
    return captions;
}

} // namespace

CondizAmbo::CondizAmbo(Shell& shell)
    : IntervalRowsEditor(shell, "CondizAmbo", "Ritardo Somma Ambo   (dell'ultima colonna vincente)",
                         {23, 25}, kAmboSlot, rowCaptions(kAmboRows, amboRowName),
                         {amboCellValue, [](std::int64_t v) { return QString::number(v); }, 1}) {
    latest_ = new LatestDrawFrame(latestCaptions(), this);
    addSideFrame(latest_);
    // Filled now, so that the window opens wide enough for the date.
    CondizAmbo::showFigures();
}

DelayRows& CondizAmbo::rows() {
    return state().families.ambo;
}

// Pair delays run up to 5000: only the values some draw or column had are listed.
ConditionStatisticsGrid::Source CondizAmbo::rowSource(int row) {
    const auto counts = state().familyDistribution.amboRow(row);
    std::vector<std::int64_t> system(counts.begin(), counts.end());
    return {[row](std::span<const Column> draws) { return amboStatistics(draws, row); },
            [system = std::move(system)](int value) {
                return value >= 0 && static_cast<std::size_t>(value) < system.size()
                           ? system[static_cast<std::size_t>(value)]
                           : 0;
            },
            true};
}

void CondizAmbo::showFigures() {
    const LatestDrawFigures f = LatestDrawFrame::figures(state());
    latest_->fill(state(), {f.ambo.begin(), f.ambo.end()});
}

} // namespace varnelo
