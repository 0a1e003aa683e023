#include "conditions/AndOrFilter.h"

#include "conditions/IntegerTokens.h"

#include <algorithm>
#include <bit>

namespace varnelo {

namespace {

std::vector<std::string_view> lines(std::string_view text) {
    std::vector<std::string_view> out;
    while (!text.empty()) {
        const std::size_t end = text.find('\n');
        std::string_view line = text.substr(0, end);
        if (!line.empty() && line.back() == '\r')
            line.remove_suffix(1);
        out.push_back(line);
        if (end == std::string_view::npos)
            break;
        text.remove_prefix(end + 1);
    }
    return out;
}

bool parseQuadroAt(const std::vector<std::string_view>& ls, std::size_t& at, AndOrQuadro& q) {
    if (at + 2 > ls.size())
        return false;
    AndOrQuadro read;
    read.name = std::string(ls[at++]);
    IntegerTokens t(ls[at++]);
    long long v[7] = {};
    if (!(t.next(v[0], 0, 1) && t.next(v[1], 0, 1) && t.next(v[2], -32768, 32767) &&
          t.next(v[3], -32768, 32767) && t.next(v[4], -32768, 32767) &&
          t.next(v[5], -32768, 32767) && t.next(v[6], 0, kMaxQuadroColumns) && t.atEnd()))
        return false;
    read.orLogic = v[0] == 1;
    read.active = v[1] == 1;
    read.guessed = {static_cast<std::int16_t>(v[2]), static_cast<std::int16_t>(v[3])};
    read.points = {static_cast<std::int16_t>(v[4]), static_cast<std::int16_t>(v[5])};
    for (long long j = 0; j < v[6]; ++j) {
        FilterColumn f;
        std::vector<std::uint8_t> numbers;
        if (at >= ls.size() || !parseFilterColumnLine(ls[at++], f.hits, numbers))
            return false;
        f.numbers = numberMask(numbers);
        read.columns.push_back(f);
    }
    q = std::move(read);
    return true;
}

} // namespace

bool AndOrSet::anyActive() const {
    return std::any_of(quadri.begin(), quadri.end(), [](const AndOrQuadro& q) { return q.active; });
}

AndOrTest::AndOrTest(const AndOrSet& set) : orRequirement_(set.orRequirement) {
    for (const AndOrQuadro& q : set.quadri) {
        if (!q.active)
            continue;
        std::vector<std::uint64_t> masks;
        for (const FilterColumn& f : q.columns)
            masks.push_back(f.numbers);
        Quadro c{FilterHits(masks), {}, q.guessed, q.points, q.orLogic};
        c.admitted.resize(c.hits.words());
        for (std::size_t j = 0; j < q.columns.size(); ++j)
            for (int h = 0; h <= 5; ++h)
                if (q.columns[j].hits >> h & 1u)
                    c.admitted[j / 64][static_cast<std::size_t>(h)] |= std::uint64_t{1} << (j % 64);
        anyOr_ = anyOr_ || q.orLogic;
        quadri_.push_back(std::move(c));
    }
}

int AndOrTest::mark(const Column& c) const {
    int satisfiedOr = 0;
    for (const Quadro& q : quadri_) {
        std::int64_t guessed = 0;
        std::int64_t points = 0;
        q.hits.scan(c, [&](std::size_t w, const std::array<std::uint64_t, 6>& eq) {
            const auto& adm = q.admitted[w];
            for (int h = 0; h <= 5; ++h) {
                const int k = std::popcount(eq[static_cast<std::size_t>(h)] &
                                            adm[static_cast<std::size_t>(h)]);
                guessed += k;
                points += static_cast<std::int64_t>(k) * h;
            }
        });
        const bool satisfied = q.guessed.contains(guessed) && q.points.contains(points);
        if (!q.orLogic && !satisfied)
            return kDiscardMark;
        satisfiedOr += q.orLogic && satisfied;
    }
    if (anyOr_ && !orRequirement_.test(static_cast<std::size_t>(satisfiedOr)))
        return kDiscardMark;
    return 0;
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

std::string filterColumnLine(std::uint8_t hits, const std::vector<std::uint8_t>& numbers) {
    std::string line;
    for (int h = 0; h <= 5; ++h)
        line += (hits >> h & 1u) ? '1' : '0';
    for (const auto n : numbers) {
        line += ' ';
        line += std::to_string(n);
    }
    return line;
}

bool parseFilterColumnLine(std::string_view line, std::uint8_t& hits,
                           std::vector<std::uint8_t>& numbers) {
    while (!line.empty() && (line.front() == ' ' || line.front() == '\t'))
        line.remove_prefix(1);
    if (line.size() < 6)
        return false;
    std::uint8_t h = 0;
    for (int k = 0; k < 6; ++k) {
        if (line[static_cast<std::size_t>(k)] != '0' && line[static_cast<std::size_t>(k)] != '1')
            return false;
        h |= static_cast<std::uint8_t>((line[static_cast<std::size_t>(k)] - '0') << k);
    }
    if (line.size() > 6 && line[6] != ' ' && line[6] != '\t')
        return false;
    IntegerTokens t(line.substr(6));
    std::vector<std::uint8_t> read;
    long long v = 0;
    while (t.next(v, 0, 99))
        read.push_back(static_cast<std::uint8_t>(v));
    if (t.bad())
        return false;
    hits = h;
    numbers = std::move(read);
    return true;
}

std::string formatQuadroFile(const AndOrQuadro& q) {
    std::string out = q.name + "\r\n";
    out += std::to_string(q.orLogic ? 1 : 0) + " " + std::to_string(q.active ? 1 : 0) + " " +
           std::to_string(q.guessed.min) + " " + std::to_string(q.guessed.max) + " " +
           std::to_string(q.points.min) + " " + std::to_string(q.points.max) + " " +
           std::to_string(q.columns.size()) + "\r\n";
    for (const FilterColumn& f : q.columns)
        out += filterColumnLine(f.hits, maskNumbers(f.numbers)) + "\r\n";
    return out;
}

bool parseQuadroFile(std::string_view text, AndOrQuadro& q, std::string& error) {
    const auto ls = lines(text);
    std::size_t at = 0;
    if (!parseQuadroAt(ls, at, q)) {
        error = "Il file del quadro non e valido.";
        return false;
    }
    return true;
}

std::string formatAndOrFile(const AndOrSet& s) {
    std::string out;
    for (int k = 0; k <= kAndOrQuadri; ++k)
        out += std::string(k ? " " : "") +
               (s.orRequirement.test(static_cast<std::size_t>(k)) ? "1" : "0");
    out += "\r\n";
    for (const AndOrQuadro& q : s.quadri)
        out += formatQuadroFile(q);
    return out;
}

bool parseAndOrFile(std::string_view text, AndOrSet& s, std::string& error) {
    const auto ls = lines(text);
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
    for (std::size_t k = 0; ok && k < read.quadri.size(); ++k)
        ok = parseQuadroAt(ls, at, read.quadri[k]);
    if (!ok) {
        error = "Il file dei quadri AND OR non e valido.";
        return false;
    }
    s = std::move(read);
    return true;
}

} // namespace varnelo
