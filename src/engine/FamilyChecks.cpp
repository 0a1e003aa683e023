#include "engine/FamilyChecks.h"

#include "conditions/Baricentre.h"
#include "conditions/DecadeConditions.h"
#include "conditions/DigitConditions.h"
#include "conditions/FamilySlotMetric.h"
#include "engine/ColumnPack.h"

#include <algorithm>
#include <bit>

namespace varnelo {

namespace {

std::vector<int> distinct(std::vector<int> levels) {
    std::sort(levels.begin(), levels.end());
    levels.erase(std::unique(levels.begin(), levels.end()), levels.end());
    return levels;
}

std::vector<int> rowLevels(const DelayRows& rows) {
    std::vector<int> out;
    for (const IntervalRow& r : rows.rows)
        out.push_back(r.level);
    return distinct(out);
}

template <typename Groups> void joinGroup(Groups& groups, int amount, int n) {
    const auto same = std::find_if(groups.begin(), groups.end(),
                                   [amount](const auto& g) { return g.amount == amount; });
    if (same == groups.end())
        groups.push_back({amount, NumberSet{1} << n});
    else
        same->numbers |= NumberSet{1} << n;
}

} // namespace

std::vector<FamilySum> familySums(const PlanInputs& in) {
    const ConditionSet& set = in.conditions;
    std::vector<FamilySum> out;
    auto add = [&](int slot, auto rule) {
        if (!set.isActive(slot))
            return;
        FamilySum f{slot, {}};
        for (int n = 1; n <= kMaxNumber; ++n)
            f.values[static_cast<std::size_t>(n)] = rule(n);
        out.push_back(f);
    };
    add(kAmbataSlot, [&](int n) {
        return in.context.delays ? (*in.context.delays)[static_cast<std::size_t>(n)] : 0;
    });
    add(kDecadeSumSlot, [](int n) { return n / 10; });
    add(kDecadeSumSlot + 1, [](int n) { return n % 10; });
    add(kDecadeSumSlot + 2, [](int n) { return n / 10 + n % 10; });
    for (int d = 0; d < 10; ++d)
        add(kDigitPresenceSlot + d,
            [d](int n) { return (n >= 10 && n / 10 == d ? 1 : 0) + (n % 10 == d ? 1 : 0); });
    return out;
}

bool planCarries(const CandidatePlan& plan, const PerNumber& values) {
    for (int k = 0; k < plan.additiveCount(); ++k)
        if (std::equal(values.begin() + 1, values.end(), plan.additive(k).begin() + 1))
            return true;
    return false;
}

FamilyChecks::FamilyChecks(CandidatePlan& plan, const PlanInputs& in) {
    std::array<bool, kSlotCount + 1> carried{};
    for (const FamilySum& f : familySums(in))
        carried[static_cast<std::size_t>(f.slot)] = planCarries(plan, f.values);
    for (int n = 1; n <= kMaxNumber; ++n) {
        std::uint64_t p = 0;
        // The digits as written: no leading zero.
        for (const int digit : {n >= 10 ? n / 10 : -1, n % 10}) {
            if (digit < 0)
                continue;
            p += std::uint64_t{1} << (3 * digit);
            digitBits_[static_cast<std::size_t>(n)] |= static_cast<std::uint16_t>(1u << digit);
        }
        p |= static_cast<std::uint64_t>(n / 10) << kTensAt;
        p |= static_cast<std::uint64_t>(n % 10) << kUnitsAt;
        const int at = kEven.isEven(n) ? kEvenAt : kOddAt;
        evenNumbers_ |= at == kEvenAt ? NumberSet{1} << n : 0;
        p |= (std::uint64_t{1} | static_cast<std::uint64_t>(n) << 3) << at;
        pack_[static_cast<std::size_t>(n)] = p;
        decadeUnitBits_[static_cast<std::size_t>(n)] =
            static_cast<std::uint16_t>(1u << (n / 10) | 1u << (5 + n % 10));
        for (int d = 0; d < 10; ++d)
            joinGroup(digitGroups_[static_cast<std::size_t>(d)], field(p, 3 * d, 3), n);
        joinGroup(decadeGroups_[0], n / 10, n);
        joinGroup(decadeGroups_[1], n % 10, n);
        joinGroup(decadeGroups_[2], n / 10 + n % 10, n);
    }
    const ConditionSet& set = in.conditions;
    auto row = [&](int slot) { return Row{slot, plan.valueIds(slot)}; };
    auto asked = [&](int slot) {
        return set.isActive(slot) && !carried[static_cast<std::size_t>(slot)];
    };
    for (int d = 0; d < 10; ++d)
        if (asked(kDigitPresenceSlot + d))
            digits_.push_back(row(kDigitPresenceSlot + d));
    if (set.isActive(kDigitCountSlot))
        differentDigits_ = row(kDigitCountSlot);
    if (set.isActive(kDecadesPlusUnitsSlot))
        decadesPlusUnits_ = row(kDecadesPlusUnitsSlot);
    for (int k = 0; k < 3; ++k)
        if (asked(kDecadeSumSlot + k))
            decadeSums_.push_back(row(kDecadeSumSlot + k));
    for (int k = 1; k < 3; ++k)
        if (set.isActive(kBaricentreSlot + k))
            baricentres_.push_back(row(kBaricentreSlot + k));
    for (std::size_t k = 0; k < baricentres_.size(); ++k)
        centreOfNumbersPasses_[k] = baricentres_[k].passesAll(1, kMaxNumber);
    if (asked(kAmbataSlot)) {
        ambata_ = row(kAmbataSlot);
        for (int n = 1; n <= kMaxNumber; ++n)
            delays_[static_cast<std::size_t>(n)] =
                in.context.delays ? (*in.context.delays)[static_cast<std::size_t>(n)] : 0;
        const auto [lo, hi] = std::minmax_element(delays_.begin() + 1, delays_.end());
        delayMin_ = *lo;
        delayMax_ = *hi;
    }
    empty_ = digits_.empty() && !differentDigits_ && !decadesPlusUnits_ && decadeSums_.empty() &&
             baricentres_.empty() && !ambata_;

    if (!in.families)
        return;
    const ConditionFamilies& f = *in.families;
    static const DelayTables kNoDelays;
    const DelayTables& delays = in.delayTables ? *in.delayTables : kNoDelays;
    if (set.isActive(kSumQuadroSlot) && !f.sums.rows.empty()) {
        sums_.emplace(f.sums, f.picchetti);
        sumIds_.ids = plan.outcomeIds(kSumQuadroSlot);
        for (const SumRow& r : f.sums.rows)
            for (const OrSlot& o : r.slots)
                sumIds_.levels.push_back(o.level);
        sumIds_.levels = distinct(sumIds_.levels);
    }
    if (set.isActive(kRitardiVariSlot)) {
        ritardiVari_.emplace(f.ritardiVari, delays, false);
        ritardiIds_ = {plan.outcomeIds(kRitardiVariSlot), rowLevels(f.ritardiVari)};
    }
    if (set.isActive(kAmboSlot)) {
        ambo_.emplace(f.ambo, delays, true);
        amboIds_ = {plan.outcomeIds(kAmboSlot), rowLevels(f.ambo)};
    }
    if (f.filtersInPlay()) {
        filters_.emplace(f.activeFilters);
        filterEntries_ += f.activeFilters.size();
    }
    if (f.andOr.anyActive()) {
        andOr_.emplace(f.andOr);
        for (const AndOrQuadro& q : f.andOr.quadri)
            filterEntries_ += q.active ? q.columns.size() : 0;
    }
    empty_ = empty_ && !sums_ && !ritardiVari_ && !ambo_ && !filters_ && !andOr_;
    // Cheap and refusing outright first, until the run has measured them.
    const std::pair<Stage, bool> stages[] = {
        {Stage::Filters, filters_.has_value()},
        {Stage::Digits, !digits_.empty()},
        {Stage::DecadeSums, !decadeSums_.empty()},
        {Stage::PerNumber,
         differentDigits_ || decadesPlusUnits_ || !baricentres_.empty() || ambata_.has_value()},
        {Stage::Sums, sums_.has_value()},
        {Stage::RitardiVari, ritardiVari_.has_value()},
        {Stage::Ambo, ambo_.has_value()},
        {Stage::AndOr, andOr_.has_value()},
    };
    for (const auto& [stage, used] : stages)
        if (used)
            order_.push_back(stage);
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

template <typename Test>
bool FamilyChecks::addOutcome(std::vector<std::uint16_t>& ids, const Test& test, const Outcome& o,
                              const Column& c) const {
    const bool pass = test.pass(c, recovered_);
    if (pass)
        add(ids, o.ids.pass);
    for (const int l : o.levels) {
        auto& n = recovered_[static_cast<std::size_t>(l)];
        for (; n > 0; --n)
            if (pass)
                ids.push_back(o.ids.recovery[static_cast<std::size_t>(l)]);
        n = 0;
    }
    recovered_[0] = 0;
    return pass || add(ids, o.ids.fail);
}

void FamilyChecks::preparePrefix(const Column& c) const {
    if (const std::uint32_t key = prefixKey(c); key != prefix_.key) {
        prefix_ = {key, 0, 0, 0, 0};
        for (std::size_t k = 0; k < 4; ++k) {
            const auto n = c[k];
            prefix_.pack += pack_[n];
            prefix_.digitBits |= digitBits_[n];
            prefix_.decadeUnitBits |= decadeUnitBits_[n];
            prefix_.delaySum += delays_[n];
        }
    }
}

bool FamilyChecks::collect(const Column& c, std::vector<std::uint16_t>& ids) const {
    // Digits, decades and units, baricentre: the value rows of the condition set.
    preparePrefix(c);
    const auto last = c[4];
    const std::uint64_t pack = prefix_.pack + pack_[last];
    const std::uint16_t digitBits = prefix_.digitBits | digitBits_[last];
    const std::uint16_t decadeUnitBits = prefix_.decadeUnitBits | decadeUnitBits_[last];
    for (const Row& r : digits_)
        if (!addValue(ids, r, field(pack, 3 * (r.slot - kDigitPresenceSlot), 3)))
            return false;
    if (differentDigits_ && !addValue(ids, *differentDigits_, std::popcount(digitBits)))
        return false;
    for (const Row& r : decadeSums_) {
        const int tens = field(pack, kTensAt, 5);
        const int units = field(pack, kUnitsAt, 6);
        const int k = r.slot - kDecadeSumSlot;
        if (!addValue(ids, r, k == 0 ? tens : k == 1 ? units : tens + units))
            return false;
    }
    for (const Row& r : baricentres_)
        if (!addValue(ids, r, centre(pack, r.slot == kBaricentreSlot + 1 ? kEvenAt : kOddAt)))
            return false;
    // A delay sum beyond the ambata row is not judged by it.
    if (ambata_) {
        const std::int64_t sum = prefix_.delaySum + delays_[last];
        if (sum <= kAmbataMax && !addValue(ids, *ambata_, static_cast<int>(sum)))
            return false;
    }
    // The column filters reject outright: they belong to no link.
    if (filters_ && !filters_->pass(c))
        return false;
    if (ambo_ && !addOutcome(ids, *ambo_, amboIds_, c))
        return false;
    if (sums_ && !addOutcome(ids, *sums_, sumIds_, c))
        return false;
    if (decadesPlusUnits_ && !addValue(ids, *decadesPlusUnits_, std::popcount(decadeUnitBits)))
        return false;
    if (ritardiVari_ && !addOutcome(ids, *ritardiVari_, ritardiIds_, c))
        return false;
    return true;
}

} // namespace varnelo
