#include "checking/ArchiveComparison.h"

#include "checking/ArchiveView.h"
#include "checking/SubsetCounts.h"
#include "checking/SystemCheck.h"

namespace varnelo {

ArchiveComparison compareWithDraws(const ColumnStore& store, const ProgramFolder& folder,
                                   const Selection& system, const std::vector<Draw>& draws,
                                   Progress& progress) {
    ArchiveComparison out;
    const std::int32_t stored = store.storedCount;
    const std::int64_t overflow = std::max<std::int64_t>(0, store.systemTotal - stored);
    const auto drawCount = static_cast<std::int64_t>(draws.size());
    progress.total.store(overflow + stored + drawCount);
    SubsetCounts counts;
    std::int64_t done = 0;
    auto step = [&] {
        if (++done % kProgressStep != 0)
            return true;
        progress.report(done);
        out.cancelled = progress.cancelled();
        return !out.cancelled;
    };
    out.failure = readOverflowColumns(folder, overflow, [&](const Column& c) {
        counts.add(c);
        return step();
    });
    if (out.failure)
        return out;
    for (std::int32_t j = 1; j <= stored && !out.cancelled; ++j) {
        counts.add(store.column(j));
        step();
    }
    for (auto d = draws.rbegin(); d != draws.rend() && !out.cancelled; ++d) {
        DrawWins row{*d, {}};
        row.tally.add(counts.hitsOf(d->numbers), betSplit(system, combinationOfDraw(*d)));
        if (const int best = row.tally.best(); best >= 0)
            ++out.bestDraws[static_cast<std::size_t>(best)];
        out.totals.add(row.tally);
        out.draws.push_back(std::move(row));
        step();
    }
    progress.report(done);
    return out;
}

} // namespace varnelo
