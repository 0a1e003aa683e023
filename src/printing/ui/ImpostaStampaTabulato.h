#pragma once

#include "ui/ChildWindow.h"

#include <array>

class QCheckBox;
class QComboBox;
class QLineEdit;
class QSpinBox;

namespace varnelo {

// "Imposta stampa": the printers of the slips and of the receipts, the
// receipt's copies, the confirmation before printing, and the shop data
// every receipt carries. "OK" keeps them in enal/stampante.csv and
// enal/cedolina.txt.
class ImpostaStampaTabulato : public ChildWindow {
    Q_OBJECT
  public:
    explicit ImpostaStampaTabulato(Shell& shell);

  private:
    bool keep();

    QComboBox* slips_ = nullptr;
    QComboBox* receipts_ = nullptr;
    QSpinBox* copies_ = nullptr;
    QCheckBox* confirm_ = nullptr;
    // enal/cedolina.txt: name, kind, street, phone, advert, personal text,
    // picture flag, town.
    QLineEdit* name_ = nullptr;
    QComboBox* kind_ = nullptr;
    std::array<QLineEdit*, 8> texts_{};
};

} // namespace varnelo
