#include "engine/FamilyChecks.h"

#include "conditions/Baricentre.h"
#include "conditions/DecadeConditions.h"
#include "conditions/DigitConditions.h"
#include "conditions/FamilySlotMetric.h"

#include <algorithm>
#include <bit>
#include <chrono>

namespace varnelo {

namespace {

// Bit fields of a column's pack: 3 bits per digit count (at most 6), the
// tens sum (at most 20), the units sum (at most 45), the count and the sum
// of the even numbers (at most 220) and of the odd numbers (at most 225).
constexpr int kTensAt = 30, kUnitsAt = 35, kEvenAt = 41, kOddAt = 52;

int field(std::uint64_t pack, int at, int bits) {
    return static_cast<int>(pack >> at & ((std::uint64_t{1} << bits) - 1));
}

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

int centre(std::uint64_t pack, int at) {
    const int count = field(pack, at, 3);
    return count > 0 ? field(pack, at + 3, 8) / count : 0;
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

void FamilyChecks::addGroups(Completions& out, const Row& row, int base, const Groups& groups,
                             NumberSet last) {
    const auto top = row.ids.size() - 1;
    for (const Group& g : groups) {
        const NumberSet numbers = g.numbers & last;
        if (numbers == 0)
            continue;
        const std::uint16_t id = row.ids[std::min(static_cast<std::size_t>(base + g.amount), top)];
        if (id == kReject)
            out.possible &= ~numbers;
        else if (id != kPass)
            out.clean &= ~numbers;
    }
}

FamilyChecks::Row::Row(int slot, std::vector<std::uint16_t> ids)
    : slot(slot), ids(std::move(ids)), passesBelow(this->ids.size() + 1, 0) {
    for (std::size_t v = 0; v < this->ids.size(); ++v)
        passesBelow[v + 1] = passesBelow[v] + (this->ids[v] == kPass);
}

bool FamilyChecks::Row::passesAll(std::int64_t lo, std::int64_t hi) const {
    lo = std::clamp<std::int64_t>(lo, 0, top());
    hi = std::clamp<std::int64_t>(hi, 0, top());
    return passesBelow[static_cast<std::size_t>(hi + 1)] -
               passesBelow[static_cast<std::size_t>(lo)] ==
           hi - lo + 1;
}

// The rows whose value no group of last numbers shares: when the values
// every last number could give all pass, there is nothing to look at;
// otherwise one look per number.
void FamilyChecks::valuesPerNumber(Completions& out, NumberSet last) const {
    const int digitsBefore = std::popcount(static_cast<unsigned>(prefix_.digitBits));
    const int decadesUnitsBefore = std::popcount(static_cast<unsigned>(prefix_.decadeUnitBits));
    // A new number adds at most two digits, one decade and one unit.
    const bool digitsSettled =
        !differentDigits_ || differentDigits_->passesAll(digitsBefore, digitsBefore + 2);
    const bool decadesUnitsSettled =
        !decadesPlusUnits_ ||
        decadesPlusUnits_->passesAll(decadesUnitsBefore, decadesUnitsBefore + 2);
    // A baricentre moves with a last number of its parity only: between its
    // value with the smallest and with the largest of them.
    std::array<bool, 2> centreSettled{true, true};
    for (std::size_t k = 0; k < baricentres_.size(); ++k) {
        const Row& r = baricentres_[k];
        const int at = r.slot == kBaricentreSlot + 1 ? kEvenAt : kOddAt;
        const NumberSet moving = last & (at == kEvenAt ? evenNumbers_ : ~evenNumbers_);
        const NumberSet staying = last & ~moving;
        int lo = INT32_MAX, hi = INT32_MIN;
        auto reach = [&](int value) {
            lo = std::min(lo, value);
            hi = std::max(hi, value);
        };
        if (staying != 0)
            reach(centre(prefix_.pack, at));
        if (moving != 0) {
            reach(centre(prefix_.pack + pack_[static_cast<std::size_t>(std::countr_zero(moving))],
                         at));
            reach(centre(
                prefix_.pack + pack_[static_cast<std::size_t>(63 - std::countl_zero(moving))], at));
        }
        centreSettled[k] = last == 0 || r.passesAll(lo, hi);
    }
    const std::int64_t delaysFrom = prefix_.delaySum + delayMin_;
    const bool ambataSettled =
        !ambata_ || delaysFrom > kAmbataMax ||
        ambata_->passesAll(delaysFrom,
                           std::min<std::int64_t>(prefix_.delaySum + delayMax_, kAmbataMax));
    if (digitsSettled && decadesUnitsSettled && centreSettled[0] && centreSettled[1] &&
        ambataSettled)
        return;
    forEachNumber(last, [&](int n) {
        const auto i = static_cast<std::size_t>(n);
        std::uint16_t any = 0;
        if (!digitsSettled)
            any |= differentDigits_->id(
                std::popcount(static_cast<unsigned>(prefix_.digitBits | digitBits_[i])));
        if (!decadesUnitsSettled)
            any |= decadesPlusUnits_->id(
                std::popcount(static_cast<unsigned>(prefix_.decadeUnitBits | decadeUnitBits_[i])));
        const std::uint64_t pack = prefix_.pack + pack_[i];
        for (std::size_t k = 0; k < baricentres_.size(); ++k)
            if (!centreSettled[k])
                any |= baricentres_[k].id(
                    centre(pack, baricentres_[k].slot == kBaricentreSlot + 1 ? kEvenAt : kOddAt));
        if (!ambataSettled) {
            const std::int64_t sum = prefix_.delaySum + delays_[i];
            if (sum <= kAmbataMax)
                any |= ambata_->id(sum);
        }
        const NumberSet bit = NumberSet{1} << n;
        if (any & kReject)
            out.possible &= ~bit;
        else if (any != kPass)
            out.clean &= ~bit;
    });
}

void FamilyChecks::addOutcome(Completions& out, const LastVerdicts& v, const Outcome& o) {
    if (o.ids.fail == kReject)
        out.possible &= ~v.failed;
    out.clean &= ~(v.failed | v.recovered);
    if (o.ids.pass != kPass)
        out.clean = 0;
}

void FamilyChecks::runStage(Stage stage, const Column& c, NumberSet last, Completions& out) const {
    switch (stage) {
    case Stage::Digits:
        for (const Row& r : digits_) {
            const int d = r.slot - kDigitPresenceSlot;
            addGroups(out, r, field(prefix_.pack, 3 * d, 3),
                      digitGroups_[static_cast<std::size_t>(d)], last);
        }
        return;
    case Stage::DecadeSums:
        for (const Row& r : decadeSums_) {
            const int tens = field(prefix_.pack, kTensAt, 5);
            const int units = field(prefix_.pack, kUnitsAt, 6);
            const int k = r.slot - kDecadeSumSlot;
            addGroups(out, r,
                      k == 0   ? tens
                      : k == 1 ? units
                               : tens + units,
                      decadeGroups_[static_cast<std::size_t>(k)], last);
        }
        return;
    case Stage::PerNumber:
        valuesPerNumber(out, last);
        return;
    case Stage::Filters:
        out.possible &= filters_->passing(c, last) | ~last;
        return;
    case Stage::Ambo:
        addOutcome(out, ambo_->lastVerdicts(c, last), amboIds_);
        return;
    case Stage::Sums:
        addOutcome(out, sums_->lastVerdicts(c, last), sumIds_);
        return;
    case Stage::RitardiVari:
        addOutcome(out, ritardiVari_->lastVerdicts(c, last), ritardiIds_);
        return;
    case Stage::AndOr: {
        const NumberSet keep = andOr_->keeping(c, last) | ~last;
        out.possible &= keep;
        out.clean &= keep;
        return;
    }
    }
}

FamilyChecks::Completions FamilyChecks::completions(const Column& c, NumberSet last) const {
    preparePrefix(c);
    Completions out;
    // Now and then a prefix is timed, stage by stage, to learn which stages
    // refuse most for their time; the verdicts do not depend on the order.
    const bool timed = ++asked_ % kTimeEvery == 0;
    for (const Stage stage : order_) {
        const NumberSet open = last & out.possible;
        if (open == 0)
            break;
        if (!timed) {
            runStage(stage, c, open, out);
            continue;
        }
        const auto from = std::chrono::steady_clock::now();
        runStage(stage, c, open, out);
        StageRecord& r = records_[static_cast<std::size_t>(stage)];
        r.time += std::chrono::steady_clock::now() - from;
        r.refused += static_cast<double>(std::popcount(open & ~out.possible)) / std::popcount(open);
    }
    if (asked_ % kReorderEvery == 0)
        std::stable_sort(order_.begin(), order_.end(), [this](Stage a, Stage b) {
            return records_[static_cast<std::size_t>(a)].worth() >
                   records_[static_cast<std::size_t>(b)].worth();
        });
    return out;
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
