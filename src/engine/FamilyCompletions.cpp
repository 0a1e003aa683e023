// The families asked once per prefix of four numbers about all its last
// numbers: masks of the refused ones and of those that pass clean.
#include "engine/FamilyChecks.h"

#include "conditions/Baricentre.h"
#include "conditions/DecadeConditions.h"
#include "conditions/DigitConditions.h"
#include "conditions/FamilySlotMetric.h"
#include "engine/ColumnPack.h"

#include <algorithm>
#include <bit>
#include <chrono>

namespace varnelo {

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
        // A centre of some numbers is a number; that of none is 0.
        if (centreOfNumbersPasses_[k] && (field(prefix_.pack, at, 3) > 0 || staying == 0))
            continue;
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

} // namespace varnelo
