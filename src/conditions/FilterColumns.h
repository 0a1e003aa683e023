#pragma once

#include "conditions/CarFile.h"
#include "conditions/ConditionStatistics.h"
#include "conditions/FilterHits.h"
#include "conditions/LastNumbers.h"
#include "core/Notice.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace varnelo {

inline constexpr std::size_t kMaxFilterColumns = 20000;

struct FilterList {
    std::vector<ListColumn> columns;
    bool active = false; // "Attivazione"
    bool operator==(const FilterList&) const = default;
};

// The active filter store the development reads: per filter column its
// numbers in 1..49, the admitted minimum and maximum hits, and the admitted
// consecutive counts.
struct ActiveFilter {
    std::uint64_t numbers = 0;
    std::uint8_t minHits = 0;
    std::uint8_t maxHits = 0;
    std::uint8_t consecutive = 0;
    bool operator==(const ActiveFilter&) const = default;
};
using ActiveFilters = std::vector<ActiveFilter>;

// The consecutive count of a column against a filter column: how many pairs
// n, n + 1 of the numbers it shares with it there are (0..4).
int sharedConsecutive(std::uint64_t shared);

// "Attivazione": the refusal, or the active store built from the list (at
// most 20000 filter columns, empty columns at the end of the list dropped).
// The minimum and maximum hits are the lowest and highest admitted counts.
std::optional<Notice> activateFilterList(const FilterList& list, ActiveFilters& store);

// Whether one active filter column lets a column (as a number mask) pass.
bool admits(const ActiveFilter& f, std::uint64_t columnMask);

// The filter test compiled for a run: a column passes when every active
// filter column shares between its minimum and maximum numbers with it and,
// when the filter column admits consecutive counts, one of those counts of
// consecutive shared numbers. A filter column that admits no consecutive
// count leaves consecutive numbers free.
class FilterColumnsTest {
  public:
    explicit FilterColumnsTest(const ActiveFilters& store);
    bool empty() const { return store_.empty(); }
    bool pass(const Column& c) const;
    // The numbers of `last` that pass as the last number after the first
    // four numbers of c. A filter column whose prefix hits sit at the edge
    // of its admitted ones asks the last number to be among its numbers, or
    // not to be: the answer is a few mask operations per such filter column.
    NumberSet passing(const Column& c, NumberSet last) const;

  private:
    ActiveFilters store_;
    FilterHits hits_;
    std::vector<std::size_t> withConsecutive_;
};

// The admitted-hits bits of the counts minHits..maxHits (0..5).
std::uint8_t admittedHitBits(int minHits, int maxHits);
// "Errore:" when a minimum of admitted hits lies above its maximum.
std::optional<Notice> checkHitRange(int minHits, int maxHits);
// `ColonneFiltroUguali`: sets the admitted hits (and consecutive counts, when
// given) of the filter columns first..last (1-based) to the ranges; a
// minimum above its maximum is refused with "Errore:".
std::optional<Notice> setAdmittedHits(FilterList& list, std::size_t first, std::size_t last,
                                      int minHits, int maxHits, std::optional<int> minConsecutive,
                                      std::optional<int> maxConsecutive);
// `ColonneFiltroCambia`: replaces a number by another in the filter columns
// first..last; columns that already hold the new number stay as they were
// and are reported.
std::optional<Notice> replaceNumber(FilterList& list, std::size_t first, std::size_t last,
                                    int search, int replacement);
// `ColonneFiltroElimona`: removes the filter columns first..last.
void eraseFilterColumns(FilterList& list, std::size_t first, std::size_t last);
// Adding imported filter columns: past 20000 the import is refused.
Notice tooManyFilterColumns(std::size_t total);
std::optional<Notice> addFilterColumns(FilterList& list, const std::vector<ListColumn>& more);

// Draws or the columns of a system as filter columns admitting minHits..maxHits
// ("Vincenti", "Sistemi", "Valori  inseribili").
std::vector<ListColumn> filterColumnsOf(const std::vector<Column>& columns, int minHits,
                                        int maxHits);

// " Statistiche sulla colonna evidenziata ": the hits 0..5 of every draw
// (oldest first) against one filter column, walked like any condition value.
ValueStatistics filterColumnStatistics(std::uint64_t filter, std::span<const Column> draws);

// Filter lists are stored in `andor/` as `.car` files (with the admitted
// hits) and `.cac` files (numbers only, see CarFile.h).
CarFile filterListToCar(const FilterList& list, const std::string& name);

} // namespace varnelo
