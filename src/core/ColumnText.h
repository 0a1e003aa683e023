#pragma once

#include "core/Numbers.h"

#include <string>
#include <string_view>
#include <vector>

namespace varnelo {

// Reads the numbers of a text line: integers separated by blanks, tabs,
// commas or semicolons. Returns false with an Italian reason on any other
// character or a number too long to be one of the game.
bool readNumbers(std::string_view line, std::vector<int>& numbers, std::string& error);

// A column typed as five numbers 1..49 in any order, no repeats; sorted on success.
bool parseColumn(std::string_view line, Column& column, std::string& error);

} // namespace varnelo
