#include "system/SystemPrinting.h"

#include "checking/SystemCheck.h"

namespace varnelo {

std::int64_t printedColumns(const ProgramState& state) {
    return std::max<std::int64_t>(state.columns.systemTotal, state.columns.storedCount);
}

std::optional<Notice> forEachSystemColumn(const ProgramState& state,
                                          const std::function<bool(const Column&)>& take) {
    const ColumnStore& store = state.columns;
    const std::int64_t overflow =
        std::max<std::int64_t>(0, std::int64_t{store.systemTotal} - store.storedCount);
    bool stopped = false;
    if (overflow > 0) {
        auto notice = readOverflowColumns(state.folder, overflow, [&](const Column& c) {
            stopped = !take(c);
            return !stopped;
        });
        // The check's notice ends with what the check did not do: printing
        // says its own.
        if (notice) {
            Notice damaged{"File manomesso o inesistente:", {"Sistema inesistente o manomesso."}};
            damaged.lines.insert(damaged.lines.end(), notice->lines.begin(),
                                 notice->lines.end() - (notice->lines.size() > 1 ? 1 : 0));
            return damaged;
        }
    }
    for (std::int32_t i = 1; i <= store.storedCount && !stopped; ++i)
        stopped = !take(store.column(i));
    return std::nullopt;
}

ListingSources listingSources(const ProgramState& state) {
    return {state.selection, state.conditions,          state.levels,        state.links,
            state.quadri,    state.families.filterList, state.families.andOr};
}

std::optional<Notice> writeSystemListing(const ProgramState& state, ListingSize size,
                                         const ListingSections& sections,
                                         const ColumnListing::Emit& emit,
                                         const std::function<bool()>& keepGoing) {
    std::optional<Notice> failure;
    writeListing(
        state.systemName, printedColumns(state), size, sections, listingSources(state),
        [&](ColumnListing& listing) {
            std::int64_t blocks = 0;
            bool going = true;
            failure = forEachSystemColumn(state, [&](const Column& c) {
                listing.add(c);
                if (listing.blocksWritten() != blocks) {
                    blocks = listing.blocksWritten();
                    going = keepGoing();
                }
                return going;
            });
            return going && !failure;
        },
        emit);
    return failure;
}

} // namespace varnelo
