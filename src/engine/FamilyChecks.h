#pragma once

#include "engine/CandidatePlan.h"

#include <optional>
#include <vector>

namespace varnelo {

// The conditions that a candidate meets one at a time rather than through
// the plan's lookup tables: the value rows whose metric no incremental input
// carries (digits, decade and unit sums, baricentre of the even and the odd
// numbers), the families with tables of their own (sum quadro, "Ritardi
// Vari", ambo delays), the filter columns and the AND/OR quadri. They add
// their effect ids to the candidate's, so links, point quadri and levels
// judge them like every other condition.
class FamilyChecks {
  public:
    FamilyChecks(CandidatePlan& plan, const PlanInputs& in);

    bool empty() const { return empty_; }
    // Appends the candidate's effect ids; false when a condition outside
    // every link rejects it.
    bool collect(const Column& c, std::vector<std::uint16_t>& ids) const;
    // The AND/OR test, after the links and levels have accepted the column.
    bool andOrDiscards(const Column& c) const { return andOr_ && andOr_->mark(c) == kDiscardMark; }

  private:
    struct Row {
        int slot;
        std::vector<std::uint16_t> ids; // per value
    };

    static bool add(std::vector<std::uint16_t>& ids, std::uint16_t id);
    bool addValue(std::vector<std::uint16_t>& ids, const Row& row, int value) const;
    bool addOutcome(std::vector<std::uint16_t>& ids, const CandidatePlan::OutcomeIds& o, bool pass,
                    const LevelCounters& recovered) const;

    bool empty_ = true;
    std::vector<Row> digits_; // "Presenza Cifra" slots 131..140
    std::optional<Row> differentDigits_, decadesPlusUnits_;
    std::vector<Row> decadeSums_;  // slots 128..130
    std::vector<Row> baricentres_; // slots 126, 127

    std::optional<SumQuadroTest> sums_;
    std::optional<DelayRowsTest> ritardiVari_, ambo_;
    CandidatePlan::OutcomeIds sumIds_, ritardiIds_, amboIds_;
    std::optional<FilterColumnsTest> filters_;
    std::optional<AndOrTest> andOr_;
};

} // namespace varnelo
