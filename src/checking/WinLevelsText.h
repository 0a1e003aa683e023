#pragma once

#include "checking/WinLevels.h"

#include <array>
#include <string>
#include <vector>

namespace varnelo {

inline constexpr int kWinLevelsColumns = 7;

// "Numeri Indovinati", "Cinque", "Quattro", "Tre", "Due", "Uno", "Per%".
const std::array<std::string, kWinLevelsColumns>& winLevelsHeads();
// "Cinque" for 5 down to "Uno" for 1, "Zero" for a set no column touches.
std::string scoreName(int score);
// "1  Su  5" .. "5  Su  5".
std::string levelHeading(int level);

// One row of the table: a level's heading, or one best score of the level
// with its tally and its share of the level's sets.
struct WinLevelsRow {
    int level = 0;
    int score = -1; // -1: the level's heading
    ScoreTally tally;
    double percent = 0;
    // The texts of the grid: the five-or-more count followed by the range of
    // its winning columns when they differ, the share with a decimal comma.
    std::array<std::string, kWinLevelsColumns> cells;
    bool heading() const { return score < 0; }
};

// Level by level, highest best score first; a level without sets is left out.
std::vector<WinLevelsRow> winLevelsRows(const WinLevels& levels);

// `varnelo-cli distribuzione`: "k b c5 c4 c3 c2 c1 min max perc" per row.
std::vector<std::string> winLevelsLines(const WinLevels& levels);

// The table as aligned text: the column heads, then the rows.
std::vector<std::string> winLevelsTable(const WinLevels& levels);

// "Salva in TXT": "Distribuzione Vincite", the system line, then the table.
std::string winLevelsFile(const WinLevels& levels, const std::string& systemLine);

} // namespace varnelo
