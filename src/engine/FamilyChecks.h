#pragma once

#include "engine/CandidatePlan.h"

#include <array>
#include <chrono>
#include <optional>
#include <vector>

namespace varnelo {

// The conditions that a candidate meets one at a time rather than through
// the plan's lookup tables: the value rows whose metric no incremental input
// carries (digits, decade and unit sums, baricentre of the even and the odd
// numbers, the ambata delay sum), the families with tables of their own (sum quadro, "Ritardi
// Vari", ambo delays), the filter columns and the AND/OR quadri. They add
// their effect ids to the candidate's, so links, point quadri and levels
// judge them like every other condition.
// The family rows valued by a sum of per-number values (the ambata delays,
// the decade and unit sums, the digit counts), with their tables; the last
// stage of the plan gives them the per-number inputs the other stages left
// free, and FamilyChecks asks the rest per column.
struct FamilySum {
    int slot;
    PerNumber values;
};
std::vector<FamilySum> familySums(const PlanInputs& in);
// Whether the plan carries a per-number table equal to `values`.
bool planCarries(const CandidatePlan& plan, const PerNumber& values);

// Keeps state between candidates: one thread per instance.
class FamilyChecks {
  public:
    FamilyChecks(CandidatePlan& plan, const PlanInputs& in);

    bool empty() const { return empty_; }
    // Filter columns of the active AND/OR quadri and of the filter list.
    std::size_t filterEntries() const { return filterEntries_; }
    // Appends the candidate's effect ids; false when a condition outside
    // every link rejects it.
    bool collect(const Column& c, std::vector<std::uint16_t>& ids) const;
    // The AND/OR test, after the links and levels have accepted the column.
    bool andOrDiscards(const Column& c) const { return andOr_ && andOr_->mark(c) == kDiscardMark; }

    // What the families say of the last numbers `last` after the first four
    // numbers of c, asked once per prefix: a column whose last number is
    // not `possible` is refused by some family whatever the rest says; one
    // whose last number is `clean` passes every family with nothing to
    // count, so the plan's tables alone judge it. The others go through
    // collect() one by one.
    struct Completions {
        NumberSet possible = ~NumberSet{0};
        NumberSet clean = ~NumberSet{0};
    };
    Completions completions(const Column& c, NumberSet last) const;

  private:
    struct Row {
        int slot;
        std::vector<std::uint16_t> ids; // per value
        std::vector<int> passesBelow;   // [v]: values under v that pass with nothing to count

        Row(int slot, std::vector<std::uint16_t> ids);
        // Every value in lo..hi passes with nothing to count.
        bool passesAll(std::int64_t lo, std::int64_t hi) const;
        std::uint16_t id(std::int64_t value) const {
            return ids[static_cast<std::size_t>(std::min<std::int64_t>(value, top()))];
        }
        std::int64_t top() const { return static_cast<std::int64_t>(ids.size()) - 1; }
    };

    // Last numbers that add the same amount to a value row.
    struct Group {
        int amount;
        NumberSet numbers;
    };
    using Groups = std::vector<Group>;

    static bool add(std::vector<std::uint16_t>& ids, std::uint16_t id);
    void preparePrefix(const Column& c) const;
    static void addGroups(Completions& out, const Row& row, int base, const Groups& groups,
                          NumberSet last);
    void valuesPerNumber(Completions& out, NumberSet last) const;

    // The parts of completions(), in the order the run finds best.
    enum class Stage : std::uint8_t {
        Digits,
        DecadeSums,
        PerNumber,
        Filters,
        Ambo,
        Sums,
        RitardiVari,
        AndOr
    };
    void runStage(Stage stage, const Column& c, NumberSet last, Completions& out) const;
    struct StageRecord {
        double refused = 0; // shares of the open last numbers refused, summed
        std::chrono::steady_clock::duration time{};
        double worth() const { return refused / (static_cast<double>(time.count()) + 1.0); }
    };
    static constexpr std::int64_t kTimeEvery = 256, kReorderEvery = 8192;
    mutable std::vector<Stage> order_;
    mutable std::array<StageRecord, static_cast<std::size_t>(Stage::AndOr) + 1> records_{};
    mutable std::int64_t asked_ = 0;

    bool addValue(std::vector<std::uint16_t>& ids, const Row& row, int value) const;
    // A family judged by pass, fail or recovery: its ids, and the levels its
    // recovery intervals charge (so that only those counters are read).
    struct Outcome {
        CandidatePlan::OutcomeIds ids;
        std::vector<int> levels;
    };
    template <typename Test>
    bool addOutcome(std::vector<std::uint16_t>& ids, const Test& test, const Outcome& o,
                    const Column& c) const;
    static void addOutcome(Completions& out, const LastVerdicts& v, const Outcome& o);

    // Per number, its digits, tens, units and parity sums packed in bit
    // fields that five numbers never overflow: one add per number values
    // every digit, decade and baricentre row of a column.
    std::array<std::uint64_t, kMaxNumber + 1> pack_{};
    std::array<std::uint16_t, kMaxNumber + 1> digitBits_{};
    std::array<std::uint16_t, kMaxNumber + 1> decadeUnitBits_{}; // decade bit, units bit + 5
    NumberSet evenNumbers_ = 0;

    bool empty_ = true;
    std::size_t filterEntries_ = 0;
    std::array<Groups, 10> digitGroups_; // by how often the digit is written
    std::array<Groups, 3> decadeGroups_; // by tens, units, both
    std::vector<Row> digits_;            // "Presenza Cifra" slots 131..140
    std::optional<Row> differentDigits_, decadesPlusUnits_;
    std::vector<Row> decadeSums_;                 // slots 128..130
    std::vector<Row> baricentres_;                // slots 126, 127
    std::array<bool, 2> centreOfNumbersPasses_{}; // per baricentre row: every value 1..49 passes
    std::optional<Row> ambata_;
    std::array<std::int32_t, kMaxNumber + 1> delays_{};
    std::int32_t delayMin_ = 0, delayMax_ = 0;

    std::optional<SumQuadroTest> sums_;
    std::optional<DelayRowsTest> ritardiVari_, ambo_;
    Outcome sumIds_, ritardiIds_, amboIds_;
    mutable LevelCounters recovered_{}; // left at zero between candidates
    // What the first four numbers of the last column asked about give.
    struct Prefix {
        std::uint32_t key = ~0u;
        std::uint64_t pack = 0;
        std::uint16_t digitBits = 0, decadeUnitBits = 0;
        std::int64_t delaySum = 0;
    };
    mutable Prefix prefix_;
    std::optional<FilterColumnsTest> filters_;
    std::optional<AndOrTest> andOr_;
};

} // namespace varnelo
