#pragma once

#include "reduced/Catalogue.h"
#include "reduced/TableCode.h"

#include <cstddef>
#include <string>
#include <vector>

namespace varnelo {

// One table of the catalogue as the window of ready-made reduced systems
// lists it.
struct CatalogueEntry {
    TableCode code;
    std::size_t rows = 0;
    // The orthogonal option 1..9 of an "O" table; 0 for an ordinary one.
    int option = 0;
    std::string guarantee; // what the table guarantees, as the player reads it
    // Five numbers per column and a guarantee a player can be offered: the
    // tables of fewer numbers per column only serve the fixed-number forms.
    bool playable = false;

    bool fits(int n, int fixed) const { return playable && code.n == n && code.fixed == fixed; }
    const char* kind() const;
};

// Every code of the catalogue, in catalogue order, with its row count.
std::vector<CatalogueEntry> catalogueEntries(const Catalogue& catalogue);

// The orthogonal option of a table guaranteeing g hits if c drawn; 0 when
// no option does.
int orthogonalOptionFor(int g, int c);

} // namespace varnelo
