#pragma once

#include "conditions/FilterColumns.h"
#include "core/ColumnStore.h"
#include "core/DrawLine.h"
#include "core/Progress.h"

#include <array>
#include <cstdint>
#include <span>
#include <vector>

namespace varnelo {

// The analyses of a filter list. They take the list as "Attivazione" would
// store it, so that "admitted" means what the development would keep. Each
// reports its outer items to `progress` and stops early when it is cancelled.

// "Analisi statistica": per filter column, over the draws (oldest first).
struct FilterColumnRecord {
    std::array<std::int32_t, 6> hits{}; // draws that shared h numbers with it
    std::int32_t admitted = 0;          // draws it would have let pass
    std::int32_t delay = 0;             // draws since the newest one it let pass
    bool operator==(const FilterColumnRecord&) const = default;
};
std::vector<FilterColumnRecord>
analyseFilterColumns(const ActiveFilters& store, std::span<const Column> draws, Progress& progress);

// "Analisi statistica per Anno": per year of the draws, how many draws the
// whole list would have let pass as developed columns, and how many filter
// columns admitted a draw on average.
struct YearRecord {
    int year = 0;
    std::int32_t draws = 0;
    std::int32_t passing = 0;
    double meanAdmitting = 0;
    double passingShare() const { return draws > 0 ? 100.0 * passing / draws : 0.0; }
    bool operator==(const YearRecord&) const = default;
};
std::vector<YearRecord> analyseByYear(const ActiveFilters& store, std::span<const Draw> draws,
                                      Progress& progress);
// The "Media" line: the mean per year of draws, passing draws and admitting
// filter columns (year 0).
YearRecord yearMean(const std::vector<YearRecord>& years);

// "Frequenza Numeri": per number 1..49, the filter columns that hold it.
std::array<std::int32_t, kMaxNumber + 1> numberFrequency(const FilterList& list);

// "Distribuzione ò previsioni sul sistema in corso": the current system's
// columns against the list.
inline constexpr std::size_t kFailureBuckets = 11; // 0..9 rejecting filter columns, then 10 or more
struct SystemDistribution {
    std::int64_t columns = 0;
    // Entry k: the system columns that exactly k filter columns reject (the
    // last entry: that many or more); entry 0 is what the development keeps.
    std::array<std::int64_t, kFailureBuckets> byFailures{};
    // Per filter column: the system columns sharing h numbers with it, and
    // those it rejects.
    std::vector<std::array<std::int64_t, 6>> hits;
    std::vector<std::int64_t> rejected;
};
SystemDistribution distributeSystem(const ActiveFilters& store, const ColumnStore& columns,
                                    Progress& progress);

} // namespace varnelo
