#include "reduced/OrthogonalDevelopment.h"

#include "core/ColumnStore.h"
#include "reduced/ApplyReduced.h"
#include "reduced/ReducedNames.h"

#include <algorithm>
#include <bit>
#include <functional>

namespace varnelo {

namespace {

using Mask = std::uint64_t;

Mask maskOf(const Column& c) {
    Mask m = 0;
    for (const auto n : c)
        m |= Mask{1} << n;
    return m;
}

Column columnOf(Mask m) {
    Column c{};
    int k = 0;
    for (int n = 1; n <= kMaxNumber && k < kColumnSize; ++n)
        if (m >> n & 1u)
            c[static_cast<std::size_t>(k++)] = static_cast<std::uint8_t>(n);
    return c;
}

// Calls `visit` with the mask of every set of `size` numbers of `pool`,
// joined to `base`, in lexicographic order; stops when it returns false.
bool forEachSet(const std::vector<int>& pool, int size, Mask base,
                const std::function<bool(Mask)>& visit) {
    std::vector<int> at(static_cast<std::size_t>(size));
    std::function<bool(int, std::size_t, Mask)> walk = [&](int depth, std::size_t from, Mask m) {
        if (depth == size)
            return visit(m);
        for (std::size_t i = from; i + static_cast<std::size_t>(size - depth) <= pool.size(); ++i)
            if (!walk(depth + 1, i + 1, m | Mask{1} << pool[i]))
                return false;
        return true;
    };
    return walk(0, 0, base);
}

// The sets of c numbers the guarantee speaks of: the fixed ones and c - F
// free ones, or c of the fixed ones when there are more of them.
bool forEachGuaranteedSet(const std::vector<int>& fixed, const std::vector<int>& free, int c,
                          const std::function<bool(Mask)>& visit) {
    const int f = static_cast<int>(fixed.size());
    if (f >= c)
        return forEachSet(fixed, c, 0, visit);
    Mask base = 0;
    for (const int n : fixed)
        base |= Mask{1} << n;
    return forEachSet(free, c - f, base, visit);
}

bool met(const std::vector<Mask>& columns, Mask set, int g) {
    return std::any_of(columns.begin(), columns.end(),
                       [&](Mask m) { return std::popcount(m & set) >= g; });
}

} // namespace

bool orthogonalGuaranteeHolds(const std::vector<Column>& columns, const std::vector<int>& fixed,
                              const std::vector<int>& free, int g, int c) {
    std::vector<Mask> masks;
    for (const Column& col : columns)
        masks.push_back(maskOf(col));
    return forEachGuaranteedSet(fixed, free, c, [&](Mask set) { return met(masks, set, g); });
}

OrthogonalRun developOrthogonal(const Catalogue& catalogue, const std::vector<int>& fixed,
                                const std::vector<int>& free, int option, Progress& progress) {
    OrthogonalRun run;
    const auto o = orthogonalOption(option);
    if (!o)
        return run;
    const int f = static_cast<int>(fixed.size());
    const int n = static_cast<int>(free.size());
    if (n + f < kColumnSize)
        return run;
    if (o->g > f && n + f >= 6) {
        run.code = orthogonalTableCode(n, f, o->g, o->c);
        {
            AppliedReduced table = applyReduced(catalogue, run.code, fixed, free);
            // A table, or one that is damaged: either is the answer.
            if (!table.columns.empty() ||
                (table.notice && table.notice->title != "Ridotto non compatibile:")) {
                run.fromTable = !table.columns.empty();
                run.columns = std::move(table.columns);
                run.notice = std::move(table.notice);
                run.guaranteed =
                    run.fromTable && orthogonalGuaranteeHolds(run.columns, fixed, free, o->g, o->c);
                return run;
            }
        }
    } else {
        run.code = std::string(kFullDevelopmentCode);
    }

    // The walk: columns of the numbers that hold every fixed one.
    const int overlap = o->g - 1;
    Mask fixedMask = 0;
    for (const int x : fixed)
        fixedMask |= Mask{1} << x;
    std::vector<Mask> accepted;
    std::int64_t seen = 0;
    if (f <= kColumnSize)
        forEachSet(free, kColumnSize - f, fixedMask, [&](Mask candidate) {
            if (++seen % kProgressStep == 0) {
                progress.report(static_cast<std::int64_t>(accepted.size()));
                if (progress.cancelled()) {
                    run.stopped = true;
                    return false;
                }
            }
            for (const Mask m : accepted)
                if (std::popcount(m & candidate) > overlap)
                    return true;
            accepted.push_back(candidate);
            return accepted.size() < static_cast<std::size_t>(ColumnStore::kCapacity);
        });

    // Completion: a set not yet met gets a column that holds it, filled with
    // the lowest numbers not in it (fixed ones first, as every column needs them).
    if (!run.stopped) {
        std::vector<int> all = fixed;
        all.insert(all.end(), free.begin(), free.end());
        forEachGuaranteedSet(fixed, free, o->c, [&](Mask set) {
            if (met(accepted, set, o->g) ||
                accepted.size() >= static_cast<std::size_t>(ColumnStore::kCapacity))
                return true;
            Mask column = set | fixedMask;
            for (const int x : all)
                if (std::popcount(column) < kColumnSize)
                    column |= Mask{1} << x;
            accepted.push_back(column);
            progress.report(static_cast<std::int64_t>(accepted.size()));
            run.stopped = progress.cancelled();
            return !run.stopped;
        });
    }
    for (const Mask m : accepted)
        run.columns.push_back(columnOf(m));
    run.guaranteed = !run.stopped && orthogonalGuaranteeHolds(run.columns, fixed, free, o->g, o->c);
    return run;
}

} // namespace varnelo
