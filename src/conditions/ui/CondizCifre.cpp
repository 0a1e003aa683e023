#include "conditions/ui/CondizCifre.h"

#include "conditions/DigitConditions.h"

namespace varnelo {

namespace {
std::vector<ValueConditionEditor::SubCondition> digitSlots() {
    std::vector<ValueConditionEditor::SubCondition> out;
    for (int d = 0; d <= 9; ++d)
        out.push_back({kDigitPresenceSlot + d, QString("Cifra N° %1").arg(d)});
    return out;
}
} // namespace

CondizCifre::CondizCifre(Shell& shell)
    : ValueConditionEditor(shell, "CondizCifre", "Presenza Cifra:", {107, 109}, digitSlots(),
                           "ContaCifre11") {}

} // namespace varnelo
