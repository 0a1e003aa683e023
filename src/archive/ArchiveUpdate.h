#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace varnelo {

// What a downloaded block of draws does to the local archive.
enum class UpdateKind { Updated, AlreadyCurrent, Refused };

struct ArchiveMerge {
    UpdateKind kind = UpdateKind::Refused;
    std::vector<std::string> lines; // the new archive, when Updated
    std::size_t newDraws = 0;       // draws newer than the local last one
    std::string reason;             // Italian, when Refused
};

// The first 18 characters of a line: its numbers and Numeroni.
std::string_view updateKey(std::string_view line);

// Every line a draw (blank lines apart) and the dates strictly increasing;
// otherwise false with the reason naming the first faulty line.
bool checkArchiveLines(const std::vector<std::string_view>& lines, std::string& reason);

// Joins a downloaded block (same line format as the archive, oldest first)
// to the local archive lines. Every line of both is validated first: a bad
// line refuses the whole block with its line number. The block joins where
// its first draw's date is found in the archive, else right after the line
// carrying the local update key; the local draws before the join are kept
// and the block follows. A join that would drop a local draw the block does
// not carry, or dates that do not strictly increase, refuse the block.
// Blank lines are not draws and are dropped.
ArchiveMerge mergeArchiveBlock(const std::vector<std::string_view>& local,
                               const std::vector<std::string_view>& block);

} // namespace varnelo
