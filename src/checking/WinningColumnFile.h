#pragma once

#include "checking/PrizeCategories.h"
#include "core/Notice.h"
#include "core/ProgramFolder.h"

#include <optional>
#include <string>
#include <string_view>

namespace varnelo {

// enal/colonnavincente.txt: the marks of numbers 1..50, one line each, 0 or 1.
std::string formatWinningColumn(const Combination& combination);
// The marks read back into `combination` (its Numeroni untouched). A file
// that is not 50 such lines gives its notice and changes nothing.
std::optional<Notice> parseWinningColumn(std::string_view text, Combination& combination);

// Written when the window closes, through a temporary file.
bool saveWinningColumn(const ProgramFolder& folder, const Combination& combination,
                       std::string& error);
// Read when the window opens; a missing file leaves the board empty, quietly.
std::optional<Notice> loadWinningColumn(const ProgramFolder& folder, Combination& combination);

} // namespace varnelo
