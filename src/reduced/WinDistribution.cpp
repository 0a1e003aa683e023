#include "reduced/WinDistribution.h"
#include "reduced/Combinatorics.h"

#include <algorithm>
#include <bit>
#include <vector>

namespace varnelo {

namespace {

class HitWalk {
  public:
    HitWalk(const PositionTable& t, TableHits& hits) : t_(t), hits_(hits) {
        for (int s = 1; s <= t.rowLength; ++s) {
            marked_[s].assign(tableBinomial(t.n, s), false);
            for (std::size_t i = 0; i < t.rows(); ++i)
                for (unsigned m = 1; m < 1u << t.rowLength; ++m) {
                    if (std::popcount(m) != s)
                        continue;
                    std::uint64_t r = 0;
                    int j = 0;
                    for (int b = 0; b < t.rowLength; ++b)
                        if (m >> b & 1)
                            r += tableBinomial(t.row(i)[b] - 1, ++j);
                    marked_[s][r] = true;
                }
        }
    }

    void run() {
        hits_[0][0] = 1;
        extend(0, 0, 0);
    }

  private:
    // Best count a row holds of a set made of `x` and part of the prefix.
    int bestWith(int depth, int x) const {
        int best = 0;
        for (unsigned m = 0; m < 1u << depth; ++m) {
            const int s = std::popcount(m) + 1;
            if (s > t_.rowLength || s <= best)
                continue;
            std::uint64_t r = tableBinomial(x, s);
            int j = 0;
            for (int b = 0; b < depth; ++b)
                if (m >> b & 1)
                    r += tableBinomial(chosen_[b], ++j);
            if (marked_[s][r])
                best = s;
        }
        return best;
    }

    void extend(int depth, int start, int best) {
        if (depth == 5)
            return;
        for (int x = start; x < t_.n; ++x) {
            chosen_[depth] = x;
            const int b = std::max(best, bestWith(depth, x));
            ++hits_[depth + 1][b];
            extend(depth + 1, x + 1, b);
        }
    }

    const PositionTable& t_;
    TableHits& hits_;
    std::array<std::vector<bool>, 6> marked_;
    std::array<int, 5> chosen_{};
};

} // namespace

TableHits tableHits(const PositionTable& t) {
    TableHits hits{};
    if (t.rowLength == 1) {
        // Single numbers: a set scores 1 as soon as it meets a used position.
        std::vector<bool> used(static_cast<std::size_t>(t.n) + 1, false);
        for (std::size_t i = 0; i < t.rows(); ++i)
            used[t.row(i)[0]] = true;
        const int free = t.n - static_cast<int>(std::count(used.begin(), used.end(), true));
        for (int d = 0; d <= 5; ++d) {
            hits[d][0] = tableBinomial(free, d);
            hits[d][1] = tableBinomial(t.n, d) - tableBinomial(free, d);
        }
        return hits;
    }
    HitWalk(t, hits).run();
    return hits;
}

WinDistribution winDistribution(const TableHits& hits, int n, int fixed, int universe) {
    WinDistribution w;
    const int others = universe - n - fixed;
    for (int df = 0; df <= std::min(fixed, 5); ++df)
        for (int d = 0; d + df <= 5 && d <= n; ++d)
            for (int b = 0; b <= 5 - df; ++b) {
                const std::uint64_t count =
                    tableBinomial(fixed, df) * hits[d][b] * tableBinomial(others, 5 - df - d);
                w.draws[df + d][df + b] += count;
                w.total += count;
            }
    return w;
}

} // namespace varnelo
