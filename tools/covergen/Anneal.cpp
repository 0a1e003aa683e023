#include "Anneal.h"

#include "OpenSet.h"

#include "reduced/Combinatorics.h"

#include <chrono>
#include <cmath>
#include <random>

namespace varnelo::covergen {

bool annealFits(const Shape& s) {
    return s.n <= 49 && tableBinomial(s.n, s.c) <= 3'000'000 &&
           nearCount(s.k, s.n, s.c, s.g) <= 20000;
}

namespace {

class Search {
  public:
    Search(const Shape& s, std::vector<Mask> rows, std::uint64_t random, std::vector<Mask> parts)
        : s_(s), rows_(std::move(rows)), parts_(std::move(parts)),
          count_(tableBinomial(s.n, s.c), 0), uncovered_(tableBinomial(s.n, s.c)), rng_(random) {
        for (Mask r : rows_)
            add(r, 0);
        for (std::uint64_t t = 0; t < count_.size(); ++t)
            if (count_[t] == 0 && wanted(unrankMask(t, s.c, s.n)))
                uncovered_.insert(t);
    }

    std::vector<Mask> run(double seconds) {
        using Clock = std::chrono::steady_clock;
        const auto end = Clock::now() + std::chrono::duration<double>(seconds);
        std::vector<Mask> best;
        if (uncovered_.empty())
            best = rows_;
        constexpr std::uint64_t kCycle = 400000;
        std::uniform_real_distribution<double> unit(0, 1);
        for (std::uint64_t move = 0;; ++move) {
            if ((move & 255) == 0 && Clock::now() >= end)
                break;
            if (uncovered_.empty()) {
                best = rows_;
                if (rows_.size() <= 1)
                    break;
                dropWeakest();
                continue;
            }
            const Mask t = unrankMask(uncovered_.pick(rng_), s_.c, s_.n);
            // A row one position short of reaching the c-set, when there is one.
            std::size_t pick = 0;
            int most = -1, ties = 0;
            for (std::size_t i = 0; i < rows_.size(); ++i) {
                const int common = std::popcount(rows_[i] & t);
                if (common > most) {
                    most = common;
                    ties = 0;
                }
                if (common == most && rng_() % static_cast<std::uint64_t>(++ties) == 0)
                    pick = i;
            }
            const Mask row = rows_[pick];
            const Mask next = row ^ randomBit(row & ~t) ^ randomBit(t & ~row);
            const int delta = change(row, next);
            const double phase = static_cast<double>(move % kCycle) / kCycle;
            const double temperature = 0.9 * std::pow(0.03, phase);
            if (delta <= 0 || unit(rng_) < std::exp(-delta / temperature)) {
                remove(row, next);
                add(next, row);
                rows_[pick] = next;
            }
        }
        return best;
    }

  private:
    bool near(Mask a, Mask b) const { return std::popcount(a & b) >= s_.g; }

    bool wanted(Mask t) const { return insideParts(t, parts_); }

    Mask randomBit(Mask m) {
        int skip = static_cast<int>(rng_() % static_cast<std::uint64_t>(std::popcount(m)));
        for (; skip > 0; --skip)
            m &= m - 1;
        return m & -m;
    }

    // Uncovered c-sets after replacing `row` by `next`, minus before.
    int change(Mask row, Mask next) const {
        int delta = 0;
        forEachNear(row, s_.n, s_.c, s_.g, [&](Mask t) {
            if (!near(t, next) && count_[maskRank(t)] == 1 && wanted(t))
                ++delta;
        });
        forEachNear(next, s_.n, s_.c, s_.g, [&](Mask t) {
            if (!near(t, row) && count_[maskRank(t)] == 0 && wanted(t))
                --delta;
        });
        return delta;
    }

    // Counts the c-sets near `row` that `except` does not reach already.
    void add(Mask row, Mask except) {
        forEachNear(row, s_.n, s_.c, s_.g, [&](Mask t) {
            if (except && near(t, except))
                return;
            const std::uint64_t r = maskRank(t);
            if (count_[r]++ == 0 && uncovered_.contains(r))
                uncovered_.erase(r);
        });
    }
    void remove(Mask row, Mask except) {
        forEachNear(row, s_.n, s_.c, s_.g, [&](Mask t) {
            if (except && near(t, except))
                return;
            const std::uint64_t r = maskRank(t);
            if (--count_[r] == 0 && wanted(t))
                uncovered_.insert(r);
        });
    }

    void dropWeakest() {
        std::size_t weakest = 0;
        int fewest = -1;
        for (std::size_t i = 0; i < rows_.size(); ++i) {
            int alone = 0;
            forEachNear(rows_[i], s_.n, s_.c, s_.g, [&](Mask t) {
                if (count_[maskRank(t)] == 1 && wanted(t))
                    ++alone;
            });
            if (fewest < 0 || alone < fewest) {
                fewest = alone;
                weakest = i;
            }
        }
        remove(rows_[weakest], 0);
        rows_[weakest] = rows_.back();
        rows_.pop_back();
    }

    Shape s_;
    std::vector<Mask> rows_;
    std::vector<Mask> parts_;
    std::vector<std::uint32_t> count_;
    OpenSet uncovered_;
    std::mt19937_64 rng_;
};

} // namespace

std::vector<Mask> anneal(const Shape& s, std::vector<Mask> rows, double seconds,
                         std::uint64_t random, std::vector<Mask> parts) {
    return Search(s, std::move(rows), random, std::move(parts)).run(seconds);
}

} // namespace varnelo::covergen
