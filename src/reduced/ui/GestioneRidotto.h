#pragma once

#include "reduced/ui/PersonalTableChooser.h"

namespace varnelo {

class PersonalTableTarget;

// "Apertura, eliminazione, ridotti": opens a personal table into the editor
// "Ridotti personali" (its "Apri") or deletes one.
class GestioneRidotto : public PersonalTableChooser {
    Q_OBJECT
  public:
    GestioneRidotto(Shell& shell, PersonalTableTarget& editor);

  protected:
    void openTable(const PersonalTable& table, const std::string& name) override;

  private:
    PersonalTableTarget& editor_;
};

} // namespace varnelo
