#pragma once

#include "columns/ui/FilterCompanion.h"

class QComboBox;
class QLabel;

namespace varnelo {

class RangeBox;

// "Importazione colonne vincenti": the draws of the statistics selection,
// from one to another, become filter columns with the admitted hits chosen.
class ColFilUscite : public FilterCompanion {
    Q_OBJECT
  public:
    ColFilUscite(Shell& shell, FilterListDraft& draft);

  protected:
    void systemChanged() override { fillDraws(); }

  private:
    void fillDraws();
    void updateCount();
    void import();

    QComboBox* from_ = nullptr;
    QComboBox* to_ = nullptr;
    QLabel* count_ = nullptr;
    RangeBox* hits_ = nullptr;
};

} // namespace varnelo
