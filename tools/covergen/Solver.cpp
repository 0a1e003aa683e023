#include "Solver.h"

#include "Anneal.h"
#include "Greedy.h"
#include "Weighting.h"

#include "reduced/Combinatorics.h"

#include <algorithm>

namespace varnelo::covergen {

namespace {

PositionTable disjointBlocks(const Shape& s) {
    // Any c-set leaves out at most c - 1 of the positions the blocks hold.
    const int reach = s.n - s.c + 1;
    const int blocks = (reach + s.k - 1) / s.k;
    PositionTable t;
    t.rowLength = s.k;
    t.n = s.n;
    for (int b = 0; b < blocks; ++b) {
        const int first = std::min(b * s.k, s.n - s.k);
        for (int j = 0; j < s.k; ++j)
            t.cells.push_back(static_cast<std::uint8_t>(first + j + 1));
    }
    return t;
}

// Rows of k positions whose sum is a multiple of n: every (k - 1)-set but a
// few has its completion among them.
std::vector<Mask> sumSeed(const Shape& s) {
    std::vector<Mask> rows;
    for (std::uint64_t r = 0; r < tableBinomial(s.n, s.k); ++r) {
        const Mask m = unrankMask(r, s.k, s.n);
        int sum = 0;
        for (Mask x = m; x; x &= x - 1)
            sum += std::countr_zero(x);
        if (sum % s.n == 0)
            rows.push_back(m);
    }
    return rows;
}

} // namespace

void Solver::offer(const Shape& s, const PositionTable& t) {
    known_[key(s)] = t;
}

std::vector<Mask> Solver::better(const Shape& s, std::vector<Mask> a, std::vector<Mask> b) const {
    const bool okA = !a.empty() && coversAll(toTable(a, s.k, s.n), s.g, s.c);
    const bool okB = !b.empty() && coversAll(toTable(b, s.k, s.n), s.g, s.c);
    if (okA && (!okB || a.size() <= b.size()))
        return a;
    return okB ? b : std::vector<Mask>{};
}

// Splits the positions into parts so that every c-set has g positions in
// one part, and covers the g-sets of every part. The part sizes with the
// fewest rows come from a small dynamic programme; with the weighting
// search on, the near-best size choices are tried as well, since rows
// serving two parts at once can make another choice the smallest.
std::vector<Mask> Solver::partition(const Shape& s, int parts) {
    std::vector<std::uint64_t> cost(static_cast<std::size_t>(s.n + 1));
    for (int v = 0; v <= s.n; ++v)
        cost[v] = v < s.g ? 0 : v <= s.k ? 1 : part({s.k, v, s.g, s.g}).rows();
    std::vector<std::pair<std::uint64_t, std::vector<int>>> choices;
    std::vector<int> sizes;
    // Part sizes in ascending order, so each choice is listed once.
    auto walk = [&](auto&& self, int left, int lowest, std::uint64_t rows) -> void {
        if (static_cast<int>(sizes.size()) == parts - 1) {
            if (left >= lowest) {
                sizes.push_back(left);
                choices.emplace_back(rows + cost[left], sizes);
                sizes.pop_back();
            }
            return;
        }
        for (int v = lowest; v * (parts - static_cast<int>(sizes.size())) <= left; ++v) {
            sizes.push_back(v);
            self(self, left - v, v, rows + cost[v]);
            sizes.pop_back();
        }
    };
    walk(walk, s.n, 0, 0);
    std::sort(choices.begin(), choices.end());
    constexpr std::uint64_t kSlack = 3;
    constexpr std::size_t kMostChoices = 24;
    std::size_t tried = 1;
    if (options_.weightSeconds > 0)
        while (tried < choices.size() && tried < kMostChoices &&
               choices[tried].first <= choices.front().first + kSlack)
            ++tried;
    std::vector<Mask> result;
    for (std::size_t i = 0; i < tried; ++i)
        result =
            better(s, result, partitionBy(s, choices[i].second, options_.weightSeconds / tried));
    return result;
}

std::vector<Mask> Solver::partitionBy(const Shape& s, const std::vector<int>& sizes,
                                      double weightSeconds) {
    std::vector<Mask> rows, masks;
    int offset = 0;
    for (const int v : sizes) {
        const Mask inPart = ((Mask{1} << v) - 1) << offset;
        masks.push_back(inPart);
        if (v >= s.g && v <= s.k) {
            Mask row = inPart;
            for (int x = 0; std::popcount(row) < s.k; ++x)
                row |= Mask{1} << x;
            rows.push_back(row);
        } else if (v > s.k) {
            for (Mask m : toMasks(part({s.k, v, s.g, s.g})))
                rows.push_back(m << offset);
        }
        offset += v;
    }
    // Rows may also serve two parts at once: the local searches only ask
    // that the g-sets inside the parts be covered.
    const Shape inside{s.k, s.n, s.g, s.g};
    if (options_.annealSeconds > 0 && annealFits(inside))
        rows =
            better(s, rows, anneal(inside, rows, options_.annealSeconds, options_.random, masks));
    if (weightSeconds > 0 && weightingFits(inside))
        rows =
            better(s, rows, weightingSearch(inside, rows, weightSeconds, options_.random, masks));
    return rows;
}

const PositionTable* Solver::atHand(const Shape& s) {
    if (auto it = known_.find(key(s)); it != known_.end())
        return &it->second;
    if (auto it = solved_.find(key(s)); it != solved_.end())
        return &it->second;
    if (s.n >= s.c && s.n >= s.k && s.g > 1)
        return nullptr;
    // No c-set at all, a part shorter than a row, or g <= 1: built at once.
    PositionTable& t = small_[key(s)];
    t.rowLength = s.k;
    t.n = s.n;
    t.cells.clear();
    if (s.n >= s.c && s.n < s.k)
        for (int p = 1; p <= s.n; ++p)
            t.cells.push_back(static_cast<std::uint8_t>(p));
    else if (s.n >= s.c)
        t = solve(s);
    return &t;
}

// Two parts A and B with c1 + c2 = c + 1: a c-set has c1 positions in A or
// c2 in B, so a table for each part with that condition serves the whole.
std::vector<Mask> Solver::split(const Shape& s) {
    std::size_t best = 0;
    int bestA = -1, bestC = 0;
    for (int c1 = s.g; c1 <= s.c + 1 - s.g; ++c1)
        for (int a = 1; a < s.n; ++a) {
            const PositionTable* ta = atHand({s.k, a, s.g, c1});
            const PositionTable* tb = atHand({s.k, s.n - a, s.g, s.c + 1 - c1});
            if (!ta || !tb)
                continue;
            const std::size_t rows = ta->rows() + (ta->cells.size() % s.k ? 1 : 0) + tb->rows() +
                                     (tb->cells.size() % s.k ? 1 : 0);
            if (bestA < 0 || rows < best) {
                best = rows;
                bestA = a;
                bestC = c1;
            }
        }
    if (bestA < 0)
        return {};
    std::vector<Mask> rows;
    const Mask all = (Mask{1} << s.n) - 1;
    auto place = [&](const PositionTable& t, int offset) {
        const Mask inPart = ((Mask{1} << t.n) - 1) << offset;
        // A part shorter than a row is one row padded from the other part.
        const std::size_t whole = t.cells.size() / static_cast<std::size_t>(s.k);
        for (std::size_t i = 0; i < whole; ++i)
            for (Mask m : toMasks(PositionTable{s.k, t.n, {t.row(i), t.row(i) + s.k}}))
                rows.push_back(m << offset);
        if (t.cells.size() % s.k) {
            Mask row = inPart;
            for (Mask pad = all & ~inPart; std::popcount(row) < s.k; pad &= pad - 1)
                row |= pad & -pad;
            rows.push_back(row);
        }
    };
    place(*atHand({s.k, bestA, s.g, bestC}), 0);
    place(*atHand({s.k, s.n - bestA, s.g, s.c + 1 - bestC}), bestA);
    return rows;
}

PositionTable Solver::part(const Shape& s) {
    if (auto it = known_.find(key(s)); it != known_.end())
        return it->second;
    ++partDepth_;
    PositionTable t = solve(s);
    --partDepth_;
    return t;
}

PositionTable Solver::solve(const Shape& s) {
    if (auto it = solved_.find(key(s)); it != solved_.end())
        return it->second;
    PositionTable result;
    if (s.g == 0) {
        result.rowLength = s.k;
        result.n = s.n;
        for (int j = 1; j <= s.k; ++j)
            result.cells.push_back(static_cast<std::uint8_t>(j));
    } else if (s.g == 1) {
        result = disjointBlocks(s);
    } else {
        std::vector<Mask> rows;
        if (auto it = known_.find(key(s)); it != known_.end())
            rows = toMasks(it->second);
        const int parts = (s.c - 1) / (s.g - 1);
        if (parts >= 2)
            rows = better(s, rows, partition(s, parts));
        rows = better(s, rows, split(s));
        if (s.g == s.c && s.c == s.k - 1)
            rows = better(s, rows, greedy(s, sumSeed(s), options_.random));
        else if (greedyWork(s) <= options_.greedyWork)
            rows = better(s, rows, greedy(s, {}, options_.random));
        // Covering every g-set always keeps the guarantee; a covering with
        // nothing else at hand is built greedily whatever the work limit.
        if (rows.empty())
            rows =
                s.g == s.c ? greedy(s, {}, options_.random) : toMasks(part({s.k, s.n, s.g, s.g}));
        if (options_.annealSeconds > 0 && annealFits(s) && rows.size() > lowerBound(s))
            rows = better(s, rows, anneal(s, rows, options_.annealSeconds, options_.random));
        // Not for the parts of a construction: it may ask for dozens. The
        // plain search starts from the best table, rotating or not.
        if (options_.weightSeconds > 0 && partDepth_ == 0 && rows.size() > lowerBound(s)) {
            rows = better(s, rows, rotatingSearch(s, options_.weightSeconds, options_.random));
            if (weightingFits(s))
                rows = better(s, rows,
                              weightingSearch(s, rows, options_.weightSeconds, options_.random));
        }
        if (tableBinomial(s.n, s.c) <= 3'000'000)
            rows = better(s, rows, prune(s, rows));
        result = toTable(rows, s.k, s.n);
    }
    solved_[key(s)] = result;
    return result;
}

std::uint64_t lowerBound(const Shape& s) {
    if (s.c > s.n)
        return 0;
    if (s.g == 0)
        return 1;
    if (s.g == 1)
        return static_cast<std::uint64_t>((s.n - s.c + s.k) / s.k);
    if (s.g == s.c) {
        std::uint64_t b = 1;
        for (int i = s.g - 1; i >= 0; --i) {
            const int n = s.n - i, k = s.k - i;
            b = (static_cast<std::uint64_t>(n) * b + static_cast<std::uint64_t>(k) - 1) /
                static_cast<std::uint64_t>(k);
        }
        return b;
    }
    const std::uint64_t reach = nearCount(s.k, s.n, s.c, s.g);
    std::uint64_t bound = (tableBinomial(s.n, s.c) + reach - 1) / reach;
    if (s.g == 2) {
        // Pairs missed by every row form a graph without a c-clique, so at
        // most Turan's count of them.
        const int parts = s.c - 1;
        std::uint64_t inside = 0;
        for (int p = 0; p < parts; ++p) {
            const std::uint64_t v = static_cast<std::uint64_t>(s.n / parts + (p < s.n % parts));
            inside += v * (v - 1) / 2;
        }
        const std::uint64_t perRow = tableBinomial(s.k, 2);
        bound = std::max(bound, (inside + perRow - 1) / perRow);
    }
    return bound;
}

} // namespace varnelo::covergen
