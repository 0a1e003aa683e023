#include "engine/CandidatePlan.h"

#include "engine/FamilyStages.h"

#include <algorithm>
#include <stdexcept>

namespace varnelo {

int inputLevel(int input) {
    if (input >= kPosition1 && input < kBetween1)
        return input - kPosition1 + 1;
    if (input >= kBetween1 && input < kInputCount)
        return betweenPair(input - kBetween1)[1];
    return 5;
}

int inputTableSize(int input) {
    switch (input) {
    case kKey:
        return 1 << kKeyBits;
    case kGemelli:
        return 5;
    case kDecades:
        return 6;
    case kUnits:
        return 11;
    case kRankUp:
        return 16;
    case kSum:
        return 256;
    default:
        // Sums of per-number values go through tableIndex(); extremes, gaps,
        // positions and distances between positions stay within 0..49.
        return input >= kAdditive1 && input < kAdditive1 + kAdditiveCount ? 256 : 50;
    }
}

namespace {

// The levels the condition set and the families' own tables use.
LevelUse usedLevels(const PlanInputs& in) {
    LevelUse use = levelsInUse(in.conditions);
    if (in.families)
        addFamilyLevels(in.conditions, *in.families, use);
    return use;
}

} // namespace

CandidatePlan::CandidatePlan(const PlanInputs& in)
    : conditions_(in.conditions), links_(in.links, in.quadri), levels_(in.levels, usedLevels(in)) {
    effects_.emplace_back(); // index 0 is never used: id 0 is a plain pass
    for (int n = 1; n <= kMaxNumber; ++n) {
        NumberInfo& info = numbers_[static_cast<std::size_t>(n)];
        info.even = kEven.isEven(n);
        info.rank =
            in.context.forecastRank ? (*in.context.forecastRank)[static_cast<std::size_t>(n)] : 0;
        info.decadeBit = 1u << (n % 50 / 10);
        info.unitBit = 1u << (n % 10);
    }

    for (FamilyStage stage : familyStages())
        stage(*this, in);

    for (int input = 0; input < kInputCount; ++input) {
        auto& pending = pending_[static_cast<std::size_t>(input)];
        if (pending.empty())
            continue;
        PlanCheck check;
        check.input = input;
        check.level = inputLevel(input);
        for (const Pending& p : pending)
            check.table.push_back(intern(p));
        pending.clear();
        check.prunes =
            check.level < 5 && std::all_of(check.table.begin(), check.table.end(),
                                           [](std::uint16_t id) { return id <= kReject; });
        needs_ |= 1u << input;
        checks_.push_back(std::move(check));
    }
    const LinkJudge::Work none{};
    const std::array<std::int32_t, kLevelCount + 1> zero{};
    cleanPass_ = links_.judge(none) && levels_.pass(zero.data());
}

int CandidatePlan::additiveInput(const PerNumber& values) {
    for (int k = 0; k < additiveUsed_; ++k)
        if (additive_[static_cast<std::size_t>(k)] == values)
            return kAdditive1 + k;
    if (additiveUsed_ == kAdditiveCount)
        throw std::length_error("additive inputs of the candidate plan exhausted");
    PerNumber& table = additive_[static_cast<std::size_t>(additiveUsed_)];
    table = values;
    table[0] = 0;
    const auto [lo, hi] = std::minmax_element(table.begin() + 1, table.end());
    additiveRange_[static_cast<std::size_t>(additiveUsed_)] = {*lo, *hi};
    return kAdditive1 + additiveUsed_++;
}

void CandidatePlan::addEffect(Pending& into, int slot, int value) const {
    auto add = [&](Effect::Kind kind, int index, std::int32_t amount) {
        for (auto& item : into.effect.items)
            if (item.kind == kind && item.index == index) {
                item.amount += amount;
                return;
            }
        into.effect.items.push_back({kind, static_cast<std::uint8_t>(index), amount});
    };
    switch (conditions_.effectiveStatus(slot, value)) {
    case CellStatus::NotAdmitted: {
        const std::uint16_t mask = links_.linkMask(slot);
        if (!mask) {
            into.reject = true;
            into.effect.items.clear();
            return;
        }
        for (int l = 1; l <= kGroupCount; ++l)
            if (mask >> (l - 1) & 1)
                add(Effect::LinkError, l, 1);
        return;
    }
    case CellStatus::Recovery:
        add(Effect::Level, conditions_.cell(slot, value).level, 1);
        break;
    case CellStatus::Admitted:
        break;
    }
    const std::uint16_t mask = links_.quadroMask(slot);
    if (value != 0)
        for (int q = 1; q <= kGroupCount; ++q)
            if (mask >> (q - 1) & 1)
                add(Effect::Points, q, value);
}

std::vector<std::uint16_t> CandidatePlan::valueIds(int slot) {
    const int top = slotValueRange(slot).max + 1;
    std::vector<std::uint16_t> ids;
    for (int v = 0; v <= top; ++v) {
        Pending p;
        addEffect(p, slot, v);
        ids.push_back(intern(p));
    }
    return ids;
}

CandidatePlan::OutcomeIds CandidatePlan::outcomeIds(int slot) {
    OutcomeIds out;
    Pending fail;
    const std::uint16_t links = links_.linkMask(slot);
    fail.reject = links == 0;
    for (int l = 1; l <= kGroupCount; ++l)
        if (links >> (l - 1) & 1)
            fail.effect.items.push_back({Effect::LinkError, static_cast<std::uint8_t>(l), 1});
    out.fail = intern(fail);
    Pending pass;
    const std::uint16_t quadri = links_.quadroMask(slot);
    for (int q = 1; q <= kGroupCount; ++q)
        if (quadri >> (q - 1) & 1)
            pass.effect.items.push_back({Effect::Points, static_cast<std::uint8_t>(q), 1});
    out.pass = intern(pass);
    for (int l = 1; l <= kLevelCount; ++l) {
        Pending r;
        r.effect.items.push_back({Effect::Level, static_cast<std::uint8_t>(l), 1});
        out.recovery[static_cast<std::size_t>(l)] = intern(r);
    }
    return out;
}

void CandidatePlan::merge(Pending& into, const Pending& effect) {
    if (into.reject)
        return;
    if (effect.reject) {
        into.reject = true;
        into.effect.items.clear();
        return;
    }
    for (const auto& item : effect.effect.items) {
        auto same = std::find_if(
            into.effect.items.begin(), into.effect.items.end(),
            [&](const Effect::Item& i) { return i.kind == item.kind && i.index == item.index; });
        if (same == into.effect.items.end())
            into.effect.items.push_back(item);
        else
            same->amount += item.amount;
    }
}

std::uint16_t CandidatePlan::intern(const Pending& p) {
    if (p.reject)
        return kReject;
    std::vector<Effect::Item> items = p.effect.items;
    std::erase_if(items, [](const Effect::Item& i) { return i.amount == 0; });
    if (items.empty())
        return kPass;
    std::sort(items.begin(), items.end());
    const auto [at, added] =
        ids_.try_emplace(items, static_cast<std::uint16_t>(2 * effects_.size()));
    if (added)
        effects_.push_back({std::move(items)});
    return at->second;
}

// judgeOne() for an effect not judged yet.
bool CandidatePlan::judgeFirst(std::uint16_t id) {
    if (verdict_.size() != effects_.size())
        verdict_.assign(effects_.size(), -1);
    std::int8_t& v = verdict_[id / 2];
    if (v < 0)
        v = judge(&id, 1);
    return v != 0;
}

bool CandidatePlan::judge(const std::uint16_t* ids, int count) const {
    // The counters stay at zero between calls: only the entries a call
    // touches are cleared again, which is far cheaper than clearing them all.
    auto each = [&](auto f) {
        for (int i = 0; i < count; ++i)
            if (ids[i] != kPass)
                for (const auto& item : effects_[ids[i] / 2].items)
                    f(item);
    };
    auto counter = [this](const Effect::Item& item) -> std::int32_t& {
        switch (item.kind) {
        case Effect::LinkError:
            return work_.errors[item.index];
        case Effect::Level:
            return levelCounts_[item.index];
        default:
            return work_.score[item.index];
        }
    };
    each([&](const Effect::Item& item) { counter(item) += item.amount; });
    const bool ok = levels_.pass(levelCounts_.data()) && links_.judge(work_);
    each([&](const Effect::Item& item) { counter(item) = 0; });
    return ok;
}

} // namespace varnelo
