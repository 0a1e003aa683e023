#pragma once

#include "ui/NameDialog.h"

namespace varnelo {

// "Salva col nome:" for the current system.
class GestioneSalva : public NameDialog {
    Q_OBJECT
  public:
    explicit GestioneSalva(const QString& currentName, QWidget* parent = nullptr)
        : NameDialog("GestioneSalva", "Nome del sistema:", currentName, parent) {}
};

} // namespace varnelo
