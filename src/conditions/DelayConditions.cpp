#include "conditions/DelayConditions.h"

#include "conditions/DecimalCells.h"
#include "conditions/SlotEditor.h"

#include <algorithm>
#include <string>

namespace varnelo {

namespace {

constexpr std::array<std::string_view, kRitardiVariRows> kRitardiNames = {
    "Usciti", "Frequenza", "Ritardo", "Ritardo Max", "Ciclo", "%Uscita"};

constexpr std::array<std::string_view, kAmboRows> kAmboNames = {
    "Ritardo Totale Ambi", "Ritardo Ambo 1-2", "Ritardo Ambo 1-3", "Ritardo Ambo 1-4",
    "Ritardo Ambo 1-5",    "Ritardo Ambo 2-3", "Ritardo Ambo 2-4", "Ritardo Ambo 2-5",
    "Ritardo Ambo 3-4",    "Ritardo Ambo 3-5", "Ritardo Ambo 4-5"};

// Positions of the ten pairs, rows 1..10.
constexpr std::array<std::array<int, 2>, 10> kPairs = {
    {{0, 1}, {0, 2}, {0, 3}, {0, 4}, {1, 2}, {1, 3}, {1, 4}, {2, 3}, {2, 4}, {3, 4}}};

std::int64_t pairOf(int pair, const Column& c, const DelayTables& t) {
    const auto& p = kPairs[static_cast<std::size_t>(pair)];
    return t.pairDelay(c[static_cast<std::size_t>(p[0])], c[static_cast<std::size_t>(p[1])]);
}

} // namespace

bool IntervalRow::inUse() const {
    return recovery.inUse() || std::any_of(admitted.begin(), admitted.end(),
                                           [](const Interval& i) { return i.inUse(); });
}

std::optional<std::int64_t> ritardiVariCellValue(std::string_view typed) {
    const auto v = parseScaledCell(typed, 2, 99999);
    return v ? std::optional<std::int64_t>(*v * 100) : std::nullopt;
}

std::optional<std::int64_t> amboCellValue(std::string_view typed) {
    return parseScaledCell(typed, 0, 9999);
}

RowVerdict judgeRow(const IntervalRow& row, std::int64_t value) {
    for (const Interval& i : row.admitted)
        if (i.holds(value))
            return RowVerdict::Pass;
    if (row.recovery.holds(value))
        return RowVerdict::Recovery;
    return row.inUse() ? RowVerdict::Fail : RowVerdict::Pass;
}

std::string_view ritardiVariRowName(int row) {
    return row >= 0 && row < kRitardiVariRows ? kRitardiNames[static_cast<std::size_t>(row)] : "";
}

std::string_view amboRowName(int row) {
    return row >= 0 && row < kAmboRows ? kAmboNames[static_cast<std::size_t>(row)] : "";
}

std::int64_t ritardiVariValue(int row, const Column& c, const DelayTables& t) {
    std::int64_t s = 0;
    for (const auto n : c)
        s += t.figure(static_cast<NumberFigure>(row), n);
    return s;
}

std::int64_t amboValue(int row, const Column& c, const DelayTables& t) {
    if (row > 0)
        return pairOf(row - 1, c, t);
    std::int64_t s = 0;
    for (int p = 0; p < 10; ++p)
        s += pairOf(p, c, t);
    return s;
}

DelayRowsTest::DelayRowsTest(const DelayRows& rows, const DelayTables& tables, bool ambo)
    : ambo_(ambo) {
    for (std::size_t r = 0; r < rows.rows.size(); ++r)
        if (rows.rows[r].inUse())
            rows_.push_back({static_cast<int>(r), rows.rows[r]});
    if (ambo)
        for (int a = 1; a <= kMaxNumber; ++a)
            for (int b = 1; b <= kMaxNumber; ++b)
                pairDelays_[static_cast<std::size_t>(a)][static_cast<std::size_t>(b)] =
                    tables.pairDelay(a, b);
    if (!ambo)
        for (int f = 0; f < kRitardiVariRows; ++f)
            for (int n = 1; n <= kMaxNumber; ++n)
                figures_[static_cast<std::size_t>(f)][static_cast<std::size_t>(n)] =
                    tables.figure(static_cast<NumberFigure>(f), n);
    for (std::size_t f = 0; f < figures_.size(); ++f) {
        const auto [lo, hi] = std::minmax_element(figures_[f].begin() + 1, figures_[f].end());
        figureMin_[f] = *lo;
        figureMax_[f] = *hi;
    }
    // A number makes no pair with itself.
    for (std::size_t a = 1; a <= kMaxNumber; ++a) {
        pairMin_[a] = INT32_MAX;
        pairMax_[a] = INT32_MIN;
        for (std::size_t b = 1; b <= kMaxNumber; ++b)
            if (b != a) {
                pairMin_[a] = std::min(pairMin_[a], pairDelays_[a][b]);
                pairMax_[a] = std::max(pairMax_[a], pairDelays_[a][b]);
            }
    }
    // A row whose admitted intervals hold every value a column can give
    // never refuses nor charges a level: it is left out.
    const std::int64_t pairLo = *std::min_element(pairMin_.begin() + 1, pairMin_.end());
    const std::int64_t pairHi = *std::max_element(pairMax_.begin() + 1, pairMax_.end());
    std::erase_if(rows_, [&](const Row& r) {
        const auto index = static_cast<std::size_t>(r.index);
        if (!ambo_)
            return admitsRange(r.intervals.admitted, kColumnSize * figureMin_[index],
                               kColumnSize * figureMax_[index]);
        const int pairs = index == 0 ? 10 : 1;
        return admitsRange(r.intervals.admitted, pairs * pairLo, pairs * pairHi);
    });
}

void DelayRowsTest::cachePrefix(const Column& c, std::uint32_t key) const {
    prefix_.fill(0);
    if (ambo_) {
        for (std::size_t p = 0; p < kPairs.size(); ++p) {
            const auto& pair = kPairs[p];
            if (pair[1] == 4)
                continue;
            const std::int64_t d = pairDelays_[c[static_cast<std::size_t>(pair[0])]]
                                              [c[static_cast<std::size_t>(pair[1])]];
            prefix_[p + 1] = d;
            prefix_[0] += d;
        }
    } else {
        for (const Row& r : rows_)
            for (std::size_t k = 0; k < 4; ++k)
                prefix_[static_cast<std::size_t>(r.index)] +=
                    figures_[static_cast<std::size_t>(r.index)][c[k]];
    }
    cachedPrefix_ = key;
}

bool DelayRowsTest::pass(const Column& c, LevelCounters& counters) const {
    const std::uint32_t key = prefixKey(c);
    if (key != cachedPrefix_)
        cachePrefix(c, key);
    const auto last = c[4];
    // The four pairs with the last number complete the ten pair delays.
    std::array<std::int64_t, kAmboRows> pairs = prefix_;
    if (ambo_) {
        const auto& withLast = pairDelays_[last];
        for (const std::size_t p : {3u, 6u, 8u, 9u}) {
            const std::int64_t d = withLast[c[static_cast<std::size_t>(kPairs[p][0])]];
            pairs[p + 1] = d;
            pairs[0] += d;
        }
    }
    for (const Row& r : rows_) {
        const auto index = static_cast<std::size_t>(r.index);
        const std::int64_t v = ambo_ ? pairs[index] : prefix_[index] + figures_[index][last];
        switch (judgeRow(r.intervals, v)) {
        case RowVerdict::Fail:
            return false;
        case RowVerdict::Recovery:
            ++counters[r.intervals.level];
            break;
        default:
            break;
        }
    }
    return true;
}

LastVerdicts DelayRowsTest::lastVerdicts(const Column& c, NumberSet last) const {
    if (rows_.empty())
        return {};
    const std::uint32_t key = prefixKey(c);
    if (key != cachedPrefix_)
        cachePrefix(c, key);
    LastVerdicts out;
    for (const Row& r : rows_) {
        const auto index = static_cast<std::size_t>(r.index);
        std::int64_t lo = prefix_[index], hi = prefix_[index];
        // A pair of the first four numbers: one value for every last number.
        const bool prefixPair = ambo_ && index > 0 && kPairs[index - 1][1] != 4;
        if (!prefixPair && ambo_) {
            for (std::size_t k = 0; k < 4; ++k)
                if (index == 0 || kPairs[index - 1][0] == static_cast<int>(k)) {
                    lo += pairMin_[c[k]];
                    hi += pairMax_[c[k]];
                }
        } else if (!ambo_) {
            lo += figureMin_[index];
            hi += figureMax_[index];
        }
        if (admitsRange(r.intervals.admitted, lo, hi))
            continue;
        auto valueOf = [&](int n) -> std::int64_t {
            if (!ambo_)
                return prefix_[index] + figures_[index][static_cast<std::size_t>(n)];
            if (prefixPair)
                return prefix_[index];
            const auto& withLast = pairDelays_[static_cast<std::size_t>(n)];
            if (index > 0)
                return withLast[c[static_cast<std::size_t>(kPairs[index - 1][0])]];
            return prefix_[0] + withLast[c[0]] + withLast[c[1]] + withLast[c[2]] + withLast[c[3]];
        };
        judgeLastNumbers(
            last, valueOf, [&](std::int64_t v) { return judgeRow(r.intervals, v); }, out);
    }
    return out;
}

std::optional<Notice> checkIntervalRows(const DelayRows& rows) {
    for (std::size_t r = 0; r < rows.rows.size(); ++r) {
        const IntervalRow& row = rows.rows[r];
        const bool inverted =
            row.recovery.inverted() || std::any_of(row.admitted.begin(), row.admitted.end(),
                                                   [](const Interval& i) { return i.inverted(); });
        if (inverted)
            return Notice{"Il valore Max. e Minore del valore Min:",
                          {"Nella colonna N° " + std::to_string(r + 1),
                           "Il valore Min. e superiore a quello Max.",
                           "Il valore Max deve essere superiore o uguale a quello Min."}};
    }
    return std::nullopt;
}

std::optional<Notice> unleveledRecovery(const DelayRows& rows) {
    for (const IntervalRow& row : rows.rows)
        if (row.recovery.inUse() && row.level == 0)
            return recoveryWithoutLevelNotice("inserito Recupero Senza Livello:");
    return std::nullopt;
}

bool commitDelayRows(TableEditor<DelayRows>& editor) {
    const auto& rows = editor.table().rows;
    return editor.commit(
        std::any_of(rows.begin(), rows.end(), [](const IntervalRow& r) { return r.inUse(); }));
}

} // namespace varnelo
