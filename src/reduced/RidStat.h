#pragma once

#include "reduced/WinDistribution.h"

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace varnelo {

// `ridotti/RidStat.txt`: per catalogue code a record made of the code
// line, one line per count of drawn numbers among the system's numbers
// ("Cinque" down to "Zero"), and the separator "wwwwwww". Each cell of a
// line is marked by a "w": the label, then the draws whose best column
// scores 5, 4, 3, 2, 1 and 0 hits, then the share of all draws in percent:
//   Tre w 0 w 0 w 10 w 1325 w 0 w 0 w 1.23

inline constexpr std::string_view kRidStatSeparator = "wwwwwww";
inline constexpr std::size_t kRidStatMostLines = 100;

// The text of one record, lines ending with CRLF.
std::string ridStatRecord(std::string_view code, const WinDistribution& w);

// Writes all records beside the target and renames into place.
bool writeRidStat(const std::filesystem::path& file, const std::vector<std::string>& records,
                  std::string& error);

// The lines of the record of `code` (at most 100, without the code line
// and the separator). False with an Italian message when the file cannot
// be read or has no such record.
bool readRidStatRecord(const std::filesystem::path& file, std::string_view code,
                       std::vector<std::string>& lines, std::string& error);

// The cells of a record line: the texts between the "w" marks, trimmed.
std::vector<std::string> ridStatCells(std::string_view line);

} // namespace varnelo
