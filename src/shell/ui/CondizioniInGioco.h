#pragma once

#include "ui/ChildWindow.h"

class QLabel;
class QTableWidget;
class QTimer;

namespace varnelo {

// "Condizioni:": the 41 families, those in play painted light green; a click
// on a row switches its sub-conditions from a pop-up list.
class CondizioniInGioco : public ChildWindow {
    Q_OBJECT
  public:
    explicit CondizioniInGioco(Shell& shell);

    void refresh();

  protected:
    void systemChanged() override { refresh(); }

  private:
    // The pop-up entries of a family: slot and text with its state.
    QList<QPair<int, QString>> subConditions(int family) const;
    void toggleSlot(int slot);
    void showPopup(int family);

    QTableWidget* list_ = nullptr;
    QLabel* modified_ = nullptr;
    QTimer* popupDelay_ = nullptr;
    int pendingRow_ = 0;
};

} // namespace varnelo
