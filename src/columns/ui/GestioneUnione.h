#pragma once

#include "core/ProgramFolder.h"

#include <QDialog>

class QListWidget;

namespace varnelo {

// "Apri sistemi colonnari:": the saved systems with their column counts;
// "Apri" takes the highlighted one, "Elimina" deletes it (and the record of
// a join) after asking.
class GestioneUnione : public QDialog {
    Q_OBJECT
  public:
    GestioneUnione(const ProgramFolder& folder, QWidget* parent = nullptr);
    QString chosenName() const;

  private:
    void fill();
    void deleteSelected();

    const ProgramFolder& folder_;
    QListWidget* systems_ = nullptr;
};

} // namespace varnelo
