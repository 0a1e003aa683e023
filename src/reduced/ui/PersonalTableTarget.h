#pragma once

#include "reduced/PersonalTable.h"

#include <string>

namespace varnelo {

// Where `GestioneRidotto` puts the table it opens: the editor "Ridotti personali".
class PersonalTableTarget {
  public:
    virtual ~PersonalTableTarget() = default;
    // The table read from ridotti/<name>.rid; false when the player keeps
    // the one being edited.
    virtual bool openTable(PersonalTable table, const std::string& name) = 0;
};

} // namespace varnelo
