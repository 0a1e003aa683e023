#pragma once

#include "core/ColumnStore.h"
#include "core/Notice.h"
#include "core/Numbers.h"

#include <array>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <vector>

namespace varnelo {

// How many columns of a system hold each number 1..49.
struct NumberCounts {
    std::array<std::int64_t, kMaxNumber + 1> count{}; // index = number; 0 unused
    std::int64_t columns = 0;                         // columns counted
    // Set when the overflow file could not be read whole: the counts then
    // cover only the columns read.
    std::optional<Notice> notice;
};

// Every column of the system: the rows of the store, then the part of an
// oversized system kept in the overflow file (the first systemTotal -
// storedCount lines of `overflowFile`).
NumberCounts countNumbers(const ColumnStore& store, const std::filesystem::path& overflowFile);
// The columns of a list, as a comparison of systems gives them.
NumberCounts countNumbers(const std::vector<Column>& columns);

// One number of the system against an even spread of its presences.
struct NumberShare {
    int number = 0;
    std::int64_t count = 0;
    double columnShare = 0;    // percent of the columns holding it
    double signShare = 0;      // percent of all the numbers written in the columns
    double deviation = 0;      // count minus the even count
    double deviationShare = 0; // deviation in percent of the even count
};

struct NumberSpread {
    std::int64_t columns = 0;
    // Presences per number if every number in play appeared equally often.
    double even = 0;
    std::vector<NumberShare> numbers; // ascending
};

// The numbers in play are the chosen ones and any other that the columns
// hold (columns imported from a text file need not keep to the choice).
NumberSpread spreadOf(const NumberCounts& counts, const std::vector<int>& chosen);

} // namespace varnelo
