#include "conditions/DelayTables.h"

#include <algorithm>

namespace varnelo {

namespace {

// num / den rounded to two decimals, × 10000.
std::int64_t ratio(std::int64_t num, std::int64_t den) {
    if (den <= 0)
        return 0;
    return (num * 200 + den) / (2 * den) * 100;
}

} // namespace

void DelayTables::clear() {
    draws_ = 0;
    out_.fill(0);
    last_.fill(-1);
    maxDelay_.fill(0);
    for (auto& row : pairLast_)
        row.fill(-1);
}

void DelayTables::rebuild(std::span<const Column> selection) {
    clear();
    const std::size_t skip = selection.size() > kDelayWindow ? selection.size() - kDelayWindow : 0;
    for (const Column& c : selection.subspan(skip))
        add(c);
}

void DelayTables::add(const Column& draw) {
    for (std::size_t i = 0; i < draw.size(); ++i) {
        const auto n = draw[i];
        maxDelay_[n] = std::max(maxDelay_[n], draws_ - last_[n] - 1);
        last_[n] = draws_;
        ++out_[n];
        for (std::size_t j = i + 1; j < draw.size(); ++j)
            pairLast_[std::min(n, draw[j])][std::max(n, draw[j])] = draws_;
    }
    ++draws_;
}

std::int32_t DelayTables::delay(int n) const {
    return draws_ - last_[static_cast<std::size_t>(n)] - 1;
}

std::int32_t DelayTables::pairDelay(int a, int b) const {
    const auto lo = static_cast<std::size_t>(std::min(a, b));
    const auto hi = static_cast<std::size_t>(std::max(a, b));
    return draws_ - pairLast_[lo][hi] - 1;
}

std::int64_t DelayTables::figure(NumberFigure f, int n) const {
    const std::int64_t o = out(n);
    switch (f) {
    case NumberFigure::Out:
        return o * 10000;
    case NumberFigure::Frequency:
        return o > 0 ? ratio(draws_, o) : 0;
    case NumberFigure::Delay:
        return std::int64_t{delay(n)} * 10000;
    case NumberFigure::MaxDelay:
        return std::int64_t{maxDelay(n)} * 10000;
    case NumberFigure::Cycle:
        return o > 0 ? ratio(std::int64_t{delay(n)} * o, draws_) : 0;
    default:
        return ratio(o * 100, draws_);
    }
}

std::array<std::int32_t, kMaxNumber + 1> DelayTables::delays() const {
    std::array<std::int32_t, kMaxNumber + 1> d{};
    for (int n = 1; n <= kMaxNumber; ++n)
        d[static_cast<std::size_t>(n)] = delay(n);
    return d;
}

std::vector<Column> drawNumbers(const std::vector<Draw>& draws) {
    std::vector<Column> out;
    out.reserve(draws.size());
    for (const Draw& d : draws)
        out.push_back(d.numbers);
    return out;
}

void rebuildDelayTables(DelayTables& t, const std::vector<Draw>& selection) {
    t.rebuild(drawNumbers(selection));
}

} // namespace varnelo
