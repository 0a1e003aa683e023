#pragma once

#include "conditions/FilterColumns.h"
#include "core/ProgramFolder.h"

#include <QDialog>

#include <string>

class QLineEdit;
class QRadioButton;

namespace varnelo {

// "Salva le colonne del quadro": the name of the list in `andor/` and its
// kind, `.car` with the admitted hits or `.cac` with the numbers only. An
// existing file is replaced only after a "Sì".
class SalvaColonneFiltro : public QDialog {
    Q_OBJECT
  public:
    SalvaColonneFiltro(const ProgramFolder& folder, const FilterList& list, const std::string& name,
                       QWidget* parent = nullptr);

    // The name the list was saved under, once accepted.
    std::string savedName() const;

  private:
    bool save();

    const ProgramFolder& folder_;
    const FilterList& list_;
    QLineEdit* name_ = nullptr;
    QRadioButton* kinds_[2] = {};
};

} // namespace varnelo
