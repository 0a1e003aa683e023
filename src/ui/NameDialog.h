#pragma once

#include <QDialog>

class QLineEdit;

namespace varnelo {

// "Salva col nome:": one name box that keeps lower-case letters, digits and
// blanks (the names files of the program folder take), "OK" and "Annulla".
class NameDialog : public QDialog {
    Q_OBJECT
  public:
    NameDialog(const QString& objectName, const QString& caption, const QString& name,
               QWidget* parent = nullptr);
    QString name() const;

  private:
    QLineEdit* name_ = nullptr;
};

} // namespace varnelo
