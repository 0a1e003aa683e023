#pragma once

#include <QDialog>

class QRadioButton;

namespace varnelo {

// "Importa da testo..": whether imported columns join the current system or
// become a new system under a default name.
class ImportaDaTesto : public QDialog {
    Q_OBJECT
  public:
    explicit ImportaDaTesto(QWidget* parent = nullptr);
    bool intoNewSystem() const;

  private:
    QRadioButton* choice_[2] = {};
};

} // namespace varnelo
