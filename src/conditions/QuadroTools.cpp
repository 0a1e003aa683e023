#include "conditions/QuadroTools.h"

#include "conditions/FilterColumns.h"

#include <algorithm>

namespace varnelo {

std::vector<FilterColumn> quadroColumnsOf(const std::vector<Column>& columns, int minHits,
                                          int maxHits) {
    std::vector<FilterColumn> out;
    out.reserve(columns.size());
    for (const ListColumn& c : filterColumnsOf(columns, minHits, maxHits))
        out.push_back({numberMask(c.numbers), c.hits});
    return out;
}

std::vector<FilterColumn> quadroColumnsOf(const std::vector<ListColumn>& lists, int minHits,
                                          int maxHits) {
    std::uint8_t hits = 0;
    for (int h = std::max(0, minHits); h <= std::min(5, maxHits); ++h)
        hits |= static_cast<std::uint8_t>(1u << h);
    std::vector<FilterColumn> out;
    out.reserve(lists.size());
    for (const ListColumn& l : lists)
        out.push_back({numberMask(l.numbers), hits});
    return out;
}

std::optional<std::uint64_t> typedFilterNumbers(std::string_view text) {
    std::uint64_t mask = 0;
    int value = -1;
    auto close = [&] {
        if (value < 0)
            return true;
        if (value < 1 || value > kMaxNumber)
            return false;
        const std::uint64_t bit = std::uint64_t{1} << value;
        if (mask & bit)
            return false;
        mask |= bit;
        value = -1;
        return true;
    };
    for (const char ch : text) {
        if (ch >= '0' && ch <= '9') {
            value = (value < 0 ? 0 : value) * 10 + (ch - '0');
            if (value > 99)
                return std::nullopt;
        } else if (ch == ' ' || ch == ',' || ch == '\t' || ch == '-') {
            if (!close())
                return std::nullopt;
        } else {
            return std::nullopt;
        }
    }
    if (!close() || mask == 0)
        return std::nullopt;
    return mask;
}

bool quadroSatisfied(const AndOrQuadro& q, const Column& c) {
    const QuadroScore s = quadroScore(q, c);
    return q.guessed.contains(s.guessed) && q.points.contains(s.points);
}

QuadroYears quadroYears(const AndOrQuadro& q, const std::vector<Draw>& draws) {
    QuadroYears out;
    for (const Draw& d : draws) {
        if (out.years.empty() || out.years.back().year != d.year)
            out.years.push_back({d.year});
        QuadroYear& y = out.years.back();
        const QuadroScore s = quadroScore(q, d.numbers);
        ++y.draws;
        y.satisfied += q.guessed.contains(s.guessed) && q.points.contains(s.points) ? 1 : 0;
        y.guessed += static_cast<double>(s.guessed);
        y.points += static_cast<double>(s.points);
    }
    for (QuadroYear& y : out.years) {
        y.guessed /= y.draws;
        y.points /= y.draws;
    }
    if (out.years.empty())
        return out;
    const double years = static_cast<double>(out.years.size());
    double drawSum = 0, satisfiedSum = 0;
    for (const QuadroYear& y : out.years) {
        drawSum += y.draws;
        satisfiedSum += y.satisfied;
        out.mean.guessed += y.guessed / years;
        out.mean.points += y.points / years;
    }
    out.mean.draws = static_cast<int>(drawSum / years + 0.5);
    out.mean.satisfied = static_cast<int>(satisfiedSum / years + 0.5);
    return out;
}

std::array<int, kMaxNumber + 1> quadroNumberCounts(const AndOrQuadro& q) {
    std::array<int, kMaxNumber + 1> counts{};
    for (const FilterColumn& f : q.columns)
        for (int n = 1; n <= kMaxNumber; ++n)
            counts[static_cast<std::size_t>(n)] += static_cast<int>(f.numbers >> n & 1u);
    return counts;
}

} // namespace varnelo
