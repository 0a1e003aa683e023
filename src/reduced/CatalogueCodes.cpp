#include "reduced/CatalogueCodes.h"

#include <algorithm>
#include <initializer_list>
#include <set>
#include <tuple>
#include <utility>

namespace varnelo {

namespace {

struct Range {
    int from, to;
};

struct Line {
    char family;
    int rowLength, fixed;
    std::initializer_list<std::pair<int, int>> guarantees; // (g, c)
    std::initializer_list<Range> ranges;
};

// A table of three-number columns over two numbers, or of two-number columns
// over none, cannot be written; those two codes are left out.
const Line kLines[] = {
    {'R', 1, 0, {{0, 1}, {1, 1}}, {{1, 49}, {61, 90}}},
    {'R', 2, 0, {{1, 2}}, {{2, 49}}},
    {'R', 3, 0, {{1, 3}, {2, 3}}, {{3, 49}}},
    {'R', 3, 1, {{2, 3}}, {{2, 49}}},
    {'R', 4, 0, {{1, 4}, {2, 4}, {3, 4}}, {{4, 49}}},
    {'R', 4, 1, {{2, 4}, {3, 4}}, {{3, 49}}},
    {'R', 4, 2, {{3, 4}}, {{2, 49}}},
    {'R', 5, 0, {{1, 5}, {2, 5}, {3, 5}, {4, 5}}, {{5, 49}}},
    {'R', 5, 1, {{2, 5}, {3, 5}, {4, 5}}, {{4, 49}}},
    {'R', 5, 2, {{3, 5}, {4, 5}}, {{3, 49}}},
    {'R', 5, 3, {{4, 5}}, {{2, 49}}},
    {'O', 3, 0, {{2, 2}}, {{3, 49}}},
    {'O', 3, 0, {{2, 5}}, {{7, 49}}},
    {'O', 3, 0, {{3, 5}}, {{6, 8}, {14, 49}}},
    {'O', 3, 1, {{2, 2}}, {{3, 4}}},
    {'O', 4, 0, {{2, 2}, {3, 3}}, {{5, 49}}},
    {'O', 4, 0, {{2, 3}}, {{6, 18}, {20, 49}}},
    {'O', 4, 0, {{3, 5}}, {{12, 15}, {17, 49}}},
    {'O', 4, 1, {{2, 2}}, {{4, 4}}},
    {'O', 4, 1, {{3, 3}}, {{4, 49}}},
    {'O', 4, 1, {{3, 6}}, {{7, 49}}},
    {'O', 4, 1, {{4, 6}}, {{6, 8}, {14, 49}}},
    {'O', 4, 2, {{3, 3}}, {{4, 4}}},
    {'O', 5, 0, {{2, 2}, {3, 3}, {4, 4}}, {{5, 49}}},
    {'O', 5, 0, {{2, 3}, {3, 4}}, {{7, 49}}},
    {'O', 5, 0, {{2, 4}}, {{8, 49}}},
    {'O', 5, 1, {{3, 3}, {4, 4}}, {{5, 49}}},
    {'O', 5, 1, {{3, 4}}, {{6, 18}, {20, 49}}},
    {'O', 5, 1, {{4, 6}}, {{12, 15}, {17, 49}}},
    {'O', 5, 2, {{4, 4}}, {{4, 49}}},
    {'O', 5, 2, {{4, 7}}, {{7, 49}}},
    {'O', 5, 2, {{5, 7}}, {{6, 8}, {14, 49}}},
};

// Lookup group of a code: fields of its stored rows, 5 first; the single
// numbers come last.
int group(const TableCode& t) {
    const int fields = t.rowLength - t.fixed;
    return fields == 1 ? 0 : fields;
}

std::vector<TableCode> build() {
    std::vector<TableCode> all;
    for (const Line& line : kLines)
        for (auto [g, c] : line.guarantees)
            for (Range r : line.ranges)
                for (int n = r.from; n <= r.to; ++n)
                    all.push_back({line.family, line.rowLength, n, line.fixed, g, c, 1});
    std::stable_sort(all.begin(), all.end(), [](const TableCode& a, const TableCode& b) {
        return std::make_tuple(a.family == 'O', -group(a)) <
               std::make_tuple(b.family == 'O', -group(b));
    });
    return all;
}

} // namespace

const std::vector<TableCode>& catalogueCodes() {
    static const std::vector<TableCode> codes = build();
    return codes;
}

const std::vector<TableCode>& catalogueTables() {
    static const std::vector<TableCode> tables = [] {
        std::vector<TableCode> out;
        std::set<std::string> seen;
        for (const TableCode& code : catalogueCodes()) {
            const TableCode f = code.freeForm();
            if (seen.insert(f.text()).second)
                out.push_back(f);
        }
        return out;
    }();
    return tables;
}

} // namespace varnelo
