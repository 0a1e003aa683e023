#pragma once

#include "printing/ListingReport.h"
#include "printing/ui/PrintOutput.h"
#include "ui/ChildWindow.h"

#include <QList>

#include <array>

class QCheckBox;
class QRadioButton;
class QSpinBox;

namespace varnelo {

// "Stampa tabulato:": the listing of the current system with the report
// sections ticked, to the preview, the printer or a PDF.
class StampaTab : public ChildWindow {
    Q_OBJECT
  public:
    explicit StampaTab(Shell& shell);

  private:
    ListingSize size() const;
    ListingSections sections() const;
    // The listing as chosen, for the printer or a PDF.
    PrintDocument listing() const;
    // The chosen size is kept in andor/caratt.txt for the next listing.
    void keepSize();

    QList<QRadioButton*> sizes_;
    std::array<QCheckBox*, kListingSections> sections_{};
    QSpinBox* copies_ = nullptr;
};

} // namespace varnelo
