// The sections of the settings file (.sse) that hold links, point quadri,
// level limits and the tables of the condition families; docs/sistema-sse.md
// describes their records.
#include "system/SystemFile.h"

#include <algorithm>

namespace varnelo {

namespace {

using Lines = std::vector<std::string>;
using Values = std::vector<long long>;

std::string line(const Values& v) {
    return listForm(v);
}

// Reads the section's records in order; any record out of place fails the file.
class Records {
  public:
    explicit Records(const Lines& lines) : lines_(lines) {}
    bool next(Values& v) { return at_ < lines_.size() && readList(lines_[at_++], v); }
    bool next(Values& v, std::size_t count) { return next(v) && v.size() == count; }
    bool nextText(std::string& text) {
        if (at_ >= lines_.size())
            return false;
        const std::string& l = lines_[at_++];
        if (l.size() < 2 || l.front() != '"' || l.back() != '"')
            return false;
        text = l.substr(1, l.size() - 2);
        return true;
    }
    bool done() const { return at_ == lines_.size(); }

  private:
    const Lines& lines_;
    std::size_t at_ = 0;
};

bool within(const Values& v, long long lo, long long hi, std::size_t from = 0,
            std::size_t to = SIZE_MAX) {
    for (std::size_t i = from; i < std::min(to, v.size()); ++i)
        if (v[i] < lo || v[i] > hi)
            return false;
    return true;
}

constexpr long long kInt16 = 32767;
constexpr long long kInt32 = 2147483647;

// Links and quadri: per group in use or holding anything, "group inUse from
// to" then "slot membership" pairs; then the slot index pairs.
void writeGroups(const GroupTable& t, Lines& out) {
    for (int g = 1; g <= kGroupCount; ++g) {
        Values v = {g, t.inUse(g) ? 1 : 0, t.range(g).from, t.range(g).to};
        for (int s = 1; s <= kSlotCount; ++s)
            if (t.membership(g, s) != 0) {
                v.push_back(s);
                v.push_back(t.membership(g, s));
            }
        if (v.size() > 4 || v[1] || v[2] || v[3])
            out.push_back(line(v));
    }
    Values index = {0};
    for (int s = 1; s <= kSlotCount; ++s)
        if (t.slotIndex(s) != 0) {
            index.push_back(s);
            index.push_back(t.slotIndex(s));
        }
    out.push_back(line(index));
}

bool readGroups(Records& r, GroupTable& t) {
    Values v;
    GroupTable read;
    while (r.next(v)) {
        if (!v.empty() && v[0] == 0) { // the slot index record closes the groups
            if (v.size() % 2 != 1)
                return false;
            for (std::size_t i = 1; i < v.size(); i += 2) {
                if (v[i] < 1 || v[i] > kSlotCount || v[i + 1] < 0 || v[i + 1] > 255)
                    return false;
                read.setSlotIndex(static_cast<int>(v[i]), static_cast<std::uint8_t>(v[i + 1]));
            }
            t = read;
            return true;
        }
        if (v.size() < 4 || v.size() % 2 != 0 || v[0] < 1 || v[0] > kGroupCount ||
            !within(v, 0, 1, 1, 2) || !within(v, -kInt32 - 1, kInt32, 2, 4))
            return false;
        const int g = static_cast<int>(v[0]);
        read.setInUse(g, v[1] == 1);
        read.range(g) = {static_cast<std::int32_t>(v[2]), static_cast<std::int32_t>(v[3])};
        for (std::size_t i = 4; i < v.size(); i += 2) {
            if (v[i] < 1 || v[i] > kSlotCount || v[i + 1] < -kInt16 - 1 || v[i + 1] > kInt16)
                return false;
            read.setMembership(g, static_cast<int>(v[i]), static_cast<std::int16_t>(v[i + 1]));
        }
    }
    return false;
}

bool readPair(Records& r, RangePair& p) {
    Values v;
    if (!r.next(v, 2) || !within(v, -kInt32 - 1, kInt32))
        return false;
    p = {static_cast<std::int32_t>(v[0]), static_cast<std::int32_t>(v[1])};
    return true;
}

SystemSection linkSection() {
    return {"link",
            [](const SystemSettings& s, Lines& out) {
                out.push_back(line({s.links.overallExcess.from, s.links.overallExcess.to}));
                out.push_back(line({s.links.wrongLinks.from, s.links.wrongLinks.to}));
                writeGroups(s.links.table, out);
            },
            [](const Lines& lines, SystemSettings& s) {
                Records r(lines);
                Links l;
                if (!readPair(r, l.overallExcess) || !readPair(r, l.wrongLinks) ||
                    !readGroups(r, l.table) || !r.done())
                    return false;
                s.links = l;
                return true;
            }};
}

SystemSection quadriSection() {
    return {"quadri",
            [](const SystemSettings& s, Lines& out) {
                out.push_back(line({s.quadri.wrongQuadri.from, s.quadri.wrongQuadri.to}));
                writeGroups(s.quadri.table, out);
            },
            [](const Lines& lines, SystemSettings& s) {
                Records r(lines);
                Quadri q;
                if (!readPair(r, q.wrongQuadri) || !readGroups(r, q.table) || !r.done())
                    return false;
                s.quadri = q;
                return true;
            }};
}

// Levels: "level min max" for 1..40, then "group min max level..." for every
// group that holds a level or has limits of its own.
SystemSection levelSection() {
    return {"livelli",
            [](const SystemSettings& s, Lines& out) {
                const LevelLimits& l = s.levels;
                for (int level = 1; level <= kLevelCount; ++level)
                    out.push_back(line({level, l.min(level), l.max(level)}));
                const LevelLimits fresh;
                for (int g = 1; g <= kMixedGroupCount; ++g) {
                    Values v = {g, l.groupMin(g), l.groupMax(g)};
                    for (int level = 1; level <= kLevelCount; ++level)
                        if (l.inGroup(level, g))
                            v.push_back(level);
                    if (v.size() > 3 || l.groupMin(g) != fresh.groupMin(g) ||
                        l.groupMax(g) != fresh.groupMax(g))
                        out.push_back(line(v));
                }
            },
            [](const Lines& lines, SystemSettings& s) {
                Records r(lines);
                LevelLimits l;
                Values v;
                for (int level = 1; level <= kLevelCount; ++level) {
                    if (!r.next(v, 3) || v[0] != level || !within(v, -kInt32 - 1, kInt32))
                        return false;
                    l.setMax(level, static_cast<std::int32_t>(v[2]));
                    l.setMin(level, static_cast<std::int32_t>(v[1]));
                }
                while (!r.done()) {
                    if (!r.next(v) || v.size() < 3 || v[0] < 1 || v[0] > kMixedGroupCount ||
                        !within(v, -kInt32 - 1, kInt32, 1, 3) || !within(v, 1, kLevelCount, 3))
                        return false;
                    const int g = static_cast<int>(v[0]);
                    l.setGroupMax(g, static_cast<std::int32_t>(v[2]));
                    l.setGroupMin(g, static_cast<std::int32_t>(v[1]));
                    for (std::size_t i = 3; i < v.size(); ++i)
                        l.setInGroup(static_cast<int>(v[i]), g, true);
                }
                s.levels = l;
                return true;
            }};
}

// Picchetti: ten records of 50 values (numbers 1..50, × 100).
SystemSection picchettoSection() {
    return {"picchetti",
            [](const SystemSettings& s, Lines& out) {
                for (int p = 1; p <= kPicchettoCount; ++p) {
                    Values v;
                    for (int n = 1; n <= 50; ++n)
                        v.push_back(s.families.picchetti.value(p, n));
                    out.push_back(line(v));
                }
            },
            [](const Lines& lines, SystemSettings& s) {
                Records r(lines);
                PicchettoTable t;
                Values v;
                for (int p = 1; p <= kPicchettoCount; ++p) {
                    if (!r.next(v, 50) || !within(v, -kInt32 - 1, kInt32))
                        return false;
                    for (int n = 1; n <= 50; ++n)
                        t.setValue(p, n,
                                   static_cast<std::int32_t>(v[static_cast<std::size_t>(n - 1)]));
                }
                if (!r.done())
                    return false;
                s.families.picchetti = t;
                return true;
            }};
}

// Sum quadro: one record per row: the kind, then per OR slot Min, Max, Min
// recovery, Max recovery and level, then the numbers of the row's set.
SystemSection sumSection() {
    return {"somme",
            [](const SystemSettings& s, Lines& out) {
                for (const SumRow& row : s.families.sums.rows) {
                    Values v = {row.kind};
                    for (const OrSlot& o : row.slots)
                        v.insert(v.end(), {o.admitted.min, o.admitted.max, o.recovery.min,
                                           o.recovery.max, o.level});
                    for (int n = 1; n <= 50; ++n)
                        if (row.holds(n))
                            v.push_back(n);
                    out.push_back(line(v));
                }
            },
            [](const Lines& lines, SystemSettings& s) {
                if (lines.size() > kSumRowCount)
                    return false;
                SumQuadro q;
                Values v;
                Records r(lines);
                while (!r.done()) {
                    if (!r.next(v) || v.size() < 26 || !within(v, 0, kPicchettoCount, 0, 1) ||
                        !within(v, 1, 50, 26))
                        return false;
                    SumRow row;
                    row.kind = static_cast<std::uint8_t>(v[0]);
                    for (std::size_t k = 0; k < kOrSlotCount; ++k) {
                        const std::size_t b = 1 + 5 * k;
                        if (v[b + 4] < 0 || v[b + 4] > kLevelCount)
                            return false;
                        row.slots[k] = {{v[b], v[b + 1]},
                                        {v[b + 2], v[b + 3]},
                                        static_cast<std::uint8_t>(v[b + 4])};
                    }
                    for (std::size_t i = 26; i < v.size(); ++i)
                        row.setNumber(static_cast<int>(v[i]), true);
                    q.rows.push_back(row);
                }
                s.families.sums = q;
                return true;
            }};
}

// Sequele: eleven records of five marks (0 any, 1 even, 2 odd).
SystemSection sequeleSection() {
    return {"sequele",
            [](const SystemSettings& s, Lines& out) {
                for (int k = 1; k <= kSequeleCount; ++k) {
                    Values v;
                    for (int p = 1; p <= kColumnSize; ++p)
                        v.push_back(static_cast<long long>(s.families.sequele.mark(k, p)));
                    out.push_back(line(v));
                }
            },
            [](const Lines& lines, SystemSettings& s) {
                Records r(lines);
                SequelePatterns patterns;
                Values v;
                for (int k = 1; k <= kSequeleCount; ++k) {
                    if (!r.next(v, kColumnSize) || !within(v, 0, 2))
                        return false;
                    for (int p = 1; p <= kColumnSize; ++p)
                        patterns.setMark(
                            k, p, static_cast<ParityMark>(v[static_cast<std::size_t>(p - 1)]));
                }
                if (!r.done())
                    return false;
                s.families.sequele = patterns;
                return true;
            }};
}

// "Ritardi Vari" and the ambo delays: one record per row: the three
// admitted intervals, the recovery interval and its level.
SystemSection delayRowsSection(const char* name, DelayRows ConditionFamilies::*rows,
                               std::size_t count) {
    return {name,
            [rows](const SystemSettings& s, Lines& out) {
                for (const IntervalRow& row : (s.families.*rows).rows) {
                    Values v;
                    for (const Interval& i : row.admitted) {
                        v.push_back(i.min);
                        v.push_back(i.max);
                    }
                    v.push_back(row.recovery.min);
                    v.push_back(row.recovery.max);
                    v.push_back(row.level);
                    out.push_back(line(v));
                }
            },
            [rows, count](const Lines& lines, SystemSettings& s) {
                if (lines.size() != count)
                    return false;
                DelayRows read;
                Values v;
                Records r(lines);
                while (!r.done()) {
                    if (!r.next(v, 9) || !within(v, 0, kLevelCount, 8))
                        return false;
                    IntervalRow row;
                    for (std::size_t k = 0; k < 3; ++k)
                        row.admitted[k] = {v[2 * k], v[2 * k + 1]};
                    row.recovery = {v[6], v[7]};
                    row.level = static_cast<std::uint8_t>(v[8]);
                    read.rows.push_back(row);
                }
                s.families.*rows = read;
                return true;
            }};
}

// Filter columns as records "hits consecutive number...", hits and
// consecutive counts written as bit sets 0..63.
void writeListColumn(const ListColumn& c, Lines& out) {
    Values v = {c.hits, c.consecutive};
    for (const auto n : c.numbers)
        v.push_back(n);
    out.push_back(line(v));
}

bool readListColumn(Records& r, ListColumn& c) {
    Values v;
    if (!r.next(v) || v.size() < 2 || !within(v, 0, 63, 0, 2) || !within(v, 0, 99, 2))
        return false;
    c.hits = static_cast<std::uint8_t>(v[0]);
    c.consecutive = static_cast<std::uint8_t>(v[1]);
    c.numbers.clear();
    for (std::size_t i = 2; i < v.size(); ++i)
        c.numbers.push_back(static_cast<std::uint8_t>(v[i]));
    return true;
}

// AND/OR: the 21 flags of the OR requirement; per quadro that holds
// anything "quadro logic active guessedMin guessedMax pointsMin pointsMax
// count", its name in quotes and its filter columns.
SystemSection andOrSection() {
    return {"andor",
            [](const SystemSettings& s, Lines& out) {
                const AndOrSet& a = s.families.andOr;
                Values flags;
                for (int k = 0; k <= kAndOrQuadri; ++k)
                    flags.push_back(a.orRequirement.test(static_cast<std::size_t>(k)) ? 1 : 0);
                out.push_back(line(flags));
                for (std::size_t k = 0; k < a.quadri.size(); ++k) {
                    const AndOrQuadro& q = a.quadri[k];
                    if (q == AndOrQuadro{})
                        continue;
                    out.push_back(line({static_cast<long long>(k + 1), q.orLogic, q.active,
                                        q.guessed.min, q.guessed.max, q.points.min, q.points.max,
                                        static_cast<long long>(q.columns.size())}));
                    out.push_back("\"" + q.name + "\"");
                    for (const FilterColumn& f : q.columns)
                        writeListColumn({maskNumbers(f.numbers), f.hits, 0}, out);
                }
            },
            [](const Lines& lines, SystemSettings& s) {
                Records r(lines);
                AndOrSet a;
                Values v;
                if (!r.next(v, kAndOrQuadri + 1) || !within(v, 0, 1))
                    return false;
                for (int k = 0; k <= kAndOrQuadri; ++k)
                    a.orRequirement.set(static_cast<std::size_t>(k),
                                        v[static_cast<std::size_t>(k)] == 1);
                while (!r.done()) {
                    if (!r.next(v, 8) || !within(v, 1, kAndOrQuadri, 0, 1) ||
                        !within(v, 0, 1, 1, 3) || !within(v, -kInt16 - 1, kInt16, 3, 7) ||
                        !within(v, 0, static_cast<long long>(kMaxQuadroColumns), 7))
                        return false;
                    AndOrQuadro& q = a.quadri[static_cast<std::size_t>(v[0] - 1)];
                    q.orLogic = v[1] == 1;
                    q.active = v[2] == 1;
                    q.guessed = {static_cast<std::int16_t>(v[3]), static_cast<std::int16_t>(v[4])};
                    q.points = {static_cast<std::int16_t>(v[5]), static_cast<std::int16_t>(v[6])};
                    if (!r.nextText(q.name))
                        return false;
                    for (long long j = 0; j < v[7]; ++j) {
                        ListColumn c;
                        if (!readListColumn(r, c))
                            return false;
                        q.columns.push_back({numberMask(c.numbers), c.hits});
                    }
                }
                s.families.andOr = a;
                return true;
            }};
}

// Filter columns: "active count" and the list's columns, then "count" and
// the active store as "min max consecutive number...".
SystemSection filterSection() {
    return {"colonnefiltro",
            [](const SystemSettings& s, Lines& out) {
                const ConditionFamilies& f = s.families;
                out.push_back(line({f.filterList.active ? 1 : 0,
                                    static_cast<long long>(f.filterList.columns.size())}));
                for (const ListColumn& c : f.filterList.columns)
                    writeListColumn(c, out);
                out.push_back(line({static_cast<long long>(f.activeFilters.size())}));
                for (const ActiveFilter& a : f.activeFilters) {
                    Values v = {a.minHits, a.maxHits, a.consecutive};
                    for (const auto n : maskNumbers(a.numbers))
                        v.push_back(n);
                    out.push_back(line(v));
                }
            },
            [](const Lines& lines, SystemSettings& s) {
                Records r(lines);
                FilterList list;
                ActiveFilters store;
                Values v;
                const long long most = static_cast<long long>(kMaxFilterColumns);
                if (!r.next(v, 2) || !within(v, 0, 1, 0, 1) || !within(v, 0, most, 1))
                    return false;
                list.active = v[0] == 1;
                for (long long j = v[1]; j > 0; --j) {
                    ListColumn c;
                    if (!readListColumn(r, c))
                        return false;
                    list.columns.push_back(std::move(c));
                }
                if (!r.next(v, 1) || !within(v, 0, most))
                    return false;
                for (long long j = v[0]; j > 0; --j) {
                    if (!r.next(v) || v.size() < 3 || !within(v, 0, 63, 0, 3) ||
                        !within(v, 1, kMaxNumber, 3))
                        return false;
                    ActiveFilter a{0, static_cast<std::uint8_t>(v[0]),
                                   static_cast<std::uint8_t>(v[1]),
                                   static_cast<std::uint8_t>(v[2])};
                    for (std::size_t i = 3; i < v.size(); ++i)
                        a.numbers |= std::uint64_t{1} << v[i];
                    store.push_back(a);
                }
                if (!r.done())
                    return false;
                s.families.filterList = std::move(list);
                s.families.activeFilters = std::move(store);
                return true;
            }};
}

// The comparison draws K of "Confronta Colonne Vincenti".
SystemSection comparisonSection() {
    return {"confronto",
            [](const SystemSettings& s, Lines& out) {
                out.push_back(line({s.families.comparisonDraws}));
            },
            [](const Lines& lines, SystemSettings& s) {
                Records r(lines);
                Values v;
                if (!r.next(v, 1) || !within(v, kMinComparisonDraws, kMaxComparisonDraws) ||
                    !r.done())
                    return false;
                s.families.comparisonDraws = static_cast<int>(v[0]);
                return true;
            }};
}

} // namespace

std::vector<SystemSection> conditionSections() {
    return {linkSection(),
            quadriSection(),
            levelSection(),
            picchettoSection(),
            sumSection(),
            sequeleSection(),
            delayRowsSection("ritardivari", &ConditionFamilies::ritardiVari, kRitardiVariRows),
            delayRowsSection("ambo", &ConditionFamilies::ambo, kAmboRows),
            andOrSection(),
            filterSection(),
            comparisonSection()};
}

} // namespace varnelo
