#include "conditions/ui/CondizAmbata.h"

#include "conditions/FamilySlotMetric.h"
#include "conditions/ui/LatestDrawFrame.h"

namespace varnelo {

CondizAmbata::CondizAmbata(Shell& shell)
    : ValueConditionEditor(shell, "CondizAmbata",
                           "Ritardo Somma Ambata   (dell'ultima colonna vincente)", {27, 0},
                           {{kAmbataSlot, "Somma Ambata"}}) {
    latest_ = new LatestDrawFrame({"1° Ambata = ", "2° Ambata = ", "3° Ambata = ", "4° Ambata = ",
                                   "5° Ambata = ", "Tot. Ambi = "},
                                  this);
    addFamilyFrame(latest_);
    // Filled now, so that the window opens wide enough for the date.
    CondizAmbata::systemChanged();
}

void CondizAmbata::sessionStarted() {
    systemChanged();
}

void CondizAmbata::systemChanged() {
    const LatestDrawFigures f = LatestDrawFrame::figures(state());
    std::vector<std::int64_t> values(f.ambata.begin(), f.ambata.end());
    values.push_back(f.ambataTotal);
    latest_->fill(state(), values);
}

} // namespace varnelo
