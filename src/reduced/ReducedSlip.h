#pragma once

#include "core/Notice.h"
#include "core/Numbers.h"
#include "core/ProgramFolder.h"

#include <optional>
#include <string>
#include <vector>

namespace varnelo {

// A reduced system made ready for the slip printing, kept in
// giocate/cedolina.txt: the title ("Ridotto Garanzia 3 su 5",
// "Ortogonale Garanzia 3 con 4"), "Codice = " and the table's code,
// "Numeri = " and the player's numbers, "Fisse = " and the fixed ones,
// "Colonne = " and the count, a line "*", then one column per line, each
// number preceded by a blank.
struct ReducedSlip {
    std::string title;
    std::string code;
    std::vector<int> numbers; // ascending, the fixed ones included
    std::vector<int> fixed;
    std::vector<Column> columns;
};

// The title of a table guaranteeing g hits if c drawn; orthogonal or not.
std::string reducedSlipTitle(bool orthogonal, int g, int c);

std::string formatReducedSlip(const ReducedSlip& slip);
// Written to a temporary file and renamed into place.
std::optional<Notice> writeReducedSlip(const ProgramFolder& folder, const ReducedSlip& slip);

} // namespace varnelo
