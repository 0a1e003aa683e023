#include "Weighting.h"

#include "OpenSet.h"

#include "reduced/Combinatorics.h"

#include <algorithm>
#include <chrono>
#include <random>

namespace varnelo::covergen {

namespace {

constexpr std::uint64_t kMaxLinks = 60'000'000;

// Moves each of the first `cycles` runs of `length` positions one step
// round its run; the positions after them stay.
struct Rotation {
    int length = 1, cycles = 0;

    Mask operator()(Mask m) const {
        if (length <= 1)
            return m;
        const Mask run = (Mask{1} << length) - 1;
        Mask out = m;
        for (int c = 0; c < cycles; ++c) {
            const int at = c * length;
            const Mask bits = m >> at & run;
            const Mask turned = (bits << 1 | bits >> (length - 1)) & run;
            out = (out & ~(run << at)) | turned << at;
        }
        return out;
    }
};

// Numbers the orbits of the `size`-sets under the rotation.
class Orbits {
  public:
    Orbits(const Rotation& turn, int size, int n) : of_(tableBinomial(n, size), -1) {
        for (std::uint64_t r = 0; r < of_.size(); ++r) {
            if (of_[r] >= 0)
                continue;
            const Mask first = unrankMask(r, size, n);
            int members = 0;
            for (Mask m = first; members == 0 || m != first; m = turn(m), ++members)
                of_[maskRank(m)] = static_cast<std::int32_t>(first_.size());
            first_.push_back(first);
            size_.push_back(members);
        }
    }
    std::int32_t of(Mask m) const { return of_[maskRank(m)]; }
    std::size_t count() const { return first_.size(); }
    Mask first(std::size_t id) const { return first_[id]; }
    int size(std::size_t id) const { return size_[id]; }

  private:
    std::vector<std::int32_t> of_;
    std::vector<Mask> first_;
    std::vector<int> size_;
};

// Rows and c-sets are taken in whole orbits of the rotation; with no
// rotation each orbit is a single set.
class Search {
  public:
    Search(const Shape& s, const std::vector<Mask>& parts, const Rotation& turn,
           std::uint64_t random)
        : turn_(turn), rng_(random), rowOrbits_(turn, s.k, s.n) {
        const Orbits cOrbits(turn, s.c, s.n);
        std::vector<std::int32_t> element(cOrbits.count(), -1);
        std::uint32_t elements = 0;
        for (std::size_t o = 0; o < cOrbits.count(); ++o)
            if (insideParts(cOrbits.first(o), parts))
                element[o] = static_cast<std::int32_t>(elements++);
        coveredBy_.resize(elements);
        // Only rows whose orbit is full: the table then has a row count that
        // is a multiple of the orbit length and every row moved is a row.
        const int full = turn.length;
        idOfOrbit_.assign(rowOrbits_.count(), UINT32_MAX);
        std::vector<std::uint32_t> reach;
        for (std::size_t o = 0; o < rowOrbits_.count(); ++o) {
            if (rowOrbits_.size(o) != full)
                continue;
            reach.clear();
            forEachNear(rowOrbits_.first(o), s.n, s.c, s.g, [&](Mask t) {
                if (const std::int32_t e = element[static_cast<std::size_t>(cOrbits.of(t))]; e >= 0)
                    reach.push_back(static_cast<std::uint32_t>(e));
            });
            std::sort(reach.begin(), reach.end());
            reach.erase(std::unique(reach.begin(), reach.end()), reach.end());
            if (reach.empty())
                continue;
            const auto id = static_cast<std::uint32_t>(rows_.size());
            rows_.push_back(rowOrbits_.first(o));
            idOfOrbit_[o] = id;
            start_.push_back(static_cast<std::uint32_t>(links_.size()));
            for (std::uint32_t e : reach) {
                links_.push_back(e);
                coveredBy_[e].push_back(id);
            }
        }
        start_.push_back(static_cast<std::uint32_t>(links_.size()));
        weight_.assign(elements, 1);
        count_.assign(elements, 0);
        uncovered_ = OpenSet(elements);
        score_.assign(rows_.size(), 0);
        chosen_.assign(rows_.size(), -1);
        stamp_.assign(rows_.size(), 0);
        free_.assign(rows_.size(), 1);
        for (std::uint32_t e = 0; e < elements; ++e)
            uncovered_.insert(e);
        for (std::uint32_t r = 0; r < rows_.size(); ++r)
            score_[r] = static_cast<std::int64_t>(end(r) - begin(r));
    }

    // Whether some c-set cannot be covered by whole orbits of rows.
    bool hopeless() const {
        for (const auto& rows : coveredBy_)
            if (rows.empty())
                return true;
        return false;
    }

    std::vector<Mask> run(const std::vector<Mask>& seed, double seconds) {
        for (Mask m : seed)
            if (const std::uint32_t r = idOfOrbit_[static_cast<std::size_t>(rowOrbits_.of(m))];
                r != UINT32_MAX && chosen_[r] < 0)
                add(r);
        while (!uncovered_.empty())
            add(bestFor(uncovered_.pick(rng_)));
        using Clock = std::chrono::steady_clock;
        const auto stop = Clock::now() + std::chrono::duration<double>(seconds);
        std::vector<Mask> best;
        std::uint32_t lastAdded = UINT32_MAX;
        for (std::uint64_t step = 1;; ++step) {
            if ((step & 63) == 0 && Clock::now() >= stop)
                break;
            while (uncovered_.empty()) {
                best.clear();
                for (std::uint32_t r : solution_)
                    for (int i = 0; i < turn_.length; ++i)
                        best.push_back(i == 0 ? rows_[r] : turn_(best.back()));
                if (solution_.size() <= 1)
                    return best;
                remove(cheapest(UINT32_MAX));
            }
            const std::uint32_t out = cheapest(lastAdded);
            remove(out);
            stamp_[out] = step;
            const std::uint32_t in = bestFor(uncovered_.pick(rng_));
            add(in);
            stamp_[in] = step;
            lastAdded = in;
            for (std::uint32_t e : uncovered_.items()) {
                ++weight_[e];
                for (std::uint32_t r : coveredBy_[e])
                    ++score_[r];
            }
        }
        return best;
    }

  private:
    const std::uint32_t* begin(std::uint32_t r) const { return links_.data() + start_[r]; }
    const std::uint32_t* end(std::uint32_t r) const { return links_.data() + start_[r + 1]; }

    // The one chosen row near a c-set held by a single row.
    std::uint32_t holder(std::uint32_t e, std::uint32_t except) const {
        for (std::uint32_t r : coveredBy_[e])
            if (r != except && chosen_[r] >= 0)
                return r;
        return UINT32_MAX;
    }
    // Rows near a row changed may be worth adding again.
    void release(std::uint32_t r) {
        for (const std::uint32_t* e = begin(r); e != end(r); ++e)
            for (std::uint32_t other : coveredBy_[*e])
                free_[other] = 1;
    }

    // A chosen row's score is minus the weight only it covers; any other
    // row's score is the weight it would cover.
    void add(std::uint32_t r) {
        chosen_[r] = static_cast<std::int32_t>(solution_.size());
        solution_.push_back(r);
        std::int64_t own = 0;
        for (const std::uint32_t* p = begin(r); p != end(r); ++p) {
            const std::uint32_t e = *p;
            if (count_[e] == 0) {
                uncovered_.erase(e);
                for (std::uint32_t other : coveredBy_[e])
                    if (other != r)
                        score_[other] -= weight_[e];
                own -= weight_[e];
            } else if (count_[e] == 1) {
                score_[holder(e, r)] += weight_[e];
            }
            ++count_[e];
        }
        score_[r] = own;
        release(r);
    }
    void remove(std::uint32_t r) {
        const auto at = static_cast<std::size_t>(chosen_[r]);
        solution_[at] = solution_.back();
        chosen_[solution_[at]] = static_cast<std::int32_t>(at);
        solution_.pop_back();
        chosen_[r] = -1;
        std::int64_t gain = 0;
        for (const std::uint32_t* p = begin(r); p != end(r); ++p) {
            const std::uint32_t e = *p;
            if (--count_[e] == 0) {
                uncovered_.insert(e);
                for (std::uint32_t other : coveredBy_[e])
                    if (other != r)
                        score_[other] += weight_[e];
                gain += weight_[e];
            } else if (count_[e] == 1) {
                score_[holder(e, r)] -= weight_[e];
            }
        }
        score_[r] = gain;
        release(r);
        free_[r] = 0;
    }

    // The chosen row whose loss costs least, the oldest on ties.
    std::uint32_t cheapest(std::uint32_t except) const {
        std::uint32_t pick = UINT32_MAX;
        for (std::uint32_t r : solution_) {
            if (r == except)
                continue;
            if (pick == UINT32_MAX || score_[r] > score_[pick] ||
                (score_[r] == score_[pick] && stamp_[r] < stamp_[pick]))
                pick = r;
        }
        return pick == UINT32_MAX ? solution_.front() : pick;
    }
    // The row worth most among those reaching `e`, the oldest on ties.
    std::uint32_t bestFor(std::uint32_t e) {
        std::uint32_t pick = UINT32_MAX;
        for (std::uint32_t r : coveredBy_[e]) {
            if (!free_[r])
                continue;
            if (pick == UINT32_MAX || score_[r] > score_[pick] ||
                (score_[r] == score_[pick] && stamp_[r] < stamp_[pick]))
                pick = r;
        }
        if (pick == UINT32_MAX)
            pick = coveredBy_[e][rng_() % coveredBy_[e].size()];
        return pick;
    }

    Rotation turn_;
    std::mt19937_64 rng_;
    Orbits rowOrbits_;
    std::vector<Mask> rows_;
    std::vector<std::uint32_t> idOfOrbit_, start_, links_;
    std::vector<std::vector<std::uint32_t>> coveredBy_;
    std::vector<std::int64_t> weight_, score_;
    std::vector<std::uint32_t> count_;
    std::vector<std::int32_t> chosen_;
    std::vector<std::uint64_t> stamp_;
    std::vector<char> free_;
    OpenSet uncovered_{0};
    std::vector<std::uint32_t> solution_;
};

} // namespace

bool weightingFits(const Shape& s) {
    return s.n <= 49 && tableBinomial(s.n, s.c) <= 3'000'000 &&
           tableBinomial(s.n, s.k) * nearCount(s.k, s.n, s.c, s.g) <= kMaxLinks;
}

std::vector<Mask> weightingSearch(const Shape& s, const std::vector<Mask>& rows, double seconds,
                                  std::uint64_t random, const std::vector<Mask>& parts) {
    return Search(s, parts, Rotation{}, random).run(rows, seconds);
}

std::vector<Mask> rotatingSearch(const Shape& s, double seconds, std::uint64_t random) {
    std::vector<int> lengths;
    // Long runs make few orbits, so large tables fit as well.
    const std::uint64_t links = tableBinomial(s.n, s.k) * nearCount(s.k, s.n, s.c, s.g);
    // Past 20 positions only runs that nearly fill the positions once,
    // twice, ... six times: the time goes to fewer, larger tries.
    auto worth = [&](int length) {
        if (s.n <= 20)
            return true;
        for (int times = 1; times <= 6; ++times)
            if (length == s.n / times || length == s.n / times - 1)
                return true;
        return false;
    };
    if (s.n <= 49 && tableBinomial(s.n, s.c) <= 3'000'000)
        for (int length = 2; length <= s.n; ++length)
            if (worth(length) && links / static_cast<std::uint64_t>(length) <= kMaxLinks)
                lengths.push_back(length);
    std::vector<Mask> best;
    for (const int length : lengths) {
        Search search(s, {}, Rotation{length, s.n / length}, random);
        if (search.hopeless())
            continue;
        std::vector<Mask> rows = search.run({}, seconds / static_cast<double>(lengths.size()));
        if (!rows.empty() && (best.empty() || rows.size() < best.size()))
            best = std::move(rows);
    }
    return best;
}

} // namespace varnelo::covergen
