#include "columns/FilterAnalysis.h"

#include <algorithm>
#include <bit>
#include <map>

namespace varnelo {

namespace {

bool reportEvery(Progress& progress, std::int64_t done) {
    if (done % kProgressStep == 0) {
        progress.report(done);
        return !progress.cancelled();
    }
    return true;
}

} // namespace

std::vector<FilterColumnRecord> analyseFilterColumns(const ActiveFilters& store,
                                                     std::span<const Column> draws,
                                                     Progress& progress) {
    std::vector<FilterColumnRecord> records(store.size());
    progress.total = static_cast<std::int64_t>(store.size());
    for (std::size_t j = 0; j < store.size(); ++j) {
        if (!reportEvery(progress, static_cast<std::int64_t>(j)))
            break;
        FilterColumnRecord& r = records[j];
        r.delay = static_cast<std::int32_t>(draws.size());
        for (std::size_t d = 0; d < draws.size(); ++d) {
            const std::uint64_t mask = numberMask(draws[d]);
            ++r.hits[static_cast<std::size_t>(std::popcount(mask & store[j].numbers))];
            if (admits(store[j], mask)) {
                ++r.admitted;
                r.delay = static_cast<std::int32_t>(draws.size() - 1 - d);
            }
        }
    }
    progress.report(progress.total);
    return records;
}

std::vector<YearRecord> analyseByYear(const ActiveFilters& store, std::span<const Draw> draws,
                                      Progress& progress) {
    std::map<int, YearRecord> years;
    std::map<int, std::int64_t> admitting;
    progress.total = static_cast<std::int64_t>(draws.size());
    for (std::size_t d = 0; d < draws.size(); ++d) {
        if (!reportEvery(progress, static_cast<std::int64_t>(d)))
            break;
        const std::uint64_t mask = numberMask(draws[d].numbers);
        const auto count = std::count_if(store.begin(), store.end(),
                                         [mask](const ActiveFilter& f) { return admits(f, mask); });
        YearRecord& y = years[draws[d].year];
        y.year = draws[d].year;
        ++y.draws;
        y.passing += count == static_cast<std::ptrdiff_t>(store.size()) ? 1 : 0;
        admitting[y.year] += count;
    }
    std::vector<YearRecord> out;
    for (auto& [year, y] : years) {
        y.meanAdmitting = static_cast<double>(admitting[year]) / y.draws;
        out.push_back(y);
    }
    progress.report(progress.total);
    return out;
}

YearRecord yearMean(const std::vector<YearRecord>& years) {
    YearRecord mean;
    if (years.empty())
        return mean;
    double draws = 0, passing = 0, admitting = 0;
    for (const YearRecord& y : years) {
        draws += y.draws;
        passing += y.passing;
        admitting += y.meanAdmitting * y.draws;
    }
    const double n = static_cast<double>(years.size());
    mean.draws = static_cast<std::int32_t>(draws / n + 0.5);
    mean.passing = static_cast<std::int32_t>(passing / n + 0.5);
    mean.meanAdmitting = draws > 0 ? admitting / draws : 0.0;
    return mean;
}

std::array<std::int32_t, kMaxNumber + 1> numberFrequency(const FilterList& list) {
    std::array<std::int32_t, kMaxNumber + 1> out{};
    for (const ListColumn& c : list.columns) {
        const std::uint64_t mask = numberMask(c.numbers);
        for (int n = 1; n <= kMaxNumber; ++n)
            out[static_cast<std::size_t>(n)] += (mask >> n & 1u) ? 1 : 0;
    }
    return out;
}

SystemDistribution distributeSystem(const ActiveFilters& store, const ColumnStore& columns,
                                    Progress& progress) {
    SystemDistribution out;
    out.hits.resize(store.size());
    out.rejected.resize(store.size());
    progress.total = columns.storedCount;
    for (std::int32_t i = 1; i <= columns.storedCount; ++i) {
        if (!reportEvery(progress, i))
            break;
        const Column c = columns.column(i);
        const std::uint64_t mask = numberMask(c);
        std::size_t failures = 0;
        for (std::size_t j = 0; j < store.size(); ++j) {
            ++out.hits[j][static_cast<std::size_t>(std::popcount(mask & store[j].numbers))];
            if (!admits(store[j], mask)) {
                ++out.rejected[j];
                ++failures;
            }
        }
        ++out.byFailures[std::min(failures, kFailureBuckets - 1)];
        ++out.columns;
    }
    progress.report(progress.total);
    return out;
}

} // namespace varnelo
