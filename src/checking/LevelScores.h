#pragma once

#include "checking/WinLevels.h"

#include <array>
#include <string>
#include <vector>

namespace varnelo {

// "Numeri", "Cinque", "Quattro", "Tre", "Due", "Per%".
inline constexpr int kLevelScoreColumns = 6;
const std::array<std::string, kLevelScoreColumns>& levelScoreHeads();

// The levels the column view shows, highest first.
inline constexpr std::array<int, 3> kLevelScoreLevels = {5, 4, 3};

// Two rows per level k: first "k  Su  5" with the sets of the level whose
// best score is five, four, three and two, and in "Per%" the share of the
// sets some column wins on (best score two or more); then "%" with the
// share of each best score. Shares read "000,00"; a score the level cannot
// reach, or a level without sets, reads "-".
using LevelScoreRow = std::array<std::string, kLevelScoreColumns>;
std::vector<LevelScoreRow> levelScoreRows(const WinLevels& levels);

// "000,00": a share in percent, three whole digits and two decimals.
std::string shareText(double percent);

} // namespace varnelo
