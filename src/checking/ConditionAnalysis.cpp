#include "checking/ConditionAnalysis.h"

#include "conditions/DecimalCells.h"
#include "conditions/DelayConditions.h"
#include "conditions/DigitConditions.h"
#include "conditions/FamilySlotMetric.h"
#include "conditions/SlotMetric.h"
#include "core/TextFile.h"

#include <algorithm>
#include <span>

namespace varnelo {

namespace {

// The families judged by tables of their own rather than by activation slots.
constexpr std::string_view kFilterFamily = "Colonne filtro And";
constexpr std::string_view kAndOrFamily = "Quadri And Or";

AnalysisRow judged(AnalysisRow row, CellStatus status, int level) {
    row.verdict = status == CellStatus::Admitted   ? Verdict::Admitted
                  : status == CellStatus::Recovery ? Verdict::Recovery
                                                   : Verdict::NotAdmitted;
    row.level = row.verdict == Verdict::Recovery ? level : 0;
    return row;
}

std::string slotName(int slot) {
    if (slot >= kDigitPositionSlot && slot < kDigitPositionSlot + kDigitPositionEntries)
        return std::string(positionEntryName(slot - kDigitPositionSlot));
    return std::string(trimBlanks(slotDisplayName(slot)));
}

int slotValue(int slot, const Column& c, const AnalysisInputs& in) {
    return isShapeSlot(slot) ? shapeSlotValue(slot, c, in.context)
                             : familySlotValue(slot, c, in.context, in.families.sequele);
}

AnalysisRow valueRow(const std::string& family, int slot, int v, const AnalysisInputs& in) {
    AnalysisRow row{family, slotName(slot), {}};
    const ValueRange range = slotValueRange(slot);
    const bool inRange = v >= range.min && v <= range.max;
    // The ambata sum beyond its row: no cell holds it, so no cell admits it.
    row.value = inRange ? std::to_string(v) : "oltre " + std::to_string(range.max);
    if (!in.conditions.isActive(slot))
        return row;
    if (!inRange)
        return judged(row, CellStatus::NotAdmitted, 0);
    return judged(row, in.conditions.effectiveStatus(slot, v), in.conditions.cell(slot, v).level);
}

// The shape the ambo and "Ritardi Vari" rows share.
AnalysisRow intervalRow(const std::string& family, std::string name, std::string value,
                        const IntervalRow& intervals, std::int64_t raw, bool active) {
    AnalysisRow row{family, std::move(name), std::move(value)};
    if (!active || !intervals.inUse())
        return row;
    switch (judgeRow(intervals, raw)) {
    case RowVerdict::Pass:
        return judged(row, CellStatus::Admitted, 0);
    case RowVerdict::Recovery:
        return judged(row, CellStatus::Recovery, intervals.level);
    default:
        return judged(row, CellStatus::NotAdmitted, 0);
    }
}

void delayRows(const std::string& family, int slot, const Column& c, const AnalysisInputs& in,
               std::vector<AnalysisRow>& out) {
    const bool ambo = slot == kAmboSlot;
    const DelayRows& rows = ambo ? in.families.ambo : in.families.ritardiVari;
    const bool active = in.conditions.isActive(slot);
    for (int r = 0; r < static_cast<int>(rows.rows.size()); ++r) {
        const std::int64_t v =
            ambo ? amboValue(r, c, in.delays) : ritardiVariValue(r, c, in.delays);
        // "Ritardi Vari" keeps four decimals; the grid shows two.
        out.push_back(intervalRow(family,
                                  std::string(ambo ? amboRowName(r) : ritardiVariRowName(r)),
                                  ambo ? std::to_string(v) : scaledText(v / 100, 2),
                                  rows.rows[static_cast<std::size_t>(r)], v, active));
    }
}

void sumRows(const std::string& family, const Column& c, const AnalysisInputs& in,
             std::vector<AnalysisRow>& out) {
    const bool active = in.conditions.isActive(kSumQuadroSlot);
    const auto& rows = in.families.sums.rows;
    for (std::size_t r = 0; r < rows.size(); ++r) {
        const SumRow& row = rows[r];
        const std::int64_t sum = rowSum(row, in.families.picchetti, c);
        AnalysisRow line{family,
                         "Riga " + std::to_string(r + 1) +
                             (row.kind == 0 ? " Somma" : " Picchetto " + std::to_string(row.kind)),
                         scaledText(sum, 2)};
        const auto admitted = [sum](const OrSlot& o) { return o.admitted.holds(sum); };
        const auto recovered = [sum](const OrSlot& o) { return o.recovery.holds(sum); };
        const bool judgedRow = std::any_of(row.slots.begin(), row.slots.end(), [](const OrSlot& o) {
            return o.admitted.inUse() || o.recovery.inUse();
        });
        if (active && judgedRow) {
            const auto rec = std::find_if(row.slots.begin(), row.slots.end(), recovered);
            if (std::any_of(row.slots.begin(), row.slots.end(), admitted))
                line = judged(line, CellStatus::Admitted, 0);
            else if (rec != row.slots.end())
                line = judged(line, CellStatus::Recovery, rec->level);
            else
                line = judged(line, CellStatus::NotAdmitted, 0);
        }
        out.push_back(std::move(line));
    }
}

void filterRows(const std::string& family, const Column& c, const AnalysisInputs& in,
                std::vector<AnalysisRow>& out) {
    const ConditionFamilies& f = in.families;
    if (f.activeFilters.empty())
        return;
    std::uint64_t mask = 0;
    for (const auto n : c)
        mask |= std::uint64_t{1} << n;
    const auto admitting = std::count_if(f.activeFilters.begin(), f.activeFilters.end(),
                                         [mask](const ActiveFilter& a) { return admits(a, mask); });
    AnalysisRow row{family, "Colonne filtro che ammettono",
                    std::to_string(admitting) + "/" + std::to_string(f.activeFilters.size())};
    if (f.filtersInPlay())
        row = judged(row,
                     FilterColumnsTest(f.activeFilters).pass(c) ? CellStatus::Admitted
                                                                : CellStatus::NotAdmitted,
                     0);
    row.rejects = row.verdict == Verdict::NotAdmitted;
    out.push_back(std::move(row));
}

void andOrRows(const std::string& family, const Column& c, const AnalysisInputs& in,
               std::vector<AnalysisRow>& out) {
    const AndOrSet& set = in.families.andOr;
    for (int q = 0; q < kAndOrQuadri; ++q) {
        const AndOrQuadro& quadro = set.quadri[static_cast<std::size_t>(q)];
        if (!quadro.active)
            continue;
        const QuadroScore s = quadroScore(quadro, c);
        out.push_back({family, "Quadro " + std::to_string(q + 1) + " indovinate / punti",
                       std::to_string(s.guessed) + "/" + std::to_string(s.points)});
    }
    if (set.anyActive()) {
        const bool discarded = AndOrTest(set).mark(c) == kDiscardMark;
        AnalysisRow row = judged({family, "Esito dei quadri", ""},
                                 discarded ? CellStatus::NotAdmitted : CellStatus::Admitted, 0);
        row.rejects = discarded;
        out.push_back(std::move(row));
    }
}

AnalysisRow limitRow(std::string family, std::string name, std::int64_t value,
                     const RangePair& allowed, bool rejects) {
    AnalysisRow row =
        judged({std::move(family), std::move(name), std::to_string(value)},
               allowed.contains(value) ? CellStatus::Admitted : CellStatus::NotAdmitted, 0);
    row.rejects = rejects && row.verdict == Verdict::NotAdmitted;
    return row;
}

std::string withRange(const std::string& name, const RangePair& allowed) {
    return name + " (ammessi " + std::to_string(allowed.from) + ".." + std::to_string(allowed.to) +
           ")";
}

// Per judged slot: whether it failed, and the points it gives its quadri.
struct SlotOutcome {
    int slot;
    bool fails;
    std::int64_t points;
};

// A link counts the failures of its conditions and admits a range of them;
// the column is dropped only when the links out of range, or their excess
// over the ranges, go beyond the overall limits.
void linkRows(const std::vector<SlotOutcome>& slots, const AnalysisInputs& in,
              std::vector<AnalysisRow>& out) {
    const GroupTable& t = in.links.table;
    const int inUse = t.groupsInUse();
    std::int64_t excess = 0, wrong = 0;
    for (int l = 1; l <= inUse; ++l) {
        std::int64_t errors = 0;
        for (const SlotOutcome& s : slots)
            errors += t.holds(l, s.slot) && s.fails;
        const RangePair& r = t.range(l);
        out.push_back(limitRow("Link", withRange("Link " + std::to_string(l) + " errori", r),
                               errors, r, false));
        if (!r.contains(errors)) {
            ++wrong;
            excess += errors < r.from ? r.from - errors : errors - r.to;
        }
    }
    if (inUse == 0)
        return;
    out.push_back(limitRow("Link", withRange("Errori oltre le Link", in.links.overallExcess),
                           excess, in.links.overallExcess, true));
    out.push_back(limitRow("Link", withRange("Link sbagliati", in.links.wrongLinks), wrong,
                           in.links.wrongLinks, true));
}

// A point quadro sums what its conditions give when they pass: the value
// of a value row, 1 for a condition with a table.
void quadroRows(const std::vector<SlotOutcome>& slots, const AnalysisInputs& in,
                std::vector<AnalysisRow>& out) {
    if (!in.quadri)
        return;
    const GroupTable& t = in.quadri->table;
    const int inUse = t.groupsInUse();
    std::int64_t wrong = 0;
    for (int q = 1; q <= inUse; ++q) {
        std::int64_t score = 0;
        for (const SlotOutcome& s : slots)
            score += t.holds(q, s.slot) && !s.fails ? s.points : 0;
        out.push_back(limitRow("Punti tra Condizioni",
                               withRange("Quadro " + std::to_string(q) + " punti", t.range(q)),
                               score, t.range(q), false));
        wrong += !t.range(q).contains(score);
    }
    if (inUse > 0)
        out.push_back(limitRow("Punti tra Condizioni",
                               withRange("Quadri sbagliati", in.quadri->wrongQuadri), wrong,
                               in.quadri->wrongQuadri, true));
}

// Each level the active conditions use, with the passes on recovery this column charged.
std::vector<AnalysisRow> levelRows(const std::vector<AnalysisRow>& rows, const AnalysisInputs& in) {
    LevelUse use = levelsInUse(in.conditions);
    addFamilyLevels(in.conditions, in.families, use);
    std::vector<AnalysisRow> out;
    for (int l = 1; l <= kLevelCount; ++l) {
        if (use[static_cast<std::size_t>(l)] == 0)
            continue;
        const auto passes = std::count_if(rows.begin(), rows.end(), [l](const AnalysisRow& r) {
            return r.verdict == Verdict::Recovery && r.level == l;
        });
        out.push_back(limitRow("Livelli", "Livello " + std::string(recoveryLevelName(l)), passes,
                               {in.levels.min(l), in.levels.max(l)}, true));
    }
    for (int g = 1; g <= kMixedGroupCount; ++g) {
        if (!in.levels.groupInUse(g))
            continue;
        const auto passes = std::count_if(rows.begin(), rows.end(), [&](const AnalysisRow& r) {
            return r.verdict == Verdict::Recovery && in.levels.inGroup(r.level, g);
        });
        out.push_back(limitRow("Livelli", "Livelli Mescolati " + std::to_string(g), passes,
                               {in.levels.groupMin(g), in.levels.groupMax(g)}, true));
    }
    return out;
}

// Text padded with blanks to `width` characters (not bytes: names carry "°" and "à").
std::string padded(const std::string& text, std::size_t width) {
    const auto chars =
        static_cast<std::size_t>(std::count_if(text.begin(), text.end(), [](char ch) {
            return (static_cast<unsigned char>(ch) & 0xC0) != 0x80;
        }));
    return chars >= width ? text + ' ' : text + std::string(width - chars, ' ');
}

} // namespace

std::optional<Column> combinationColumn(const Combination& combination) {
    const std::vector<int> marked = combination.markedNumbers();
    if (marked.size() != static_cast<std::size_t>(kColumnSize) || marked.back() > kMaxNumber)
        return std::nullopt;
    Column c{};
    for (std::size_t i = 0; i < c.size(); ++i)
        c[i] = static_cast<std::uint8_t>(marked[i]);
    return c;
}

std::vector<AnalysisRow> analyseColumn(const Column& c, const AnalysisInputs& in) {
    std::vector<AnalysisRow> out;
    std::vector<SlotOutcome> slots; // the judged slots, for the links and quadri
    const int links = in.links.table.groupsInUse();
    for (const Family& family : families()) {
        const std::string name(family.name);
        for (int slot : family.activationSlots) {
            const std::size_t first = out.size();
            std::int64_t points = 1;
            if (slot == kRitardiVariSlot || slot == kAmboSlot)
                delayRows(name, slot, c, in, out);
            else if (slot == kSumQuadroSlot)
                sumRows(name, c, in, out);
            else {
                points = slotValue(slot, c, in);
                out.push_back(valueRow(name, slot, static_cast<int>(points), in));
            }
            const auto rows = std::span(out).subspan(first);
            // A condition with a table fails as a whole when one of its rows fails.
            const bool fails = std::any_of(rows.begin(), rows.end(), [](const AnalysisRow& r) {
                return r.verdict == Verdict::NotAdmitted;
            });
            bool linked = false;
            for (int l = 1; l <= links; ++l)
                linked = linked || in.links.table.holds(l, slot);
            for (AnalysisRow& r : rows)
                r.rejects = !linked && r.verdict == Verdict::NotAdmitted;
            if (in.conditions.isActive(slot))
                slots.push_back({slot, fails, points});
        }
        if (family.name == kFilterFamily)
            filterRows(name, c, in, out);
        else if (family.name == kAndOrFamily)
            andOrRows(name, c, in, out);
    }
    linkRows(slots, in, out);
    quadroRows(slots, in, out);
    std::vector<AnalysisRow> levels = levelRows(out, in);
    out.insert(out.end(), levels.begin(), levels.end());
    return out;
}

std::vector<std::string> rejectingConditions(const std::vector<AnalysisRow>& rows) {
    std::vector<std::string> out;
    for (const AnalysisRow& r : rows)
        if (r.rejects)
            out.push_back(r.family + ": " + r.name);
    return out;
}

std::string verdictText(const AnalysisRow& row) {
    switch (row.verdict) {
    case Verdict::Admitted:
        return "Ammesso";
    case Verdict::Recovery:
        return "Recupero " + std::string(recoveryLevelName(row.level));
    case Verdict::NotAdmitted:
        return "NON AMMESSO";
    default:
        return "-";
    }
}

std::vector<std::string> debugLines(const std::vector<AnalysisRow>& rows, bool errorsOnly) {
    std::vector<std::string> out;
    for (const AnalysisRow& r : rows)
        if (!errorsOnly || r.verdict == Verdict::NotAdmitted)
            out.push_back("   \\   " + padded(r.name, 36) + padded(r.value, 8) + verdictText(r));
    return out;
}

} // namespace varnelo
