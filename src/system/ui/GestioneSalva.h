#pragma once

#include <QDialog>

class QLineEdit;

namespace varnelo {

// "Salva col nome:": the name box keeps lower-case letters, digits and blanks.
class GestioneSalva : public QDialog {
    Q_OBJECT
  public:
    GestioneSalva(const QString& currentName, QWidget* parent = nullptr);
    QString name() const;

  private:
    QLineEdit* name_ = nullptr;
};

} // namespace varnelo
