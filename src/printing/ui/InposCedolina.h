#pragma once

#include "printing/PrintFiles.h"
#include "printing/Receipt.h"
#include "ui/ChildWindow.h"
#include "ui/PrintPreview.h"

#include <QList>

#include <vector>

class QComboBox;
class QLabel;
class QRadioButton;

namespace varnelo {

// "Anteprima Cedolina:": the receipt of the current system as it will
// print, with the colour of each of its parts and the picture. Every change
// is kept at once in enal/variestampa.txt.
class InposCedolina : public ChildWindow {
    Q_OBJECT
  public:
    explicit InposCedolina(Shell& shell);

  protected:
    void systemChanged() override;

  private:
    SlipPrintSettings chosen() const;
    PagePainter page() const;
    void pickColour();
    void changed();

    SlipPrintSettings settings_;
    std::vector<ReceiptPicture> pictures_;
    QList<QRadioButton*> roles_;
    QList<QRadioButton*> rule_;
    QComboBox* theme_ = nullptr;
    QLabel* preview_ = nullptr;
};

} // namespace varnelo
