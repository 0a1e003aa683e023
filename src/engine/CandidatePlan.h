#pragma once

#include "conditions/ConditionFamilies.h"
#include "conditions/ConditionSet.h"
#include "conditions/Levels.h"
#include "conditions/LinkJudge.h"
#include "conditions/Links.h"
#include "conditions/Metrics.h"

#include <array>
#include <cstdint>
#include <map>
#include <vector>

namespace varnelo {

// The values a candidate's conditions look up. Each is known at one loop
// level: a position and the distances that end there as soon as the number
// is placed, everything else with the complete column.
enum Input : int {
    kKey, // parity of every position and the kind of every gap (1, 2, other)
    kGemelli,
    kDecades,
    kUnits,
    kRankUp, // bit k: the forecast rank rises by one over gap k + 1
    kSum,
    kExtreme,
    kMinGap,
    kMaxGap,
    // Sums over the column of a value given to every number (see additiveInput()).
    kAdditive1,
    kPosition1 = kAdditive1 + 8,
    kBetween1 = kPosition1 + 5, // pair index 0..9 of betweenPair()
    kInputCount = kBetween1 + 10,
};
inline constexpr int kAdditiveCount = kPosition1 - kAdditive1;

// A value for every number 1..49 (entry 0 unused).
using PerNumber = std::array<std::int32_t, kMaxNumber + 1>;

// Index of a value in a table of 256 entries: anything outside 0..254 goes
// to 255, which no condition row holds, so it is refused like any value
// outside the row.
inline constexpr int tableIndex(std::int32_t v) {
    return static_cast<std::uint32_t>(v) > 254u ? 255 : static_cast<int>(v);
}

// Loop level (1..5) at which an input is known.
int inputLevel(int input);
// Entries of an input's lookup table: every value the input can take.
int inputTableSize(int input);

// Bits of kKey: bit p - 1 is the parity of position p (1 = even); two bits
// per gap k = 1..4 from bit 5 + 2 (k - 1): 1 for a gap of 1, 2 for a gap of 2.
inline constexpr std::uint32_t keyGapBits(int gap) {
    return gap == 1 ? 1u : gap == 2 ? 2u : 0u;
}
inline constexpr int kKeyBits = 13;

// Effect ids of the lookup tables: 0 the value passes with nothing to count,
// 1 it rejects the column outright, 2k an entry of the effect list.
inline constexpr std::uint16_t kPass = 0;
inline constexpr std::uint16_t kReject = 1;

struct PlanCheck {
    int input = 0;
    int level = 5;
    // Only pass/reject entries: tested at its own level, and a rejection
    // drops every completion of the prefix.
    bool prunes = false;
    std::vector<std::uint16_t> table;
};

// What the candidate's conditions add to the link errors, the recovery
// counters and the quadro scores.
struct Effect {
    enum Kind : std::uint8_t { LinkError, Level, Points };
    struct Item {
        Kind kind;
        std::uint8_t index;
        std::int32_t amount;
        bool operator==(const Item&) const = default;
        auto operator<=>(const Item&) const = default;
    };
    std::vector<Item> items; // sorted, one item per (kind, index)
    bool operator==(const Effect&) const = default;
};

struct PlanInputs {
    const ConditionSet& conditions;
    const Links& links;
    const Quadri& quadri;
    const LevelLimits& levels;
    MetricContext context;
    // The families with tables of their own and the archive delays they read.
    const ConditionFamilies* families = nullptr;
    const DelayTables* delayTables = nullptr;
};

// The active condition set compiled once per run into flat tables.
class CandidatePlan {
  public:
    explicit CandidatePlan(const PlanInputs& in);

    // No check at all: every candidate passes.
    bool passesAll() const { return checks_.empty() && cleanPass_; }
    // With no effect counted: what the link, quadro and level tests say.
    bool cleanPass() const { return cleanPass_; }
    // Some table entry counts something (a link error, a recovery pass, points).
    bool counts() const { return effects_.size() > 1; }
    const std::vector<PlanCheck>& checks() const { return checks_; }
    // Inputs some check needs, bit per Input.
    std::uint32_t needs() const { return needs_; }

    // The slow path: the effects a candidate collected (none a rejection).
    bool judge(const std::uint16_t* ids, int count) const;
    // The same for a single effect, remembered once judged.
    bool judgeOne(std::uint16_t id) {
        const std::size_t i = id / 2;
        return i < verdict_.size() && verdict_[i] >= 0 ? verdict_[i] != 0 : judgeFirst(id);
    }

    // Per-number tables for the incremental state.
    struct NumberInfo {
        std::uint8_t even = 0;
        std::int32_t rank = 0;
        std::uint32_t decadeBit = 0;
        std::uint32_t unitBit = 0;
    };
    const NumberInfo& number(int n) const { return numbers_[static_cast<std::size_t>(n)]; }

    // A condition valued by the sum, over the column, of a value given to
    // every number (the even numbers, the delays, the comparison numbers, a
    // family's digit or decade tables...): the input that carries it, shared
    // by equal tables. More distinct tables than additive inputs is a
    // fault of the stages (std::length_error), never of the user's data.
    int additiveInput(const PerNumber& values);
    int additiveCount() const { return additiveUsed_; }
    const PerNumber& additive(int k) const { return additive_[static_cast<std::size_t>(k)]; }
    // Smallest and largest value of additive table k.
    std::int32_t additiveMin(int k) const { return additiveRange_[static_cast<std::size_t>(k)][0]; }
    std::int32_t additiveMax(int k) const { return additiveRange_[static_cast<std::size_t>(k)][1]; }

    // Effect ids for the families judged per candidate outside the tables:
    // a slot's id per value of its row (a value beyond the row is refused),
    // and for a family that passes, fails or passes on recovery, its ids.
    std::vector<std::uint16_t> valueIds(int slot);
    struct OutcomeIds {
        std::uint16_t pass = kPass; // the points of a pass: 1 per quadro that holds the slot
        std::uint16_t fail = kReject;
        std::array<std::uint16_t, kLevelCount + 1> recovery{}; // one pass on recovery in a level
    };
    OutcomeIds outcomeIds(int slot);

    // Adds a slot's condition, valued through `input` by `valueOf`, to the
    // input's combined table. Family stages call it while the plan compiles.
    template <typename ValueOf> void addSlot(int slot, int input, ValueOf valueOf);

  private:
    // An entry of a table being compiled: a rejection, or the effect so far.
    struct Pending {
        bool reject = false;
        Effect effect;
    };
    bool judgeFirst(std::uint16_t id);
    void addEffect(Pending& into, int slot, int value) const;
    static void merge(Pending& into, const Pending& effect);
    std::uint16_t intern(const Pending& p);

    const ConditionSet& conditions_;
    LinkJudge links_;
    LevelJudge levels_;
    std::vector<Effect> effects_;
    std::vector<std::int8_t> verdict_; // per effect: -1 not judged yet, else 0 / 1
    // Scratch counters of judge(), zero between calls; a plan serves one thread.
    mutable LinkJudge::Work work_{};
    mutable std::array<std::int32_t, kLevelCount + 1> levelCounts_{};
    std::map<std::vector<Effect::Item>, std::uint16_t> ids_;
    std::array<std::vector<Pending>, kInputCount> pending_;
    std::vector<PlanCheck> checks_;
    std::uint32_t needs_ = 0;
    bool cleanPass_ = true;
    std::array<NumberInfo, kMaxNumber + 2> numbers_{};
    std::array<PerNumber, kAdditiveCount> additive_{};
    std::array<std::array<std::int32_t, 2>, kAdditiveCount> additiveRange_{};
    int additiveUsed_ = 0;
};

template <typename ValueOf> void CandidatePlan::addSlot(int slot, int input, ValueOf valueOf) {
    auto& table = pending_[static_cast<std::size_t>(input)];
    if (table.empty())
        table.resize(static_cast<std::size_t>(inputTableSize(input)));
    // The slot's effect for each of its values; a value outside its row is refused.
    const int top = slotValueRange(slot).max + 1;
    std::vector<Pending> byValue(static_cast<std::size_t>(top) + 1);
    for (int v = 0; v <= top; ++v)
        addEffect(byValue[static_cast<std::size_t>(v)], slot, v);
    for (std::size_t x = 0; x < table.size(); ++x) {
        const int value = valueOf(static_cast<int>(x));
        if (value >= 0)
            merge(table[x], byValue[static_cast<std::size_t>(std::min(value, top))]);
    }
}

} // namespace varnelo
