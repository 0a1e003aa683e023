#pragma once

#include "core/ProgramFolder.h"
#include "reduced/Catalogue.h"

namespace varnelo::test {

// The covering tables the program ships, read from the source tree.
inline const Catalogue& shippedCatalogue() {
    static const Catalogue c(catalogueFolder(VARNELO_SOURCE_DATA_DIR));
    return c;
}

} // namespace varnelo::test
