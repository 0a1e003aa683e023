#pragma once

#include "columns/ui/FilterCompanion.h"

class QGroupBox;

namespace varnelo {

class RangeBox;

// "Somma punti uguali:": the same admitted hits (and, when asked, consecutive
// counts) for the filter columns from a first to a last position.
class ColonneFiltroUguali : public FilterCompanion {
    Q_OBJECT
  public:
    ColonneFiltroUguali(Shell& shell, FilterListDraft& draft);

  private:
    void apply();
    RangeBox* range_ = nullptr;
    RangeBox* hits_ = nullptr;
    RangeBox* consecutive_ = nullptr;
};

} // namespace varnelo
