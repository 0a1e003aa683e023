#include "conditions/SystemConditions.h"

#include "conditions/ConditionSet.h"
#include "conditions/FamilySlotMetric.h"
#include "conditions/SlotMetric.h"

#include <algorithm>
#include <cstdio>
#include <set>

namespace varnelo {

namespace {

std::string trimmed(std::string_view s) {
    const auto b = s.find_first_not_of(' ');
    if (b == std::string_view::npos)
        return {};
    return std::string(s.substr(b, s.find_last_not_of(' ') - b + 1));
}

std::vector<SystemMetric> slotMetrics(std::initializer_list<std::pair<int, int>> ranges) {
    std::vector<SystemMetric> out;
    for (const auto& [first, last] : ranges)
        for (int s = first; s <= last; ++s)
            out.push_back({trimmed(slotDisplayName(s)), s, 0});
    return out;
}

std::vector<SystemConditionPage> makePages() {
    std::vector<SystemMetric> picchetti;
    for (int p = 1; p <= kPicchettoCount; ++p)
        picchetti.push_back({"Picchetto " + std::to_string(p), 0, p});
    return {
        {"Casella", slotMetrics({{119, 123}})},
        {"Distanze", slotMetrics({{115, 118}, {19, 20}})},
        {"Distanza Numeri", slotMetrics({{145, 154}})},
        {"Pari dispari", slotMetrics({{1, 4}, {9, 11}, {15, 18}, {21, 22}, {51, 61}})},
        {"Sequele", slotMetrics({{5, 8}, {12, 14}, {48, 50}, {63, 64}, {45, 47}, {62, 62}})},
        {"Sequele pari disp.", slotMetrics({{23, 33}})},
        {"Vortice + sequenze", slotMetrics({{34, 41}})},
        {"Somma", slotMetrics({{111, 114}, {128, 130}, {79, 79}, {141, 141}})},
        {"Baricentro", slotMetrics({{125, 127}})},
        {"Resti", slotMetrics({{100, 107}})},
        {"Picchetto", picchetti},
    };
}

// The slots some page shows, each once.
const std::vector<int>& shownSlots() {
    static const std::vector<int> slots = [] {
        std::set<int> s;
        for (const SystemConditionPage& p : systemConditionPages())
            for (const SystemMetric& m : p.metrics)
                if (m.slot > 0)
                    s.insert(m.slot);
        return std::vector<int>(s.begin(), s.end());
    }();
    return slots;
}

// Picchetto sums are kept × 100.
std::string valueLabel(const SystemMetric& m, std::int64_t v) {
    if (m.picchetto == 0 || v % 100 == 0)
        return std::to_string(m.picchetto == 0 ? v : v / 100) + " =";
    char buf[32];
    std::snprintf(buf, sizeof buf, "%lld,%02lld =", static_cast<long long>(v / 100),
                  static_cast<long long>(std::abs(v % 100)));
    return buf;
}

std::string padLeft(const std::string& s, std::size_t width) {
    return s.size() >= width ? s : std::string(width - s.size(), ' ') + s;
}

} // namespace

const std::vector<SystemConditionPage>& systemConditionPages() {
    static const std::vector<SystemConditionPage> pages = makePages();
    return pages;
}

SystemConditions::SystemConditions()
    : slots_(static_cast<std::size_t>(kSlotCount + 1)),
      picchetti_(static_cast<std::size_t>(kPicchettoCount + 1)) {
    for (int s : shownSlots())
        slots_[static_cast<std::size_t>(s)].assign(
            static_cast<std::size_t>(slotValueRange(s).max + 1), 0);
}

void SystemConditions::add(const Column& c, const Inputs& in) {
    ++columns_;
    CatalogueValues catalogue;
    catalogueMetrics(c, in.context, catalogue);
    for (int s : shownSlots()) {
        int v = -1;
        if (const int code = catalogueCodeOfSlot(s))
            v = catalogue[static_cast<std::size_t>(code)];
        else if (isShapeSlot(s))
            v = shapeSlotValue(s, c, in.context);
        else
            v = familySlotValue(s, c, in.context, in.sequele);
        auto& row = slots_[static_cast<std::size_t>(s)];
        if (v >= 0 && static_cast<std::size_t>(v) < row.size())
            ++row[static_cast<std::size_t>(v)];
    }
    for (int p = 1; p <= kPicchettoCount; ++p) {
        std::int64_t sum = 0;
        for (std::uint8_t n : c)
            sum += in.picchetti.value(p, n);
        ++picchetti_[static_cast<std::size_t>(p)][sum];
    }
}

bool SystemConditions::tally(const ColumnStore& columns, const Inputs& in, Progress& progress) {
    progress.total.store(columns.storedCount, std::memory_order_relaxed);
    for (std::int32_t i = 1; i <= columns.storedCount; ++i) {
        if (i % kProgressStep == 0) {
            if (progress.cancelled())
                return false;
            progress.report(i);
        }
        add(columns.column(i), in);
    }
    progress.report(columns.storedCount);
    return true;
}

std::int64_t SystemConditions::count(const SystemMetric& m, std::int64_t value) const {
    if (m.picchetto > 0) {
        const auto& counts = picchetti_[static_cast<std::size_t>(m.picchetto)];
        const auto it = counts.find(value);
        return it == counts.end() ? 0 : it->second;
    }
    const auto& row = slots_[static_cast<std::size_t>(m.slot)];
    return value >= 0 && static_cast<std::size_t>(value) < row.size()
               ? row[static_cast<std::size_t>(value)]
               : 0;
}

std::vector<SystemConditionRow> SystemConditions::pageRows(int page) const {
    const auto& pages = systemConditionPages();
    if (page < 0 || page >= static_cast<int>(pages.size()))
        return {};
    const std::vector<SystemMetric>& metrics = pages[static_cast<std::size_t>(page)].metrics;
    std::set<std::int64_t> values;
    for (const SystemMetric& m : metrics) {
        if (m.picchetto > 0) {
            for (const auto& [v, n] : picchetti_[static_cast<std::size_t>(m.picchetto)])
                values.insert(v);
            continue;
        }
        const auto& row = slots_[static_cast<std::size_t>(m.slot)];
        for (std::size_t v = 0; v < row.size(); ++v)
            if (row[v] > 0)
                values.insert(static_cast<std::int64_t>(v));
    }
    // Slot values fill their range from the lowest to the highest taken, so
    // that a value no column takes still shows its 0.
    if (!values.empty() && metrics.front().picchetto == 0)
        for (std::int64_t v = *values.begin(); v <= *values.rbegin(); ++v)
            values.insert(v);
    std::vector<SystemConditionRow> rows;
    for (std::int64_t v : values) {
        SystemConditionRow r{valueLabel(metrics.front(), v), {}};
        for (const SystemMetric& m : metrics)
            r.counts.push_back(count(m, v));
        rows.push_back(std::move(r));
    }
    return rows;
}

std::vector<std::string> SystemConditions::pageText(int page) const {
    const auto& pages = systemConditionPages();
    if (page < 0 || page >= static_cast<int>(pages.size()))
        return {};
    const SystemConditionPage& p = pages[static_cast<std::size_t>(page)];
    std::vector<std::string> lines{p.caption + "    Col.Elaborate = " + std::to_string(columns_),
                                   ""};
    const std::vector<SystemConditionRow> rows = pageRows(page);
    // One block per metric, five values a line: a page of twenty metrics
    // would not fit across the sheet.
    for (std::size_t m = 0; m < p.metrics.size(); ++m) {
        lines.push_back(p.metrics[m].name);
        std::string line;
        int onLine = 0;
        for (const SystemConditionRow& r : rows) {
            if (r.counts[m] == 0)
                continue;
            line += padLeft(r.label, 9) + padLeft(std::to_string(r.counts[m]), 8);
            if (++onLine == 5) {
                lines.push_back(line);
                line.clear();
                onLine = 0;
            }
        }
        if (!line.empty())
            lines.push_back(line);
        lines.emplace_back();
    }
    return lines;
}

} // namespace varnelo
