#include "conditions/ConditionStatistics.h"

#include <algorithm>

namespace varnelo {

ValueStatistics::ValueStatistics(int minValue, int maxValue)
    : min_(minValue), out_(static_cast<std::size_t>(std::max(0, maxValue - minValue + 1)), 0),
      last_(out_.size(), -1), maxDelay_(out_.size(), 0) {}

void ValueStatistics::add(int value) {
    if (has(value)) {
        const std::size_t i = at(value);
        // The wait that ends here: draws since the last appearance, or since the first draw.
        maxDelay_[i] = std::max(maxDelay_[i], draws_ - last_[i] - 1);
        last_[i] = draws_;
        ++out_[i];
    }
    ++draws_;
}

std::int32_t ValueStatistics::out(int value) const {
    return has(value) ? out_[at(value)] : 0;
}

std::int32_t ValueStatistics::delay(int value) const {
    return has(value) ? draws_ - last_[at(value)] - 1 : draws_;
}

std::int32_t ValueStatistics::maxDelay(int value) const {
    return has(value) ? maxDelay_[at(value)] : 0;
}

double ValueStatistics::frequency(int value) const {
    return draws_ > 0 ? out(value) * 100.0 / draws_ : 0.0;
}

double ValueStatistics::cycle(int value) const {
    const std::int32_t o = out(value);
    return o > 0 ? static_cast<double>(draws_) / o : 0.0;
}

StatisticsPanel statisticsPanel(const ValueStatistics& s,
                                std::span<const std::int64_t> systemCounts,
                                std::int64_t systemTotal) {
    StatisticsPanel p;
    int came = 0;
    for (int v = s.minValue(); v <= s.maxValue(); ++v) {
        PanelRow r;
        r.value = v;
        r.out = s.out(v);
        r.delay = s.delay(v);
        r.maxDelay = s.maxDelay(v);
        r.frequency = s.frequency(v);
        r.cycle = s.cycle(v);
        const std::size_t i = static_cast<std::size_t>(v - s.minValue());
        r.systemColumns = i < systemCounts.size() ? static_cast<double>(systemCounts[i]) : 0.0;
        r.systemShare = systemTotal > 0 ? r.systemColumns * 100.0 / systemTotal : 0.0;
        if (r.out > 0) {
            ++came;
            p.mean.out += r.out;
            p.mean.delay += r.delay;
            p.mean.maxDelay += r.maxDelay;
            p.mean.frequency += r.frequency;
            p.mean.cycle += r.cycle;
        }
        p.mean.systemColumns += r.systemColumns;
        p.mean.systemShare += r.systemShare;
        p.rows.push_back(r);
    }
    if (came > 0) {
        p.mean.out /= came;
        p.mean.delay /= came;
        p.mean.maxDelay /= came;
        p.mean.frequency /= came;
        p.mean.cycle /= came;
    }
    if (!p.rows.empty()) {
        p.mean.systemColumns /= static_cast<double>(p.rows.size());
        p.mean.systemShare /= static_cast<double>(p.rows.size());
    }
    return p;
}

} // namespace varnelo
