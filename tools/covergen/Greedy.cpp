#include "Greedy.h"

#include "reduced/Combinatorics.h"

#include <queue>
#include <random>
#include <tuple>

namespace varnelo::covergen {

double greedyWork(const Shape& s) {
    return static_cast<double>(tableBinomial(s.n, s.c)) *
           static_cast<double>(nearCount(s.c, s.n, s.k, s.g));
}

std::vector<Mask> greedy(const Shape& s, const std::vector<Mask>& seed, std::uint64_t random) {
    const std::uint64_t rowCount = tableBinomial(s.n, s.k);
    const std::uint64_t targetCount = tableBinomial(s.n, s.c);
    std::vector<std::int32_t> score(rowCount,
                                    static_cast<std::int32_t>(nearCount(s.k, s.n, s.c, s.g)));
    std::vector<std::uint8_t> covered(targetCount, 0);
    std::uint64_t open = targetCount;
    std::vector<Mask> rows;

    auto take = [&](Mask row) {
        rows.push_back(row);
        forEachNear(row, s.n, s.c, s.g, [&](Mask t) {
            const std::uint64_t r = maskRank(t);
            if (covered[r])
                return;
            covered[r] = 1;
            --open;
            forEachNear(t, s.n, s.k, s.g, [&](Mask near) { --score[maskRank(near)]; });
        });
    };
    for (Mask m : seed)
        take(m);

    std::mt19937_64 rng(random);
    using Entry = std::tuple<std::int32_t, std::uint32_t, std::uint32_t>;
    std::vector<Entry> heap;
    heap.reserve(rowCount);
    for (std::uint64_t r = 0; r < rowCount; ++r)
        if (score[r] > 0)
            heap.emplace_back(score[r], static_cast<std::uint32_t>(rng()),
                              static_cast<std::uint32_t>(r));
    std::priority_queue<Entry> queue(std::less<Entry>(), std::move(heap));
    while (open > 0 && !queue.empty()) {
        auto [stored, tie, r] = queue.top();
        queue.pop();
        if (score[r] <= 0)
            continue;
        if (score[r] != stored) {
            queue.emplace(score[r], tie, r);
            continue;
        }
        take(unrankMask(r, s.k, s.n));
    }
    return rows;
}

std::vector<Mask> prune(const Shape& s, std::vector<Mask> rows) {
    std::vector<std::uint32_t> count(tableBinomial(s.n, s.c), 0);
    for (Mask row : rows)
        forEachNear(row, s.n, s.c, s.g, [&](Mask t) { ++count[maskRank(t)]; });
    for (std::size_t i = rows.size(); i-- > 0;) {
        bool needed = false;
        forEachNear(rows[i], s.n, s.c, s.g,
                    [&](Mask t) { needed = needed || count[maskRank(t)] == 1; });
        if (needed)
            continue;
        forEachNear(rows[i], s.n, s.c, s.g, [&](Mask t) { --count[maskRank(t)]; });
        rows.erase(rows.begin() + static_cast<std::ptrdiff_t>(i));
    }
    return rows;
}

} // namespace varnelo::covergen
