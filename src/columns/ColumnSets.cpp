#include "columns/ColumnSets.h"

#include "core/SubsetIndex.h"

#include <algorithm>
#include <bit>
#include <random>

namespace varnelo {

namespace {

// An index of 5-subsets is a membership table of whole columns: one bit per
// colex rank, no hashing, 240 KB for every column of 49 numbers.
SubsetIndex columnSet(const std::vector<Column>& columns) {
    SubsetIndex set(kColumnSize);
    for (const Column& c : columns)
        set.insert(c);
    return set;
}

void appendWhere(std::vector<Column>& out, const std::vector<Column>& from,
                 const SubsetIndex& other, bool inOther) {
    for (const Column& c : from)
        if (other.sharesWithAny(c) == inOther)
            out.push_back(c);
}

// Reports every `step` items; true once a cancel has been asked.
bool cancelledAt(Progress& progress, std::int64_t done, std::int64_t step) {
    if (done % step != 0)
        return false;
    progress.report(done);
    return progress.cancelled();
}

} // namespace

std::vector<Column> combineColumns(const std::vector<Column>& a, const std::vector<Column>& b,
                                   SetOperation op) {
    std::vector<Column> out;
    if (op == SetOperation::Sum) {
        out.reserve(a.size() + b.size());
        out.insert(out.end(), a.begin(), a.end());
        out.insert(out.end(), b.begin(), b.end());
        return out;
    }
    const SubsetIndex inB = columnSet(b);
    switch (op) {
    case SetOperation::Or:
        out.reserve(a.size() + b.size());
        appendWhere(out, a, inB, false);
        out.insert(out.end(), b.begin(), b.end());
        break;
    case SetOperation::And:
        appendWhere(out, a, inB, true);
        break;
    case SetOperation::Xor:
        appendWhere(out, a, inB, false);
        appendWhere(out, b, columnSet(a), false);
        break;
    case SetOperation::Subtraction:
        appendWhere(out, a, inB, false);
        break;
    case SetOperation::Sum:
        break;
    }
    return out;
}

std::vector<Column> removeRepeatedColumns(const std::vector<Column>& a) {
    SubsetIndex seen(kColumnSize);
    std::vector<Column> out;
    out.reserve(a.size());
    for (const Column& c : a)
        if (!seen.sharesWithAny(c)) {
            seen.insert(c);
            out.push_back(c);
        }
    return out;
}

std::vector<Column> shuffleColumns(std::vector<Column> a, std::uint64_t seed) {
    std::mt19937_64 generator(seed);
    std::shuffle(a.begin(), a.end(), generator);
    return a;
}

std::vector<Column> columnsMeeting(const std::vector<Column>& a, const std::vector<Column>& b,
                                   int points, bool meeting) {
    SubsetIndex inB(points);
    for (const Column& c : b)
        inB.insert(c);
    std::vector<Column> out;
    for (const Column& c : a)
        if (inB.sharesWithAny(c) == meeting)
            out.push_back(c);
    return out;
}

std::vector<Column> keepDifferingNeighbours(const std::vector<Column>& columns, int difference) {
    if (difference <= 0)
        return columns;
    std::vector<Column> out;
    std::uint64_t last = 0;
    for (const Column& c : columns) {
        const std::uint64_t m = columnMask(c);
        if (out.empty() || kColumnSize - std::popcount(m & last) >= difference) {
            out.push_back(c);
            last = m;
        }
    }
    return out;
}

Coverage coverColumns(const std::vector<Column>& a, const std::vector<Column>& b, int k,
                      Progress& progress) {
    Coverage r;
    std::vector<std::uint64_t> masks;
    masks.reserve(a.size());
    for (const Column& c : a)
        masks.push_back(columnMask(c));
    std::vector<bool> taken(a.size(), false);
    SubsetIndex chosen(k);
    progress.total.store(static_cast<std::int64_t>(b.size()), std::memory_order_relaxed);
    std::int64_t done = 0;
    for (const Column& c : b) {
        if (cancelledAt(progress, ++done, kProgressStep)) {
            r.cancelled = true;
            return r;
        }
        if (chosen.sharesWithAny(c))
            continue;
        const std::uint64_t m = columnMask(c);
        const auto hit = std::find_if(masks.begin(), masks.end(),
                                      [&](std::uint64_t x) { return std::popcount(x & m) >= k; });
        if (hit == masks.end()) {
            ++r.unmet;
            continue;
        }
        const auto i = static_cast<std::size_t>(hit - masks.begin());
        taken[i] = true;
        chosen.insert(a[i]);
    }
    progress.report(done);
    for (std::size_t i = 0; i < a.size(); ++i)
        if (taken[i])
            r.columns.push_back(a[i]);
    return r;
}

SignReplacement replaceNumber(std::vector<Column>& columns, std::size_t first, std::size_t last,
                              int from, int to) {
    SignReplacement r;
    last = std::min(last, columns.size());
    if (first < 1 || first > last || from == to)
        return r;
    auto holds = [](const Column& c, int n) { return std::find(c.begin(), c.end(), n) != c.end(); };
    for (std::size_t i = first - 1; i < last; ++i)
        if (holds(columns[i], from) && holds(columns[i], to))
            ++r.clashes;
    if (r.clashes > 0)
        return r;
    for (std::size_t i = first - 1; i < last; ++i) {
        Column& c = columns[i];
        auto at = std::find(c.begin(), c.end(), from);
        if (at == c.end())
            continue;
        *at = static_cast<std::uint8_t>(to);
        std::sort(c.begin(), c.end());
        ++r.replaced;
    }
    return r;
}

JoinResult joinColumns(const std::vector<Column>& a, const std::vector<Column>& b,
                       JoinElimination elimination, Progress& progress) {
    constexpr std::int64_t step = 2000; // the join's own refresh rate
    JoinResult r;
    r.columns.reserve(a.size() + b.size());
    r.columns.insert(r.columns.end(), a.begin(), a.end());
    progress.total.store(static_cast<std::int64_t>(b.size()), std::memory_order_relaxed);
    if (elimination == JoinElimination::None) {
        r.columns.insert(r.columns.end(), b.begin(), b.end());
        progress.report(static_cast<std::int64_t>(b.size()));
        return r;
    }
    SubsetIndex kept(static_cast<int>(elimination));
    for (const Column& c : a)
        kept.insert(c);
    std::int64_t done = 0;
    for (const Column& c : b) {
        if (cancelledAt(progress, ++done, step)) {
            r.cancelled = true;
            return r;
        }
        if (kept.sharesWithAny(c)) {
            ++r.eliminated;
            continue;
        }
        kept.insert(c);
        r.columns.push_back(c);
    }
    progress.report(done);
    return r;
}

} // namespace varnelo
