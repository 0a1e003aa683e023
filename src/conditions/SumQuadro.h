#pragma once

#include "conditions/ColumnPrefix.h"
#include "conditions/ConditionSet.h"
#include "conditions/FamilyVerdict.h"
#include "conditions/LastNumbers.h"
#include "conditions/Picchetto.h"
#include "conditions/TableEditor.h"
#include "core/Notice.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace varnelo {

// "Somme + Somme Picchetto": the whole sum quadro is slot 143.
inline constexpr int kSumQuadroSlot = 143;
inline constexpr int kSumRowCount = 50;
inline constexpr int kOrSlotCount = 5;

// "1)   OR" .. "5)   OR": an admitted interval, a recovery interval and the
// level the recovery charges; every bound × 100.
struct OrSlot {
    Interval admitted;
    Interval recovery;
    std::uint8_t level = 0;
    bool operator==(const OrSlot&) const = default;
};

struct SumRow {
    std::uint8_t kind = 0;     // 0 "Somma", 1..10 the picchetto summed
    std::uint64_t numbers = 0; // bit n: number n (1..50) belongs to the row's set
    std::array<OrSlot, kOrSlotCount> slots{};

    bool holds(int n) const { return (numbers >> n & 1u) != 0; }
    void setNumber(int n, bool on);
    bool operator==(const SumRow&) const = default;
};

struct SumQuadro {
    std::vector<SumRow> rows; // at most 50
    bool operator==(const SumQuadro&) const = default;
};

// The sum of a row for a column, × 100 like the bounds.
std::int64_t rowSum(const SumRow& row, const PicchettoTable& picchetti, const Column& c);

// The quadro compiled for a run: per row a weight for every number.
class SumQuadroTest {
  public:
    SumQuadroTest(const SumQuadro& q, const PicchettoTable& picchetti);
    // Every row must admit its sum; a row that admits it only on recovery
    // charges that slot's level once.
    bool pass(const Column& c, LevelCounters& counters) const;
    bool empty() const { return rows_.empty(); }
    // What the rows say of every number of `last` as the last number after
    // the first four numbers of c.
    LastVerdicts lastVerdicts(const Column& c, NumberSet last) const;

  private:
    struct Row {
        std::array<std::int64_t, 51> weight{};
        std::int64_t weightMin = 0, weightMax = 0; // over the numbers 1..49
        std::vector<Interval> admitted;
        std::vector<std::pair<Interval, std::uint8_t>> recovery;
    };
    void cachePrefix(const Column& c) const;

    std::vector<Row> rows_;
    // Each row's sum over the first four numbers, kept while they stay.
    // Not for use from two threads at once.
    mutable std::uint32_t cachedPrefix_ = ~0u;
    mutable std::vector<std::int64_t> prefix_;
};

// " Somma Ammessa:    Min = " .. "    Max = ": the sums of the five smallest
// and the five largest values of the row's kind over the numbers of the
// current system (0 for the others), × 100.
std::pair<std::int64_t, std::int64_t> admittedSumRange(int kind, const PicchettoTable& picchetti,
                                                       const std::array<bool, 51>& chosen);
std::string admittedSumLabel(int kind, const PicchettoTable& picchetti,
                             const std::array<bool, 51>& chosen);

// A value typed in a cell of `MSFPunti`: digits and a comma, 10000 or more
// becomes 9999, a negative value 0; × 100.
std::optional<std::int64_t> sumCellValue(std::string_view typed);

// The "Errore:" message of "OK" when a pair in use has its Max below its Min.
std::optional<Notice> checkSumIntervals(const SumQuadro& q);
// "Colonne filtro mancante:" when the quadro to save has no first row (or an empty one).
std::optional<Notice> checkSumQuadroToSave(const SumQuadro& q);
// As the rows are taken from the grid: slots with all four values below 1
// are cleared with their level.
void tidySumQuadro(SumQuadro& q);

// `salvpicchetto.txt` and the named quadro files: "N flag", per row and
// slot Min, Max, Min recovery, Max recovery and the level, per row the 50
// number flags, per row the kind; one value per line.
std::string formatSumQuadroFile(const SumQuadro& q, bool active);
// Fails with an Italian message, leaving `q` and `active` unchanged, for a
// file that is truncated or holds anything out of place.
bool parseSumQuadroFile(std::string_view text, SumQuadro& q, bool& active, std::string& error);

// "OK" of `PicchettoSomma`: after checkSumIntervals() passes, tidies the
// rows and sets slot 143 to the box when row 1 holds a value.
bool commitSumQuadro(TableEditor<SumQuadro>& editor);

} // namespace varnelo
