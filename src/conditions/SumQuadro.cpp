#include "conditions/SumQuadro.h"

#include "conditions/DecimalCells.h"
#include "conditions/IntegerTokens.h"

#include <algorithm>
#include <numeric>

namespace varnelo {

namespace {

std::int64_t weightOf(int kind, const PicchettoTable& picchetti, int n) {
    return kind == 0 ? std::int64_t{n} * 100 : picchetti.value(kind, n);
}

bool slotEmpty(const OrSlot& s) {
    return s.admitted.min < 1 && s.admitted.max < 1 && s.recovery.min < 1 && s.recovery.max < 1;
}

bool rowHasValue(const SumRow& r) {
    return std::any_of(r.slots.begin(), r.slots.end(), [](const OrSlot& s) {
        return s.admitted.min > 0 || s.admitted.max > 0 || s.recovery.min > 0 || s.recovery.max > 0;
    });
}

} // namespace

void SumRow::setNumber(int n, bool on) {
    if (n < 1 || n > 50)
        return;
    if (on)
        numbers |= std::uint64_t{1} << n;
    else
        numbers &= ~(std::uint64_t{1} << n);
}

std::int64_t rowSum(const SumRow& row, const PicchettoTable& picchetti, const Column& c) {
    std::int64_t s = 0;
    for (const auto n : c)
        if (row.holds(n))
            s += weightOf(row.kind, picchetti, n);
    return s;
}

SumQuadroTest::SumQuadroTest(const SumQuadro& q, const PicchettoTable& picchetti) {
    for (const SumRow& r : q.rows) {
        Row row;
        for (int n = 1; n <= kMaxNumber; ++n)
            row.weight[static_cast<std::size_t>(n)] =
                r.holds(n) ? weightOf(r.kind, picchetti, n) : 0;
        for (const OrSlot& s : r.slots) {
            if (s.admitted.inUse())
                row.admitted.push_back(s.admitted);
            if (s.recovery.inUse())
                row.recovery.emplace_back(s.recovery, s.level);
        }
        const auto [lo, hi] = std::minmax_element(row.weight.begin() + 1, row.weight.end() - 1);
        row.weightMin = *lo;
        row.weightMax = *hi;
        // A row with no interval in use has nothing to judge: it would
        // otherwise reject every column of the development. Nor has one
        // that admits every sum of five of its weights.
        std::vector<std::int64_t> sorted(row.weight.begin() + 1, row.weight.end() - 1);
        std::sort(sorted.begin(), sorted.end());
        const std::int64_t least =
            std::accumulate(sorted.begin(), sorted.begin() + kColumnSize, 0LL);
        const std::int64_t most = std::accumulate(sorted.end() - kColumnSize, sorted.end(), 0LL);
        if ((!row.admitted.empty() || !row.recovery.empty()) &&
            !admitsRange(row.admitted, least, most))
            rows_.push_back(std::move(row));
    }
}

void SumQuadroTest::cachePrefix(const Column& c) const {
    if (const std::uint32_t key = prefixKey(c); key != cachedPrefix_) {
        prefix_.assign(rows_.size(), 0);
        for (std::size_t r = 0; r < rows_.size(); ++r)
            for (std::size_t k = 0; k < 4; ++k)
                prefix_[r] += rows_[r].weight[c[k]];
        cachedPrefix_ = key;
    }
}

LastVerdicts SumQuadroTest::lastVerdicts(const Column& c, NumberSet last) const {
    cachePrefix(c);
    LastVerdicts out;
    for (std::size_t at = 0; at < rows_.size(); ++at) {
        const Row& r = rows_[at];
        const std::int64_t base = prefix_[at];
        if (admitsRange(r.admitted, base + r.weightMin, base + r.weightMax))
            continue;
        judgeLastNumbers(
            last, [&](int n) { return base + r.weight[static_cast<std::size_t>(n)]; },
            [&](std::int64_t s) {
                if (std::any_of(r.admitted.begin(), r.admitted.end(),
                                [s](const Interval& i) { return i.holds(s); }))
                    return RowVerdict::Pass;
                return std::any_of(r.recovery.begin(), r.recovery.end(),
                                   [s](const auto& i) { return i.first.holds(s); })
                           ? RowVerdict::Recovery
                           : RowVerdict::Fail;
            },
            out);
    }
    return out;
}

bool SumQuadroTest::pass(const Column& c, LevelCounters& counters) const {
    cachePrefix(c);
    for (std::size_t at = 0; at < rows_.size(); ++at) {
        const Row& r = rows_[at];
        const std::int64_t s = prefix_[at] + r.weight[c[4]];
        if (std::any_of(r.admitted.begin(), r.admitted.end(),
                        [s](const Interval& i) { return i.holds(s); }))
            continue;
        const auto rec = std::find_if(r.recovery.begin(), r.recovery.end(),
                                      [s](const auto& i) { return i.first.holds(s); });
        if (rec == r.recovery.end())
            return false;
        ++counters[rec->second];
    }
    return true;
}

std::pair<std::int64_t, std::int64_t> admittedSumRange(int kind, const PicchettoTable& picchetti,
                                                       const std::array<bool, 51>& chosen) {
    std::vector<std::int64_t> v;
    for (int n = 1; n <= kMaxNumber; ++n)
        v.push_back(chosen[static_cast<std::size_t>(n)] ? weightOf(kind, picchetti, n) : 0);
    std::sort(v.begin(), v.end());
    std::int64_t lo = 0;
    std::int64_t hi = 0;
    for (std::size_t k = 0; k < kColumnSize; ++k) {
        lo += v[k];
        hi += v[v.size() - 1 - k];
    }
    return {lo, hi};
}

std::string admittedSumLabel(int kind, const PicchettoTable& picchetti,
                             const std::array<bool, 51>& chosen) {
    const auto [lo, hi] = admittedSumRange(kind, picchetti, chosen);
    return " Somma Ammessa:    Min = " + scaledText(lo, 2) + "    Max = " + scaledText(hi, 2);
}

std::optional<std::int64_t> sumCellValue(std::string_view typed) {
    return parseScaledCell(typed, 2, 9999);
}

std::optional<Notice> checkSumIntervals(const SumQuadro& q) {
    for (const SumRow& r : q.rows)
        for (const OrSlot& s : r.slots)
            if (s.admitted.inverted() || s.recovery.inverted())
                return Notice{"Errore:",
                              {"Errore di intervalli..", "Errore di inserimento somma ammessa",
                               "il valore Minimo e superiore a quello Massimo"}};
    return std::nullopt;
}

std::optional<Notice> checkSumQuadroToSave(const SumQuadro& q) {
    if (q.rows.empty() || (q.rows.front().numbers == 0 && !rowHasValue(q.rows.front())))
        return Notice{"Colonne filtro mancante:",
                      {"Non ci sono colonne filtro", "inserite nel quadro da salvare!"}};
    return std::nullopt;
}

void tidySumQuadro(SumQuadro& q) {
    if (q.rows.size() > kSumRowCount)
        q.rows.resize(kSumRowCount);
    for (SumRow& r : q.rows)
        for (OrSlot& s : r.slots)
            if (slotEmpty(s))
                s = OrSlot{};
}

std::string formatSumQuadroFile(const SumQuadro& q, bool active) {
    std::string out = std::to_string(q.rows.size()) + " " + (active ? "1" : "0") + "\r\n";
    auto line = [&out](std::int64_t v) { out += std::to_string(v) + "\r\n"; };
    for (const SumRow& r : q.rows)
        for (const OrSlot& s : r.slots) {
            line(s.admitted.min);
            line(s.admitted.max);
            line(s.recovery.min);
            line(s.recovery.max);
            line(s.level);
        }
    for (const SumRow& r : q.rows)
        for (int n = 1; n <= 50; ++n)
            line(r.holds(n) ? 1 : 0);
    for (const SumRow& r : q.rows)
        line(r.kind);
    return out;
}

bool parseSumQuadroFile(std::string_view text, SumQuadro& q, bool& active, std::string& error) {
    IntegerTokens t(text);
    long long n = 0;
    long long flag = 0;
    SumQuadro read;
    bool ok = t.next(n, 0, kSumRowCount) && t.next(flag, 0, 1);
    if (ok)
        read.rows.resize(static_cast<std::size_t>(n));
    constexpr long long kBound = 1'000'000'000;
    long long v[5] = {};
    for (std::size_t r = 0; ok && r < read.rows.size(); ++r)
        for (OrSlot& s : read.rows[r].slots) {
            ok = t.next(v[0], -kBound, kBound) && t.next(v[1], -kBound, kBound) &&
                 t.next(v[2], -kBound, kBound) && t.next(v[3], -kBound, kBound) &&
                 t.next(v[4], 0, kLevelCount);
            if (!ok)
                break;
            s = OrSlot{{v[0], v[1]}, {v[2], v[3]}, static_cast<std::uint8_t>(v[4])};
        }
    for (std::size_t r = 0; ok && r < read.rows.size(); ++r)
        for (int k = 1; ok && k <= 50; ++k) {
            ok = t.next(v[0], 0, 1);
            read.rows[r].setNumber(k, ok && v[0] == 1);
        }
    for (std::size_t r = 0; ok && r < read.rows.size(); ++r) {
        ok = t.next(v[0], 0, kPicchettoCount);
        read.rows[r].kind = static_cast<std::uint8_t>(v[0]);
    }
    if (!ok) {
        error = t.bad() ? "Il quadro delle somme non e valido: un valore e fuori posto."
                        : "Il quadro delle somme e incompleto.";
        return false;
    }
    q = std::move(read);
    active = flag == 1;
    return true;
}

bool commitSumQuadro(TableEditor<SumQuadro>& editor) {
    SumQuadro& q = editor.table();
    tidySumQuadro(q);
    return editor.commit(!q.rows.empty() && rowHasValue(q.rows.front()));
}

} // namespace varnelo
