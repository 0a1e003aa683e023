#pragma once

#include "checking/SavedSystems.h"
#include "checking/SystemCheck.h"

#include <string>
#include <vector>

namespace varnelo {

// The texts of the wins grid `MSFVincite`, row by row, for the check of the
// current system or of the saved systems. Column 0 names the system,
// columns 1..12 are the categories "0" .. "5+1", column 13 the column's
// ordinal (or a saved system's columns), column 14 the column's numbers (or
// why a saved system could not be read).
class WinsTable {
  public:
    static constexpr int kColumns = 15;
    enum class RowKind { Column, Overflow, Totals, System };

    WinsTable() = default;
    // A row per column (at most 10000, then "Troppe" "vincite" "fine...!"
    // "avanzamento"), then "Vincite" with the bets of every column.
    WinsTable(std::string systemName, SystemCheck check);
    // A row per saved system with its bets, then "Troppi" "sistemi..." when
    // the grid had no room for them all.
    explicit WinsTable(SavedSystemsCheck check);

    int rows() const { return rows_; }
    RowKind kind(int row) const;
    std::string header(int column) const;
    std::string text(int row, int column) const;

  private:
    std::string columnRowText(int row, int column) const;
    std::string systemRowText(int row, int column) const;

    bool savedSystems_ = false;
    int rows_ = 0;
    std::string name_;
    SystemCheck check_;
    SavedSystemsCheck systems_;
};

} // namespace varnelo
