#pragma once

#include "conditions/ColumnPrefix.h"
#include "conditions/ConditionSet.h"
#include "conditions/DelayTables.h"
#include "conditions/FamilyVerdict.h"
#include "conditions/LastNumbers.h"
#include "conditions/TableEditor.h"
#include "core/Notice.h"

#include <array>
#include <optional>
#include <string_view>
#include <vector>

namespace varnelo {

// "Ritardi Vari" is slot 78, "Ritardo Ambi" slot 142.
inline constexpr int kRitardiVariSlot = 78;
inline constexpr int kAmboSlot = 142;
inline constexpr int kRitardiVariRows = kNumberFigureCount;
inline constexpr int kAmboRows = 11;

// Three admitted intervals, a recovery interval and its level.
struct IntervalRow {
    std::array<Interval, 3> admitted{};
    Interval recovery;
    std::uint8_t level = 0;

    bool inUse() const;
    bool operator==(const IntervalRow&) const = default;
};

// Values typed in the grids: "Ritardi Vari" takes up to two decimals and at
// most 99999 (kept × 10000), the ambo rows whole draws up to 9999; a
// negative entry becomes 0.
std::optional<std::int64_t> ritardiVariCellValue(std::string_view typed);
std::optional<std::int64_t> amboCellValue(std::string_view typed);

// A row with no interval in use passes.
RowVerdict judgeRow(const IntervalRow& row, std::int64_t value);

// "Usciti" .. "%Uscita"; "Ritardo Totale Ambi", "Ritardo Ambo 1-2" .. "4-5".
std::string_view ritardiVariRowName(int row);
std::string_view amboRowName(int row);

// The value of a row for a column: "Ritardi Vari" sums the row's figure
// (× 10000) of the five numbers; the ambo rows are the delay of one pair in
// position order, row 0 the sum of the ten.
std::int64_t ritardiVariValue(int row, const Column& c, const DelayTables& t);
std::int64_t amboValue(int row, const Column& c, const DelayTables& t);

// Rows are tested in order and the first failing row rejects the column.
struct DelayRows {
    std::vector<IntervalRow> rows;
    bool operator==(const DelayRows&) const = default;
};

class DelayRowsTest {
  public:
    // ambo false: "Ritardi Vari".
    DelayRowsTest(const DelayRows& rows, const DelayTables& tables, bool ambo);
    bool pass(const Column& c, LevelCounters& counters) const;
    bool empty() const { return rows_.empty(); }
    // What the rows say of every number of `last` as the last number after
    // the first four numbers of c.
    LastVerdicts lastVerdicts(const Column& c, NumberSet last) const;

  private:
    struct Row {
        int index;
        IntervalRow intervals;
    };
    void cachePrefix(const Column& c, std::uint32_t key) const;

    bool ambo_;
    std::vector<Row> rows_;
    std::array<std::array<std::int64_t, kMaxNumber + 1>, kRitardiVariRows> figures_{};
    std::array<std::array<std::int32_t, kMaxNumber + 1>, kMaxNumber + 1> pairDelays_{};
    // The least and the most a last number adds: per figure row, and per
    // number to its pair delays.
    std::array<std::int64_t, kRitardiVariRows> figureMin_{}, figureMax_{};
    std::array<std::int32_t, kMaxNumber + 1> pairMin_{}, pairMax_{};
    // What the first four numbers give, kept while they stay: the row sums
    // of "Ritardi Vari", or the six pair delays among them and their total.
    // Not for use from two threads at once.
    mutable std::uint32_t cachedPrefix_ = ~0u;
    mutable std::array<std::int64_t, kAmboRows> prefix_{};
};

// "OK" of `CondRitardiVari` and `CondizAmbo`: the notice of the first row
// with a Max below its Min (blocking), or the question of a recovery
// interval without a level.
std::optional<Notice> checkIntervalRows(const DelayRows& rows);
std::optional<Notice> unleveledRecovery(const DelayRows& rows);

// "OK" of `CondRitardiVari` and `CondizAmbo` after the checks: the slot
// follows the box and is off when no interval is set.
bool commitDelayRows(TableEditor<DelayRows>& editor);

} // namespace varnelo
