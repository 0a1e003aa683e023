#pragma once

#include "columns/ui/FilterCompanion.h"

namespace varnelo {

class RangeBox;

// "Elimina Colonne:": removes the filter columns from a first to a last position.
class ColonneFiltroElimona : public FilterCompanion {
    Q_OBJECT
  public:
    ColonneFiltroElimona(Shell& shell, FilterListDraft& draft);

  private:
    void erase();
    RangeBox* range_ = nullptr;
};

} // namespace varnelo
