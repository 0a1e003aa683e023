#include "conditions/FilterColumns.h"

#include <algorithm>
#include <bit>

namespace varnelo {

namespace {

std::uint8_t bitsBetween(int lo, int hi) {
    std::uint8_t b = 0;
    for (int h = std::max(0, lo); h <= std::min(5, hi); ++h)
        b |= static_cast<std::uint8_t>(1u << h);
    return b;
}

// Keeps first..last (1-based) inside the list; false when nothing is left.
bool clampRange(const FilterList& list, std::size_t& first, std::size_t& last) {
    first = std::max<std::size_t>(first, 1);
    last = std::min(last, list.columns.size());
    return first <= last;
}

} // namespace

int sharedConsecutive(std::uint64_t shared) {
    return std::popcount(shared & (shared >> 1));
}

std::optional<Notice> activateFilterList(const FilterList& list, ActiveFilters& store) {
    std::size_t used = list.columns.size();
    while (used > 0 && list.columns[used - 1].numbers.empty())
        --used;
    if (used == 0)
        return Notice{"Avviso:", {"Non e inserito nessuna colonna filtro."}};
    for (std::size_t j = 0; j < used; ++j)
        if (list.columns[j].numbers.empty())
            return Notice{
                "Avviso:",
                {"Non si devono lasciare spazi vuoti",
                 "tra una colonna filtro e l'altra:", "Nella colonna N° " + std::to_string(j + 1)}};
    ActiveFilters built;
    for (std::size_t j = 0; j < std::min(used, kMaxFilterColumns); ++j) {
        const ListColumn& c = list.columns[j];
        ActiveFilter f;
        f.numbers = numberMask(c.numbers);
        if (c.hits != 0) {
            f.minHits = static_cast<std::uint8_t>(std::countr_zero(c.hits));
            f.maxHits = static_cast<std::uint8_t>(7 - std::countl_zero(c.hits));
        } else {
            // No admitted hit at all: the filter column admits no column.
            f.minHits = 1;
            f.maxHits = 0;
        }
        f.consecutive = c.consecutive & 0x3F;
        built.push_back(f);
    }
    store = std::move(built);
    return std::nullopt;
}

bool admits(const ActiveFilter& f, std::uint64_t columnMask) {
    const std::uint64_t shared = columnMask & f.numbers;
    const int hits = std::popcount(shared);
    if (hits < f.minHits || hits > f.maxHits)
        return false;
    return f.consecutive == 0 || (f.consecutive >> sharedConsecutive(shared) & 1u) != 0;
}

FilterColumnsTest::FilterColumnsTest(const ActiveFilters& store)
    : store_(store), hits_(
                         [&store] {
                             std::vector<std::uint64_t> masks;
                             for (const ActiveFilter& f : store)
                                 masks.push_back(f.numbers);
                             return masks;
                         }(),
                         [&store] {
                             std::vector<std::uint8_t> bits;
                             for (const ActiveFilter& f : store)
                                 bits.push_back(bitsBetween(f.minHits, f.maxHits));
                             return bits;
                         }()) {
    for (std::size_t j = 0; j < store_.size(); ++j)
        if (store_[j].consecutive != 0)
            withConsecutive_.push_back(j);
}

bool FilterColumnsTest::pass(const Column& c) const {
    const FilterHits::Word* words = hits_.prefixWords(c);
    const std::uint64_t* last = hits_.holders(c[4]);
    for (std::size_t w = 0; w < hits_.words(); ++w)
        if (FilterHits::admitted(words[w], last[w]) != hits_.present(w))
            return false;
    const std::uint64_t mask = numberMask(c);
    for (const std::size_t j : withConsecutive_)
        if ((store_[j].consecutive >> sharedConsecutive(mask & store_[j].numbers) & 1u) == 0)
            return false;
    return true;
}

NumberSet FilterColumnsTest::passing(const Column& c, NumberSet last) const {
    const FilterHits::Word* words = hits_.prefixWords(c);
    NumberSet out = last;
    for (std::size_t w = 0; w < hits_.words() && out != 0; ++w) {
        const std::uint64_t present = hits_.present(w);
        const std::uint64_t needIn = present & ~words[w].ifOut;
        const std::uint64_t needOut = present & ~words[w].ifIn;
        forEachNumber(needIn,
                      [&](int j) { out &= store_[w * 64 + static_cast<std::size_t>(j)].numbers; });
        forEachNumber(needOut,
                      [&](int j) { out &= ~store_[w * 64 + static_cast<std::size_t>(j)].numbers; });
    }
    if (withConsecutive_.empty())
        return out;
    Column full = c;
    forEachNumber(out, [&](int n) {
        full[4] = static_cast<std::uint8_t>(n);
        const std::uint64_t mask = numberMask(full);
        for (const std::size_t j : withConsecutive_)
            if ((store_[j].consecutive >> sharedConsecutive(mask & store_[j].numbers) & 1u) == 0) {
                out &= ~(NumberSet{1} << n);
                return;
            }
    });
    return out;
}

std::uint8_t admittedHitBits(int minHits, int maxHits) {
    return bitsBetween(minHits, maxHits);
}

std::optional<Notice> checkHitRange(int minHits, int maxHits) {
    if (minHits <= maxHits)
        return std::nullopt;
    return Notice{"Errore:",
                  {"Il valore minimo che si e inserito e superiore alla",
                   "punteggio inserito. Inserire un punteggio inferiore,"}};
}

std::optional<Notice> setAdmittedHits(FilterList& list, std::size_t first, std::size_t last,
                                      int minHits, int maxHits, std::optional<int> minConsecutive,
                                      std::optional<int> maxConsecutive) {
    if (auto n = checkHitRange(minHits, maxHits))
        return n;
    if (minConsecutive && maxConsecutive)
        if (auto n = checkHitRange(*minConsecutive, *maxConsecutive))
            return n;
    if (!clampRange(list, first, last))
        return std::nullopt;
    for (std::size_t j = first - 1; j < last; ++j) {
        list.columns[j].hits = bitsBetween(minHits, maxHits);
        if (minConsecutive && maxConsecutive)
            list.columns[j].consecutive = bitsBetween(*minConsecutive, *maxConsecutive);
    }
    return std::nullopt;
}

std::optional<Notice> replaceNumber(FilterList& list, std::size_t first, std::size_t last,
                                    int search, int replacement) {
    if (!clampRange(list, first, last))
        return std::nullopt;
    std::string refused;
    for (std::size_t j = first - 1; j < last; ++j) {
        auto& numbers = list.columns[j].numbers;
        const auto found = std::find(numbers.begin(), numbers.end(), search);
        if (found == numbers.end())
            continue;
        if (std::find(numbers.begin(), numbers.end(), replacement) != numbers.end()) {
            refused += ' ';
            refused += std::to_string(j + 1);
            continue;
        }
        *found = static_cast<std::uint8_t>(replacement);
    }
    if (refused.empty())
        return std::nullopt;
    return Notice{"Sostituzione di Segni:",
                  {"il numero in = [" + std::to_string(replacement) + "]  Colonne" + refused,
                   "che si vuole inserire e presente nella colonna.",
                   "non e stato possibile verificare"}};
}

void eraseFilterColumns(FilterList& list, std::size_t first, std::size_t last) {
    if (!clampRange(list, first, last))
        return;
    list.columns.erase(list.columns.begin() + static_cast<std::ptrdiff_t>(first - 1),
                       list.columns.begin() + static_cast<std::ptrdiff_t>(last));
}

Notice tooManyFilterColumns(std::size_t total) {
    return Notice{"Troppe Colonne :",
                  {"Sistema con troppe colonne", "Troppe colonne  N°=" + std::to_string(total)}};
}

std::optional<Notice> addFilterColumns(FilterList& list, const std::vector<ListColumn>& more) {
    const std::size_t total = list.columns.size() + more.size();
    if (total > kMaxFilterColumns)
        return tooManyFilterColumns(total);
    list.columns.insert(list.columns.end(), more.begin(), more.end());
    return std::nullopt;
}

std::vector<ListColumn> filterColumnsOf(const std::vector<Column>& columns, int minHits,
                                        int maxHits) {
    std::vector<ListColumn> out;
    out.reserve(columns.size());
    for (const Column& c : columns)
        out.push_back({{c.begin(), c.end()}, bitsBetween(minHits, maxHits), 0});
    return out;
}

ValueStatistics filterColumnStatistics(std::uint64_t filter, std::span<const Column> draws) {
    return walkStatistics(draws, 0, 5, [filter](const Column& c, std::size_t) {
        return std::popcount(numberMask(c) & filter);
    });
}

CarFile filterListToCar(const FilterList& list, const std::string& name) {
    CarFile f;
    f.name = name;
    f.active = list.active;
    f.columns = list.columns;
    return f;
}

} // namespace varnelo
