#pragma once

#include "conditions/Levels.h"
#include "ui/ChildWindow.h"

class QTableWidget;
class QTableWidgetItem;

namespace varnelo {

// "Imposta livelli:": how many passes on recovery a column may collect in
// each level. The edits stay in a copy until "OK".
class livellazione : public ChildWindow {
    Q_OBJECT
  public:
    explicit livellazione(Shell& shell);

  protected:
    void showEvent(QShowEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

  private:
    enum Column { Level, Max, Min, Used, Tested, ColumnCount };
    void fill();
    void take(QTableWidgetItem* item);
    void accept();

    LevelLimits limits_;
    QTableWidget* grid_ = nullptr;
    bool filling_ = false;
};

} // namespace varnelo
