#include "columns/ColumnSets.h"

#include "core/SubsetIndex.h"

#include <algorithm>
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
        if (++done % step == 0) {
            progress.report(done);
            if (progress.cancelled()) {
                r.cancelled = true;
                return r;
            }
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
