#pragma once

#include "columns/ui/FilterCompanion.h"

namespace varnelo {

// "Importa colonne": where the new filter columns come from.
class ColonneFiltroMatr : public FilterCompanion {
    Q_OBJECT
  public:
    ColonneFiltroMatr(Shell& shell, FilterListDraft& draft);
};

} // namespace varnelo
