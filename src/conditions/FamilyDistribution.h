#pragma once

#include "conditions/AndOrFilter.h"
#include "conditions/DelayTables.h"
#include "conditions/Metrics.h"
#include "conditions/Sequele.h"
#include "conditions/SumQuadro.h"
#include "core/ColumnStore.h"

#include <array>
#include <cstdint>
#include <map>
#include <span>
#include <vector>

namespace varnelo {

// What the families' "Distr.Sistema" columns show: per family, how many
// columns of the last development had each value. Cleared at the start of a
// run and tallied with every stored column when tallying is on.
class FamilyDistribution {
  public:
    FamilyDistribution();
    void clear();

    struct Inputs {
        MetricContext context;
        const SequelePatterns& sequele;
        const DelayTables& delays;
        const SumQuadro& sums;
        const PicchettoTable& picchetti;
        const AndOrSet& andOr;
    };
    void tally(const Column& c, const Inputs& in);
    // After a run: cleared and tallied over every column held in memory.
    void tallyStored(const ColumnStore& columns, const Inputs& in);

    std::int64_t columns() const { return columns_; }
    // Family slots (digits, decades, remainders, baricentre, ambata, sequele):
    // the counts of the slot's values, from the first value of its row.
    std::span<const std::int64_t> slotRow(int slot) const;
    // "Ritardo Ambi" row 0..10: values 0..5000 (larger delays count at 5000).
    std::span<const std::int64_t> amboRow(int row) const;
    // "Ritardi Vari" rows (values × 10000), sum quadro rows (sums × 100) and
    // the "Colonne Indovinate:" count of every AND/OR quadro: value → columns.
    const std::map<std::int64_t, std::int64_t>& ritardiVariRow(int row) const;
    const std::map<std::int64_t, std::int64_t>& sumRow(int row) const;
    const std::map<std::int64_t, std::int64_t>& quadroRow(int quadro) const;

  private:
    std::int64_t columns_ = 0;
    std::array<std::size_t, kSlotCount + 2> offset_{};
    std::vector<std::int64_t> slots_;
    std::vector<std::int64_t> ambo_;
    std::array<std::map<std::int64_t, std::int64_t>, 6> ritardi_;
    std::vector<std::map<std::int64_t, std::int64_t>> sums_;
    std::array<std::map<std::int64_t, std::int64_t>, kAndOrQuadri> quadri_;
};

} // namespace varnelo
