#pragma once

#include "ui/ChildWindow.h"

class QTableView;

namespace varnelo {

class TableModel;
class WinLevelsRunner;

// "Distribuzione vincite": for every k-set of the system's numbers
// (k = 1..5), the best score of the columns and how many columns reach it,
// as a table that can be saved as text, exported to a workbook or printed.
class Comfronto2 : public ChildWindow {
    Q_OBJECT
  public:
    explicit Comfronto2(Shell& shell);

  protected:
    void systemChanged() override;

  private:
    void showResult();
    void saveText();
    void exportWorkbook();
    void preview();
    void enableCommands();
    QString suggestedFile(const QString& extension) const;

    WinLevelsRunner* runner_ = nullptr;
    TableModel* model_ = nullptr;
    QTableView* grid_ = nullptr;
};

} // namespace varnelo
