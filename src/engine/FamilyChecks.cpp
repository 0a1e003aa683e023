#include "engine/FamilyChecks.h"

#include "conditions/Baricentre.h"
#include "conditions/DecadeConditions.h"
#include "conditions/DigitConditions.h"

namespace varnelo {

FamilyChecks::FamilyChecks(CandidatePlan& plan, const PlanInputs& in) {
    const ConditionSet& set = in.conditions;
    auto row = [&](int slot) { return Row{slot, plan.valueIds(slot)}; };
    for (int d = 0; d < 10; ++d)
        if (set.isActive(kDigitPresenceSlot + d))
            digits_.push_back(row(kDigitPresenceSlot + d));
    if (set.isActive(kDigitCountSlot))
        differentDigits_ = row(kDigitCountSlot);
    if (set.isActive(kDecadesPlusUnitsSlot))
        decadesPlusUnits_ = row(kDecadesPlusUnitsSlot);
    for (int k = 0; k < 3; ++k)
        if (set.isActive(kDecadeSumSlot + k))
            decadeSums_.push_back(row(kDecadeSumSlot + k));
    for (int k = 1; k < 3; ++k)
        if (set.isActive(kBaricentreSlot + k))
            baricentres_.push_back(row(kBaricentreSlot + k));
    empty_ = digits_.empty() && !differentDigits_ && !decadesPlusUnits_ && decadeSums_.empty() &&
             baricentres_.empty();

    if (!in.families)
        return;
    const ConditionFamilies& f = *in.families;
    static const DelayTables kNoDelays;
    const DelayTables& delays = in.delayTables ? *in.delayTables : kNoDelays;
    if (set.isActive(kSumQuadroSlot) && !f.sums.rows.empty()) {
        sums_.emplace(f.sums, f.picchetti);
        sumIds_ = plan.outcomeIds(kSumQuadroSlot);
    }
    if (set.isActive(kRitardiVariSlot)) {
        ritardiVari_.emplace(f.ritardiVari, delays, false);
        ritardiIds_ = plan.outcomeIds(kRitardiVariSlot);
    }
    if (set.isActive(kAmboSlot)) {
        ambo_.emplace(f.ambo, delays, true);
        amboIds_ = plan.outcomeIds(kAmboSlot);
    }
    if (f.filtersInPlay())
        filters_.emplace(f.activeFilters);
    if (f.andOr.anyActive())
        andOr_.emplace(f.andOr);
    empty_ = empty_ && !sums_ && !ritardiVari_ && !ambo_ && !filters_ && !andOr_;
}

bool FamilyChecks::add(std::vector<std::uint16_t>& ids, std::uint16_t id) {
    if (id == kReject)
        return false;
    if (id != kPass)
        ids.push_back(id);
    return true;
}

bool FamilyChecks::addValue(std::vector<std::uint16_t>& ids, const Row& row, int value) const {
    const auto top = row.ids.size() - 1;
    return add(ids, row.ids[std::min(static_cast<std::size_t>(value), top)]);
}

bool FamilyChecks::addOutcome(std::vector<std::uint16_t>& ids, const CandidatePlan::OutcomeIds& o,
                              bool pass, const LevelCounters& recovered) const {
    if (!pass)
        return add(ids, o.fail);
    add(ids, o.pass);
    for (int l = 1; l <= kLevelCount; ++l)
        for (std::int32_t k = 0; k < recovered[static_cast<std::size_t>(l)]; ++k)
            ids.push_back(o.recovery[static_cast<std::size_t>(l)]);
    return true;
}

bool FamilyChecks::collect(const Column& c, std::vector<std::uint16_t>& ids) const {
    // Digits, decades and units, baricentre: the value rows of the condition set.
    if (!digits_.empty()) {
        const DigitCounts d = digitCounts(c);
        for (const Row& r : digits_)
            if (!addValue(ids, r, d[static_cast<std::size_t>(r.slot - kDigitPresenceSlot)]))
                return false;
    }
    if (differentDigits_ && !addValue(ids, *differentDigits_, differentDigits(c)))
        return false;
    for (const Row& r : decadeSums_)
        if (!addValue(ids, r, decadeSum(static_cast<DecadeSum>(r.slot - kDecadeSumSlot), c)))
            return false;
    for (const Row& r : baricentres_)
        if (!addValue(ids, r, baricentre(static_cast<Baricentre>(r.slot - kBaricentreSlot), c)))
            return false;
    // The column filters reject outright: they belong to no link.
    if (filters_ && !filters_->pass(c))
        return false;
    LevelCounters recovered{};
    if (ambo_ && !addOutcome(ids, amboIds_, ambo_->pass(c, recovered), recovered))
        return false;
    recovered = {};
    if (sums_ && !addOutcome(ids, sumIds_, sums_->pass(c, recovered), recovered))
        return false;
    if (decadesPlusUnits_ && !addValue(ids, *decadesPlusUnits_, decadesPlusUnits(c)))
        return false;
    recovered = {};
    if (ritardiVari_ && !addOutcome(ids, ritardiIds_, ritardiVari_->pass(c, recovered), recovered))
        return false;
    return true;
}

} // namespace varnelo
