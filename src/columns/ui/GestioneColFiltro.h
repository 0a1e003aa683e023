#pragma once

#include "columns/ui/FilterCompanion.h"
#include "conditions/CarFile.h"

#include <string>

class QLabel;
class QListWidget;

namespace varnelo {

class RangeBox;

// "Gestione matrici   ...Colonne filtro:": the filter lists stored in
// `andor/` (`.car` with their admitted hits, `.cac` with the numbers only)
// and the saved systems, opened in place of the list or added to it.
class GestioneColFiltro : public FilterCompanion {
    Q_OBJECT
  public:
    GestioneColFiltro(Shell& shell, FilterListDraft& draft);

  protected:
    void systemChanged() override { fillFiles(); }
    void showEvent(QShowEvent* event) override;

  private:
    enum Kind { Car, Cac, System };
    void fillFiles();
    void showName();
    // The columns of the highlighted entry; false after a notice.
    bool readCurrent(std::vector<ListColumn>& columns, std::string& name);
    void open(bool replace);
    void erase();

    QListWidget* files_ = nullptr;
    QLabel* name_ = nullptr;
    RangeBox* hits_ = nullptr;
};

} // namespace varnelo
