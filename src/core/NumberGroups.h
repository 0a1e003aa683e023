#pragma once

#include <string>
#include <vector>

namespace varnelo {

// The named number groups of the `Cadenze` picker: "Cadenze 0", "Figure 3",
// "Controfigure 10", ... each with its numbers of 1..49 in ascending order.
struct NumberGroup {
    std::string name;
    std::vector<int> numbers;
};

// One combo box of the picker: "Cadenze", "CifraPura", "Figure", ...
struct NumberGroupFamily {
    std::string name;
    std::vector<NumberGroup> groups;
};

const std::vector<NumberGroupFamily>& numberGroupFamilies();

// Two-character fields three characters apart: "1  11 21 31 41".
std::string numberGroupText(const std::vector<int>& numbers);

} // namespace varnelo
