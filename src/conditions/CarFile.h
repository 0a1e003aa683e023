#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace varnelo {

struct Bounds16 {
    std::int16_t min = 0;
    std::int16_t max = 0;
    bool contains(std::int64_t v) const { return v >= min && v <= max; }
    bool operator==(const Bounds16&) const = default;
};

// A filter column as the user keeps it: the numbers as typed (an entry
// outside 1..49 stays in the list and is ignored by the tests), the
// admitted hits 0..5 (bit h) and the admitted consecutive counts 0..5.
struct ListColumn {
    std::vector<std::uint8_t> numbers;
    std::uint8_t hits = 0;
    std::uint8_t consecutive = 0;
    bool operator==(const ListColumn&) const = default;
};

// A `.car` file of `andor/`: a named list of filter columns with their
// admitted hits and the settings of an AND/OR quadro. The AND/OR window and
// the filter-column window write and open the same files:
//   line 1  the name
//   line 2  logic (0 AND, 1 OR), active (0/1), "Colonne Indovinate:" Min Max,
//           "Punti Tra:" Min Max, the count of filter columns
//   then    one line per filter column: six flags for 0..5 hits, six flags
//           for 0..5 consecutive numbers, the numbers: "001110 000000 3 12 25 33 41"
struct CarFile {
    std::string name;
    bool orLogic = false;
    bool active = false;
    Bounds16 guessed;
    Bounds16 points;
    std::vector<ListColumn> columns;
    bool operator==(const CarFile&) const = default;
};

std::string formatCarFile(const CarFile& f);
// Fails with an Italian message, leaving `f` unchanged, on any line out of place.
bool parseCarFile(std::string_view text, CarFile& f, std::string& error);

// Reads one `.car` body starting at line `at`, moving past it.
bool parseCarBody(const std::vector<std::string_view>& lines, std::size_t& at, CarFile& f);

// A `.cac` file: the numbers of one filter column per line, nothing else;
// blank lines are passed over.
std::string formatCacFile(const std::vector<ListColumn>& columns);
bool parseCacFile(std::string_view text, std::vector<ListColumn>& columns, std::string& error);

} // namespace varnelo
