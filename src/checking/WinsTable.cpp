#include "checking/WinsTable.h"

namespace varnelo {

namespace {

constexpr int kOrdinalColumn = 13;
constexpr int kNoteColumn = 14;

// Texts written across the first cells of the row past the last one.
const std::vector<std::string> kTooManyColumns = {"Troppe", "vincite", "fine...!", "avanzamento"};
const std::vector<std::string> kTooManySystems = {"Troppi", "sistemi..."};

// The numbers as the player reads them, "4 9 17 23 36".
std::string numbersText(const Column& c) {
    std::string out;
    for (const auto n : c) {
        if (!out.empty())
            out += ' ';
        out += std::to_string(n);
    }
    return out;
}

std::string countOrBlank(std::int64_t n) {
    return n > 0 ? std::to_string(n) : std::string();
}

std::string overflowText(const std::vector<std::string>& texts, int column) {
    return column >= 1 && column <= static_cast<int>(texts.size())
               ? texts[static_cast<std::size_t>(column - 1)]
               : std::string();
}

} // namespace

WinsTable::WinsTable(std::string systemName, SystemCheck check)
    : name_(std::move(systemName)), check_(std::move(check)) {
    const auto listed = static_cast<int>(check_.firstColumns.size());
    rows_ = listed + (check_.tally.checked > listed ? 1 : 0) + 1;
}

WinsTable::WinsTable(SavedSystemsCheck check) : savedSystems_(true), systems_(std::move(check)) {
    rows_ = static_cast<int>(systems_.rows.size()) + (systems_.tooMany ? 1 : 0);
}

WinsTable::RowKind WinsTable::kind(int row) const {
    if (savedSystems_)
        return row < static_cast<int>(systems_.rows.size()) ? RowKind::System : RowKind::Overflow;
    const auto listed = static_cast<int>(check_.firstColumns.size());
    if (row < listed)
        return RowKind::Column;
    return row == rows_ - 1 ? RowKind::Totals : RowKind::Overflow;
}

std::string WinsTable::header(int column) const {
    if (column == 0)
        return "Nome Sist.";
    if (column >= 1 && column <= kCategoryCount)
        return std::string(categoryLabel(column - 1));
    if (column == kOrdinalColumn)
        return savedSystems_ ? "N° Sch." : "N°Sch.";
    if (column == kNoteColumn)
        return savedSystems_ ? "Note" : "Colonna";
    return {};
}

std::string WinsTable::text(int row, int column) const {
    if (row < 0 || row >= rows_ || column < 0 || column >= kColumns)
        return {};
    return savedSystems_ ? systemRowText(row, column) : columnRowText(row, column);
}

std::string WinsTable::columnRowText(int row, int column) const {
    switch (kind(row)) {
    case RowKind::Overflow:
        return overflowText(kTooManyColumns, column);
    case RowKind::Totals:
        if (column == 0)
            return "Vincite";
        if (column <= kCategoryCount)
            return std::to_string(check_.tally.bets[static_cast<std::size_t>(column - 1)]);
        return column == kOrdinalColumn ? std::to_string(check_.tally.checked) : std::string();
    default:
        break;
    }
    const auto at = static_cast<std::size_t>(row);
    if (column == 0)
        return name_;
    if (column == kOrdinalColumn)
        return std::to_string(row + 1);
    if (column == kNoteColumn)
        return numbersText(check_.firstColumns[at]);
    // The column's own count in the categories it reached: one each.
    const int hits = check_.firstHits[at];
    const int category = column - 1;
    const bool reached = (category == categoryOf(hits, false) && check_.split.without > 0) ||
                         (category == categoryOf(hits, true) && check_.split.with > 0);
    return reached ? "1" : "";
}

std::string WinsTable::systemRowText(int row, int column) const {
    if (kind(row) == RowKind::Overflow)
        return overflowText(kTooManySystems, column);
    const SavedSystemResult& s = systems_.rows[static_cast<std::size_t>(row)];
    if (column == 0)
        return s.name;
    if (column == kNoteColumn)
        return s.problem;
    if (!s.problem.empty())
        return {};
    if (column == kOrdinalColumn)
        return std::to_string(s.tally.checked);
    return countOrBlank(s.tally.bets[static_cast<std::size_t>(column - 1)]);
}

} // namespace varnelo
