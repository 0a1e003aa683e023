#include "reduced/OrthogonalDevelopment.h"

#include "core/ColumnStore.h"
#include "core/SubsetIndex.h"
#include "reduced/ApplyReduced.h"
#include "reduced/ReducedNames.h"

#include <array>
#include <bit>
#include <span>

namespace varnelo {

namespace {

using Mask = std::uint64_t;

Mask maskOf(const std::vector<int>& numbers) {
    Mask m = 0;
    for (const int n : numbers)
        m |= Mask{1} << n;
    return m;
}

// The numbers of a mask, ascending; at most five of them.
struct SetNumbers {
    std::array<std::uint8_t, kColumnSize> n{};
    std::size_t size = 0;

    explicit SetNumbers(Mask m) {
        for (; m != 0 && size < n.size(); m &= m - 1)
            n[size++] = static_cast<std::uint8_t>(std::countr_zero(m));
    }
    std::span<const std::uint8_t> span() const { return {n.data(), size}; }
};

Column columnOf(Mask m) {
    return SetNumbers(m).n;
}

// Calls `visit` with the mask of every set of `size` numbers of `pool`,
// joined to `base`, in lexicographic order; stops when it returns false.
// A template, so that the walk's test is inlined into its loops.
template <typename Visit>
bool forEachSet(const std::vector<int>& pool, int size, Mask base, Visit&& visit,
                std::size_t from = 0) {
    if (size == 0)
        return visit(base);
    for (std::size_t i = from; i + static_cast<std::size_t>(size) <= pool.size(); ++i)
        if (!forEachSet(pool, size - 1, base | Mask{1} << pool[i], visit, i + 1))
            return false;
    return true;
}

// The sets of c numbers the guarantee speaks of: the fixed ones and c - F
// free ones, or c of the fixed ones when there are more of them.
template <typename Visit>
bool forEachGuaranteedSet(const std::vector<int>& fixed, const std::vector<int>& free, int c,
                          Visit&& visit) {
    const int f = static_cast<int>(fixed.size());
    if (f >= c)
        return forEachSet(fixed, c, 0, visit);
    return forEachSet(free, c - f, maskOf(fixed), visit);
}

bool met(const SubsetIndex& columns, Mask set) {
    return columns.sharesWithAny(SetNumbers(set).span());
}

} // namespace

std::string orthogonalDevelopmentCode(int n, int fixed, int option) {
    const auto o = orthogonalOption(option);
    if (!o)
        return {};
    if (o->g > fixed && n + fixed >= 6)
        return orthogonalTableCode(n, fixed, o->g, o->c);
    return std::string(kFullDevelopmentCode);
}

std::vector<Column> fullDevelopment(const std::vector<int>& fixed, const std::vector<int>& free) {
    std::vector<Column> out;
    const int f = static_cast<int>(fixed.size());
    if (f <= kColumnSize)
        forEachSet(free, kColumnSize - f, maskOf(fixed), [&](Mask m) {
            out.push_back(columnOf(m));
            return true;
        });
    return out;
}

bool orthogonalGuaranteeHolds(const std::vector<Column>& columns, const std::vector<int>& fixed,
                              const std::vector<int>& free, int g, int c) {
    SubsetIndex index(g);
    for (const Column& col : columns)
        index.insert(col);
    return forEachGuaranteedSet(fixed, free, c, [&](Mask set) { return met(index, set); });
}

OrthogonalRun orthogonalWalk(const std::vector<int>& fixed, const std::vector<int>& free, int g,
                             int c, Progress& progress) {
    OrthogonalRun run;
    const int f = static_cast<int>(fixed.size());
    // The walk: columns of the numbers that hold every fixed one. Sharing
    // more than g - 1 numbers is sharing g of them, which the index of the
    // g-subsets of the accepted columns answers without comparing them all;
    // the same index tells the completion which sets are met.
    SubsetIndex shared(g);
    Mask used = 0; // every number of the accepted columns
    const auto accept = [&](const Column& taken) {
        shared.insert(taken);
        run.columns.push_back(taken);
        for (const auto x : taken)
            used |= Mask{1} << x;
    };
    const auto full = [&] {
        return run.columns.size() >= static_cast<std::size_t>(ColumnStore::kCapacity);
    };
    const Mask fixedMask = maskOf(fixed);
    std::int64_t seen = 0;
    if (f <= kColumnSize)
        forEachSet(free, kColumnSize - f, fixedMask, [&](Mask candidate) {
            if (++seen % kProgressStep == 0) {
                progress.report(static_cast<std::int64_t>(run.columns.size()));
                if (progress.cancelled()) {
                    run.stopped = true;
                    return false;
                }
            }
            // Fewer than g of its numbers in use at all: no accepted column
            // shares g with it. For g = 1 that answer is exact both ways.
            if (std::popcount(candidate & used) < g) {
                accept(columnOf(candidate));
            } else if (g > 1) {
                const Column next = columnOf(candidate);
                if (!shared.sharesWithAny(next))
                    accept(next);
            }
            return !full();
        });

    // Completion: a set not yet met gets a column that holds it, filled with
    // the lowest numbers not in it (fixed ones first, as every column needs them).
    if (!run.stopped) {
        std::vector<int> all = fixed;
        all.insert(all.end(), free.begin(), free.end());
        forEachGuaranteedSet(fixed, free, c, [&](Mask set) {
            if (met(shared, set) || full())
                return true;
            Mask column = set | fixedMask;
            for (const int x : all)
                if (std::popcount(column) < kColumnSize)
                    column |= Mask{1} << x;
            accept(columnOf(column));
            progress.report(static_cast<std::int64_t>(run.columns.size()));
            run.stopped = progress.cancelled();
            return !run.stopped;
        });
    }
    run.guaranteed = !run.stopped && orthogonalGuaranteeHolds(run.columns, fixed, free, g, c);
    return run;
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
    run.code = orthogonalDevelopmentCode(n, f, option);
    if (run.code == kFullDevelopmentCode) {
        run.fullDevelopment = true;
        run.columns = fullDevelopment(fixed, free);
        run.guaranteed = orthogonalGuaranteeHolds(run.columns, fixed, free, o->g, o->c);
        return run;
    }
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
    OrthogonalRun walked = orthogonalWalk(fixed, free, o->g, o->c, progress);
    walked.code = std::move(run.code);
    return walked;
}

} // namespace varnelo
