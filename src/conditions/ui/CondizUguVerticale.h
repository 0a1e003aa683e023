#pragma once

#include "conditions/ui/ValueConditionEditor.h"

class QGroupBox;
class QLabel;
class QScrollBar;
class QTableWidget;

namespace varnelo {

// "Confronta colonne vincenti": how many numbers of a column came out in the
// last K draws, and how many are one away from a number of those draws. K
// is chosen here and kept in `enal/DistInVert.txt`.
class CondizUguVerticale : public ValueConditionEditor {
    Q_OBJECT
  public:
    explicit CondizUguVerticale(Shell& shell);

  protected:
    void sessionStarted() override;
    void slotShown(int slot) override;
    bool committed() override;
    void accepted() override;
    void cancelled() override;

  private:
    int& comparisonDraws();
    void showDraws();

    int opened_ = 0; // K as the window found it
    int shownSlot_ = 0;
    QGroupBox* frame_ = nullptr;
    QScrollBar* scroll_ = nullptr;
    QTableWidget* draws_ = nullptr;
    QLabel* numbers_ = nullptr;
};

} // namespace varnelo
