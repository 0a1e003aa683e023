#include "checking/SystemCheck.h"

#include "checking/HitCount.h"
#include "core/ColumnsFileFormat.h"
#include "core/LineReader.h"

namespace varnelo {

namespace {

Notice overflowNotice(const std::string& why) {
    return Notice{"Spoglio:",
                  {"Le colonne in eccesso del sistema (qor.qor) non si possono leggere:", why,
                   "Lo spoglio non è stato fatto."}};
}

void keepRow(SystemCheck& out, const Column& c, int hits) {
    if (static_cast<std::int32_t>(out.firstColumns.size()) < kWinsGridRows) {
        out.firstColumns.push_back(c);
        out.firstHits.push_back(static_cast<std::uint8_t>(hits));
    }
}

} // namespace

std::optional<Notice> readOverflowColumns(const ProgramFolder& folder, std::int64_t count,
                                          const std::function<bool(const Column&)>& take) {
    if (count <= 0)
        return std::nullopt;
    LineReader in(folder.path("qor/qor.qor"));
    if (!in.isOpen())
        return overflowNotice("il file qor.qor manca.");
    std::string_view line;
    std::string reason;
    Column c{};
    for (std::int64_t k = 1; k <= count; ++k) {
        if (!in.next(line))
            return overflowNotice("il file finisce alla riga " + std::to_string(k - 1) + ".");
        if (!parseColumnLine(line, c, &reason))
            return overflowNotice("riga " + std::to_string(k) + ": " + reason + ".");
        if (!take(c))
            break;
    }
    return std::nullopt;
}

SystemCheck checkSystem(const ColumnStore& store, const ProgramFolder& folder,
                        const Selection& system, const Combination& combination,
                        Progress& progress) {
    SystemCheck out;
    out.split = betSplit(system, combination);
    const MarkTable marks(combination);
    const std::int32_t stored = store.storedCount;
    const std::int64_t overflow = std::max<std::int64_t>(0, store.systemTotal - stored);
    progress.total.store(overflow + stored);
    HitCounts hits{};
    std::int64_t done = 0;
    out.failure = readOverflowColumns(folder, overflow, [&](const Column& c) {
        const int k = marks.hits(c);
        ++hits[static_cast<std::size_t>(k)];
        keepRow(out, c, k);
        if (++done % kProgressStep == 0) {
            progress.report(done);
            if (progress.cancelled()) {
                out.cancelled = true;
                return false;
            }
        }
        return true;
    });
    if (out.failure) {
        out.firstColumns.clear();
        out.firstHits.clear();
        return out;
    }
    // The first grid rows keep their columns; the rest only counts.
    std::int32_t j = 1;
    for (; !out.cancelled && j <= stored &&
           static_cast<std::int32_t>(out.firstColumns.size()) < kWinsGridRows;
         ++j) {
        const Column c = store.column(j);
        const int k = marks.hits(c);
        ++hits[static_cast<std::size_t>(k)];
        keepRow(out, c, k);
    }
    // Stop requests are seen every progress step: at most a few microseconds of counting.
    for (; !out.cancelled && j <= stored; j += static_cast<std::int32_t>(kProgressStep)) {
        const std::int32_t last =
            std::min<std::int64_t>(stored, j + static_cast<std::int64_t>(kProgressStep) - 1);
        countStoredHits(store, j, last, marks, hits);
        progress.report(overflow + last);
        out.cancelled = progress.cancelled() && last < stored;
    }
    out.tally.add(hits, out.split);
    progress.report(out.tally.checked);
    return out;
}

} // namespace varnelo
