#include "conditions/FamilySlotMetric.h"

#include "conditions/Baricentre.h"
#include "conditions/DecadeConditions.h"
#include "conditions/DigitConditions.h"
#include "conditions/ParityPatterns.h"
#include "conditions/Remainders.h"

namespace varnelo {

bool isFamilySlot(int slot) {
    return (slot >= kSequeleSlot && slot < kSequeleSlot + kSequeleCount) ||
           (slot >= kParityPatternSlot && slot < kParityPatternSlot + kParityPatternCount) ||
           slot == kDecadesPlusUnitsSlot ||
           (slot >= kDigitPositionSlot && slot < kDigitPositionSlot + kDigitPositionEntries) ||
           (slot >= remainderSlot(kFirstDivisor) && slot <= remainderSlot(kLastDivisor)) ||
           slot == kDigitCountSlot || (slot >= kBaricentreSlot && slot < kBaricentreSlot + 3) ||
           (slot >= kDecadeSumSlot && slot < kDecadeSumSlot + 3) ||
           (slot >= kDigitPresenceSlot && slot < kDigitPresenceSlot + 10) || slot == kAmbataSlot;
}

int familySlotValue(int slot, const Column& c, const MetricContext& ctx,
                    const SequelePatterns& sequele) {
    if (!isFamilySlot(slot))
        return -1;
    if (slot < kSequeleSlot + kSequeleCount)
        return sequele.value(slot - kSequeleSlot + 1, c);
    if (slot < kParityPatternSlot + kParityPatternCount)
        return parityPatterns().value(slot - kParityPatternSlot + 1, c);
    if (slot == kDecadesPlusUnitsSlot)
        return decadesPlusUnits(c);
    if (slot < kDigitPositionSlot + kDigitPositionEntries)
        return positionDigit(c, slot - kDigitPositionSlot);
    if (slot <= remainderSlot(kLastDivisor))
        return remainderOf(c, slot - 98);
    if (slot == kDigitCountSlot)
        return differentDigits(c);
    if (slot < kBaricentreSlot + 3)
        return baricentre(static_cast<Baricentre>(slot - kBaricentreSlot), c);
    if (slot < kDecadeSumSlot + 3)
        return decadeSum(static_cast<DecadeSum>(slot - kDecadeSumSlot), c);
    if (slot < kDigitPresenceSlot + 10)
        return digitCounts(c)[static_cast<std::size_t>(slot - kDigitPresenceSlot)];
    const int sum = sumMetric(Sum::Delays, c, ctx);
    return sum <= kAmbataMax ? sum : -1;
}

} // namespace varnelo
