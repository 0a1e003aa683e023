#include "conditions/InsCondizione.h"

#include "conditions/ConditionStatistics.h"

#include <algorithm>

namespace varnelo {

std::optional<Notice> insCondizioneRefusal(bool stopped, bool orthogonal,
                                           bool differenceThreshold) {
    if (!stopped && !orthogonal && !differenceThreshold)
        return std::nullopt;
    return Notice{"Sistema non Sviluppato",
                  {"Sistema non sviluppato.", "Per avere queste statistiche, il sistema",
                   "deve essere un sistema condizionato, e non un sistema",
                   "Ortogonale, o differenza tra colonne"}};
}

std::vector<InsRow> insCondizioneRows(std::span<const Column> draws,
                                      const DistributionTable& system, std::int64_t systemColumns,
                                      const MetricContext& ctx) {
    std::vector<InsRow> rows;
    for (int code = 1; code <= kMaxMetricCode; ++code) {
        if (!isCatalogueCode(code))
            continue;
        bool any = false;
        for (int v = 0; v <= 5; ++v)
            any = any || system.count(v, code) > 0;
        if (!any)
            continue;
        const ValueStatistics s =
            walkStatistics(draws, 0, 5, [code, &ctx](const Column& c, std::size_t) {
                return code == 14 ? archiveBridgeCount(c) : metricValue(code, c, ctx);
            });
        for (int v = 0; v <= 5; ++v) {
            const std::int64_t have = system.count(v, code);
            if (have == 0)
                continue;
            InsRow r{code,          v,          have, s.out(v), s.frequency(v), s.delay(v),
                     s.maxDelay(v), s.cycle(v), 0.0};
            if (s.draws() > 0 && systemColumns > 0)
                r.score = (static_cast<double>(r.out) / s.draws()) /
                          (static_cast<double>(have) / static_cast<double>(systemColumns));
            rows.push_back(r);
        }
    }
    std::stable_sort(rows.begin(), rows.end(), [](const InsRow& a, const InsRow& b) {
        if (a.score != b.score)
            return a.score > b.score;
        return a.systemColumns > b.systemColumns;
    });
    return rows;
}

} // namespace varnelo
