#pragma once

#include "reduced/ui/PersonalTableChooser.h"

namespace varnelo {

// "Apertura: ridotti personali", from the number-entry window: the chosen
// table is applied to the system's numbers (fixed ones on the first
// positions, then the free ones) and its columns run through the conditions.
class GestRidottiP : public PersonalTableChooser {
    Q_OBJECT
  public:
    explicit GestRidottiP(Shell& shell);

  protected:
    void openTable(const PersonalTable& table, const std::string& name) override;
};

} // namespace varnelo
