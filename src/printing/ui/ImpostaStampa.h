#pragma once

#include "printing/PrintFiles.h"
#include "ui/ChildWindow.h"

#include <QList>

class QComboBox;
class QLabel;
class QPushButton;
class QRadioButton;
class QSpinBox;

namespace varnelo {

// "Stampa schedine:": the slips of the current system, with or without the
// receipt, to the printer, the preview or a PDF.
class ImpostaStampa : public ChildWindow {
    Q_OBJECT
  public:
    explicit ImpostaStampa(Shell& shell);

  protected:
    void systemChanged() override;

  private:
    SlipPrintSettings chosen() const;
    void showSlipCount();
    // Refusals first, then the confirmation; true when printing may start.
    bool readyToPrint();
    void printSystem();

    QLabel* slips_ = nullptr;
    QLabel* status_ = nullptr;
    QSpinBox* perSlip_ = nullptr;
    QList<QRadioButton*> modes_;
    QList<QRadioButton*> receipt_;
    QComboBox* draws_ = nullptr;
    QPushButton* start_ = nullptr;
    int receipts_ = 0; // printed while the window is open
};

} // namespace varnelo
