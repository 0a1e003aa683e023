#include "conditions/ui/CondizCifrePerCasella.h"

#include "conditions/DigitConditions.h"
#include "ui/Text.h"

namespace varnelo {

namespace {
std::vector<ValueConditionEditor::SubCondition> entrySlots() {
    std::vector<ValueConditionEditor::SubCondition> out;
    for (int e = 0; e < kDigitPositionEntries; ++e)
        out.push_back({kDigitPositionSlot + e, qs(positionEntryName(e))});
    return out;
}
} // namespace

CondizCifrePerCasella::CondizCifrePerCasella(Shell& shell)
    : ValueConditionEditor(shell, "CondizCifrePerCasella", "Posizione Unita e Decina:", {115, 117},
                           entrySlots()) {}

} // namespace varnelo
