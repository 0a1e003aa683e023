#pragma once

#include "ui/ChildWindow.h"

class QLabel;
class QTableView;

namespace varnelo {

class TableModel;

// "Nati Stanchi": every value of the main catalogue that the developed
// system holds, with its archive figures, the best yield first.
class InsCondizione : public ChildWindow {
    Q_OBJECT
  public:
    explicit InsCondizione(Shell& shell);

    // Reads the system and the archive again; false (with its notice shown)
    // when the system is not a developed conditioned one.
    bool fill();

  protected:
    void systemChanged() override;

  private:
    TableModel* model_ = nullptr;
    QTableView* grid_ = nullptr;
    QLabel* summary_ = nullptr;
};

} // namespace varnelo
