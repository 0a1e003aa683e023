#include "columns/ColumnView.h"

#include <algorithm>
#include <cstring>

namespace varnelo {

std::optional<Notice> loadColumnView(const ColumnStore& system, ColumnStore& view) {
    const std::int32_t total = std::max(system.systemTotal, system.storedCount);
    if (total > kColumnViewLimit)
        return Notice{"Avviso:", {"Colonne N°= " + std::to_string(total), "Max 100.000 colonne."}};
    view.clear();
    for (int p = 1; p <= kColumnSize; ++p)
        std::memcpy(view.plane(p) + 1, system.plane(p) + 1, static_cast<std::size_t>(total));
    view.storedCount = view.systemTotal = view.finalCount = total;
    view.hasColumns = total > 0;
    return std::nullopt;
}

bool sameColumns(const ColumnStore& system, const ColumnStore& view) {
    if (system.storedCount != view.storedCount || system.systemTotal != system.storedCount)
        return false;
    for (int p = 1; p <= kColumnSize; ++p)
        if (std::memcmp(system.plane(p) + 1, view.plane(p) + 1,
                        static_cast<std::size_t>(view.storedCount)) != 0)
            return false;
    return true;
}

std::optional<Notice> columnOfMarks(const std::vector<int>& marked, Column& out) {
    if (marked.size() != static_cast<std::size_t>(kColumnSize))
        return Notice{"Avviso",
                      {"Ai evidenziato = " + std::to_string(marked.size()) + "  Caselle",
                       "Ne devi evidenziare = 5"}};
    std::vector<int> sorted = marked;
    std::sort(sorted.begin(), sorted.end());
    for (int n : sorted)
        if (n < 1 || n > kMaxNumber)
            return Notice{"Avviso",
                          {"Il numero " + std::to_string(n) + " non si gioca:",
                           "evidenziare numeri da 1 a 49"}};
    for (int p = 0; p < kColumnSize; ++p)
        out[static_cast<std::size_t>(p)] = static_cast<std::uint8_t>(sorted[p]);
    return std::nullopt;
}

std::optional<Notice> appendColumn(ColumnStore& view, const Column& column) {
    if (view.storedCount >= kColumnViewLimit)
        return Notice{"Avviso", {"Non si possono più", "inserire colonne Max 100.000"}};
    view.store(++view.storedCount, column);
    view.systemTotal = view.finalCount = view.storedCount;
    view.hasColumns = true;
    return std::nullopt;
}

void removeColumn(ColumnStore& view, std::int32_t i) {
    if (i < 1 || i > view.storedCount)
        return;
    for (int p = 1; p <= kColumnSize; ++p) {
        std::uint8_t* plane = view.plane(p);
        std::memmove(plane + i, plane + i + 1, static_cast<std::size_t>(view.storedCount - i));
        plane[view.storedCount] = 0;
    }
    view.systemTotal = view.finalCount = --view.storedCount;
    view.hasColumns = view.storedCount > 0;
}

std::vector<Column> columnsOf(const ColumnStore& view) {
    std::vector<Column> out;
    out.reserve(static_cast<std::size_t>(view.storedCount));
    for (std::int32_t i = 1; i <= view.storedCount; ++i)
        out.push_back(view.column(i));
    return out;
}

Notice keepChangesQuestion(const std::string& name, bool canCancel) {
    return Notice{"Avviso:",
                  {"Salvare le modifiche al sistema = " + name, "confermare le modifiche"},
                  canCancel ? kNoticeYesNoCancel : kNoticeYesNo};
}

Notice savedAsColumnsNotice(const std::string& name) {
    return Notice{"Avviso:", {"Il sistema = " + name, "e stato salvato come file colonnare"}};
}

} // namespace varnelo
