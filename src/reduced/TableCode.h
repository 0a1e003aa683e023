#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace varnelo {

// The 13-character code of a covering table, e.g. "R5N10F0G35V01".
struct TableCode {
    char family = 'R'; // 'R' ordinary, 'O' orthogonal
    int rowLength = 0; // numbers in each final column, fixed ones included
    int n = 0;         // non-fixed numbers
    int fixed = 0;
    int g = 0; // guaranteed hits
    int c = 0; // drawn numbers that must fall among the system's numbers
    int version = 1;

    std::string text() const;
    // The code whose rows this one uses: the fixed numbers taken out of the
    // row length and of both guarantee digits.
    TableCode freeForm() const;

    bool operator==(const TableCode&) const = default;
};

// Completes a code shorter than 11 characters with "V01" and cuts a longer
// one to its first 13 characters.
std::string completeCode(std::string_view code);

// Reads a complete 13-character code; nothing when the layout is broken.
std::optional<TableCode> parseTableCode(std::string_view code);

// Name of the shipped file of a family of free-form tables, e.g. "R5G45.tab".
std::string familyFileName(char family, int rowLength, int g, int c);

} // namespace varnelo
