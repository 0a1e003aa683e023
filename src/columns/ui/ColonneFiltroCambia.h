#pragma once

#include "columns/ui/FilterCompanion.h"

class QSpinBox;

namespace varnelo {

class RangeBox;

// "Sostituzione di Segni:": replaces a number by another in the filter
// columns from a first to a last position.
class ColonneFiltroCambia : public FilterCompanion {
    Q_OBJECT
  public:
    ColonneFiltroCambia(Shell& shell, FilterListDraft& draft);

  private:
    void replace();
    RangeBox* range_ = nullptr;
    QSpinBox* search_ = nullptr;
    QSpinBox* replacement_ = nullptr;
};

} // namespace varnelo
