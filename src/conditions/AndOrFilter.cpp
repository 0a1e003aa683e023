#include "conditions/AndOrFilter.h"

#include "conditions/FilterColumns.h"
#include "conditions/IntegerTokens.h"
#include "core/TextFile.h"

#include <algorithm>
#include <bit>

namespace varnelo {

bool AndOrSet::anyActive() const {
    return std::any_of(quadri.begin(), quadri.end(), [](const AndOrQuadro& q) { return q.active; });
}

AndOrTest::AndOrTest(const AndOrSet& set) : orRequirement_(set.orRequirement) {
    std::vector<std::uint64_t> masks;
    std::vector<std::uint8_t> hits;
    for (const AndOrQuadro& q : set.quadri) {
        if (!q.active)
            continue;
        // Bounds that every count meets judge nothing: such a quadro is
        // satisfied by every column and its filter columns need no scan.
        std::int64_t mostPoints = 0;
        for (const FilterColumn& f : q.columns)
            mostPoints += f.hits & 0x3F ? std::bit_width(f.hits & 0x3Fu) - 1 : 0;
        const bool anyGuessed = q.guessed.contains(0) &&
                                q.guessed.contains(static_cast<std::int64_t>(q.columns.size()));
        const bool anyPoints = q.points.contains(0) && q.points.contains(mostPoints);
        anyOr_ = anyOr_ || q.orLogic;
        if (anyGuessed && anyPoints) {
            alwaysOr_ += q.orLogic;
            continue;
        }
        Quadro c{masks.size() / 64, 0, q.guessed, q.points, q.orLogic, !anyPoints};
        for (const FilterColumn& f : q.columns) {
            masks.push_back(f.numbers);
            hits.push_back(f.hits);
        }
        // Padding filter columns hold no number and admit nothing.
        while (masks.size() % 64 != 0) {
            masks.push_back(0);
            hits.push_back(0);
        }
        c.endWord = masks.size() / 64;
        quadri_.push_back(c);
    }
    // An AND quadro that fails discards the column whatever the OR quadri
    // say, so the AND quadri go first and the first failure ends the test.
    std::stable_partition(quadri_.begin(), quadri_.end(),
                          [](const Quadro& q) { return !q.orLogic; });
    hits_ = FilterHits(masks, hits);
}

int AndOrTest::mark(const Column& c) const {
    const FilterHits::Word* words = hits_.prefixWords(c);
    const std::uint64_t* last = hits_.holders(c[4]);
    int satisfiedOr = alwaysOr_;
    for (const Quadro& q : quadri_) {
        std::int64_t guessed = 0;
        std::int64_t points = 0;
        for (std::size_t w = q.firstWord; w < q.endWord; ++w) {
            const std::uint64_t x = last[w];
            const std::uint64_t g = FilterHits::admitted(words[w], x);
            guessed += std::popcount(g);
            if (q.countsPoints)
                points += FilterHits::hitsOf(words[w], x, g);
        }
        const bool satisfied =
            q.guessed.contains(guessed) && (!q.countsPoints || q.points.contains(points));
        if (!q.orLogic && !satisfied)
            return kDiscardMark;
        satisfiedOr += q.orLogic && satisfied;
    }
    if (anyOr_ && !orRequirement_.test(static_cast<std::size_t>(satisfiedOr)))
        return kDiscardMark;
    return 0;
}

NumberSet AndOrTest::keeping(const Column& c, NumberSet last) const {
    if (quadri_.empty())
        return anyOr_ && !orRequirement_.test(static_cast<std::size_t>(alwaysOr_)) ? 0 : last;
    Column full = c;
    NumberSet out = 0;
    forEachNumber(last, [&](int n) {
        full[4] = static_cast<std::uint8_t>(n);
        out |= mark(full) == kDiscardMark ? 0 : NumberSet{1} << n;
    });
    return out;
}

QuadroScore quadroScore(const AndOrQuadro& q, const Column& c) {
    QuadroScore s;
    const std::uint64_t mask = numberMask(c);
    for (const FilterColumn& f : q.columns) {
        const int h = std::popcount(mask & f.numbers);
        if (f.hits >> h & 1u) {
            ++s.guessed;
            s.points += h;
        }
    }
    return s;
}

std::optional<Notice> checkAndOrSet(const AndOrSet& set) {
    bool anyOr = false;
    for (std::size_t k = 0; k < set.quadri.size(); ++k) {
        const AndOrQuadro& q = set.quadri[k];
        if (!q.active)
            continue;
        const std::string title = "Quadro " + std::to_string(k + 1) + ":";
        if (q.columns.empty())
            return Notice{title, {"non e inserito nessuna colonna filtro."}};
        for (std::size_t j = 0; j < q.columns.size(); ++j)
            if ((q.columns[j].hits & 0x3F) == 0)
                return Notice{
                    title,
                    {"Nella colonna N° " + std::to_string(j + 1), "non e inserito alcun valore."}};
        anyOr = anyOr || q.orLogic;
    }
    if (anyOr && set.orRequirement.none())
        return Notice{"Quadri in OR Inseriti:",
                      {"Bisogna inserire un valore al", "(Quadri in OR da indovinare:)",
                       "bisogna inserire quanti dei", "quadri in OR bisogna indovinarne!"}};
    return std::nullopt;
}

std::optional<Notice> addQuadroColumns(AndOrQuadro& q, const std::vector<FilterColumn>& more) {
    const std::size_t total = q.columns.size() + more.size();
    const std::size_t room = kMaxQuadroColumns - std::min(kMaxQuadroColumns, q.columns.size());
    q.columns.insert(q.columns.end(), more.begin(),
                     more.begin() + static_cast<std::ptrdiff_t>(std::min(room, more.size())));
    if (total <= kMaxQuadroColumns)
        return std::nullopt;
    return Notice{"Troppe colonne filtro: Max 1000",
                  {"Troppe colonne  N°=" + std::to_string(total)}};
}

namespace {

// The filter-column commands work on a quadro through its list form.
template <typename Command> std::optional<Notice> onList(AndOrQuadro& q, Command command) {
    CarFile car = quadroToCar(q);
    FilterList list{std::move(car.columns), q.active};
    auto notice = command(list);
    car.columns = std::move(list.columns);
    const AndOrQuadro edited = quadroFromCar(car);
    q.columns = edited.columns;
    return notice;
}

} // namespace

std::optional<Notice> importSystemColumns(AndOrQuadro& q, const std::vector<Column>& columns,
                                          int minHits, int maxHits) {
    const std::size_t room = kMaxQuadroColumns - std::min(kMaxQuadroColumns, q.columns.size());
    const std::vector<Column> taken(
        columns.begin(),
        columns.begin() + static_cast<std::ptrdiff_t>(std::min(room, columns.size())));
    for (const ListColumn& c : filterColumnsOf(taken, minHits, maxHits))
        q.columns.push_back({numberMask(c.numbers), c.hits});
    if (columns.size() <= room)
        return std::nullopt;
    return Notice{"Troppe Colonne :",
                  {"Sistema con troppe colonne", "Verranno Caricate le prime = 1000 Colonne"}};
}

std::optional<Notice> setQuadroHits(AndOrQuadro& q, std::size_t first, std::size_t last,
                                    int minHits, int maxHits) {
    return onList(q, [&](FilterList& l) {
        return setAdmittedHits(l, first, last, minHits, maxHits, std::nullopt, std::nullopt);
    });
}

std::optional<Notice> replaceQuadroNumber(AndOrQuadro& q, std::size_t first, std::size_t last,
                                          int search, int replacement) {
    return onList(
        q, [&](FilterList& l) { return replaceNumber(l, first, last, search, replacement); });
}

std::optional<Notice> checkQuadroToSave(const AndOrQuadro& q) {
    if (q.columns.empty())
        return Notice{"Colonne filtro mancanti:", {"filtro inserite nel quadro!"}};
    return std::nullopt;
}

std::vector<std::uint8_t> maskNumbers(std::uint64_t mask) {
    std::vector<std::uint8_t> out;
    for (int n = 1; n <= kMaxNumber; ++n)
        if (mask >> n & 1u)
            out.push_back(static_cast<std::uint8_t>(n));
    return out;
}

CarFile quadroToCar(const AndOrQuadro& q) {
    CarFile f{q.name, q.orLogic, q.active, q.guessed, q.points, {}};
    for (const FilterColumn& c : q.columns)
        f.columns.push_back({maskNumbers(c.numbers), c.hits, 0});
    return f;
}

AndOrQuadro quadroFromCar(const CarFile& f) {
    AndOrQuadro q;
    q.name = f.name;
    q.orLogic = f.orLogic;
    q.active = f.active;
    q.guessed = f.guessed;
    q.points = f.points;
    for (const ListColumn& c : f.columns)
        q.columns.push_back({numberMask(c.numbers), c.hits});
    if (q.columns.size() > kMaxQuadroColumns)
        q.columns.resize(kMaxQuadroColumns);
    return q;
}

std::string formatAndOrFile(const AndOrSet& s) {
    std::string out;
    for (int k = 0; k <= kAndOrQuadri; ++k)
        out += std::string(k ? " " : "") +
               (s.orRequirement.test(static_cast<std::size_t>(k)) ? "1" : "0");
    out += "\r\n";
    for (const AndOrQuadro& q : s.quadri)
        out += formatCarFile(quadroToCar(q));
    return out;
}

bool parseAndOrFile(std::string_view text, AndOrSet& s, std::string& error) {
    const auto ls = splitLines(text);
    AndOrSet read;
    bool ok = !ls.empty();
    if (ok) {
        IntegerTokens t(ls[0]);
        long long v = 0;
        for (int k = 0; ok && k <= kAndOrQuadri; ++k) {
            ok = t.next(v, 0, 1);
            read.orRequirement.set(static_cast<std::size_t>(k), v == 1);
        }
        ok = ok && t.atEnd();
    }
    std::size_t at = 1;
    for (std::size_t k = 0; ok && k < read.quadri.size(); ++k) {
        CarFile f;
        ok = parseCarBody(ls, at, f);
        read.quadri[k] = quadroFromCar(f);
    }
    if (!ok) {
        error = "Il file dei quadri AND OR non e valido.";
        return false;
    }
    s = std::move(read);
    return true;
}

} // namespace varnelo
