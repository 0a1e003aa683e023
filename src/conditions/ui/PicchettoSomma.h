#pragma once

#include "conditions/SumQuadro.h"
#include "ui/ChildWindow.h"

#include <array>
#include <functional>
#include <optional>

class QButtonGroup;
class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QPushButton;
class QTableWidget;
class QTableWidgetItem;

namespace varnelo {

// "Somma + Somma Picchetto": the rows of the sum quadro (slot 143), each a
// set of numbers summed as they are ("Somma") or by a picchetto, with five
// admitted intervals and their recovery intervals. The edits go to the
// quadro at once; "OK" confirms them into picchetto/salvpicchetto.txt and
// "Annulla" reads that file back.
class PicchettoSomma : public ChildWindow {
    Q_OBJECT
  public:
    explicit PicchettoSomma(Shell& shell);

  protected:
    void systemChanged() override;
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

  private:
    enum SlotColumn { Min, Max, Level, RecoveryMin, RecoveryMax, SlotColumnCount };
    QWidget* makeRowsFrame();
    QWidget* makeNumbersFrame();
    QWidget* makeSumFrame();
    QWidget* makeCommands();
    void startSession();
    SumQuadro& quadro();
    SumRow& row();
    void fillRows();
    void showRow();
    void fillBoard();
    void fillSlots();
    void showRange();
    void chooseRow(int row);
    void toggleNumber(int n);
    void setNumbers(const std::function<bool(int)>& pick);
    void setKind(int kind);
    void takeSlot(QTableWidgetItem* item);
    void addRow();
    void eraseRows();
    void saveQuadro();
    void importQuadro();
    void accept();

    std::optional<TableEditor<SumQuadro>> editor_;
    SumQuadro edited_; // the quadro as this window last left it
    int row_ = -1;
    bool filling_ = false;
    QCheckBox* active_ = nullptr;
    QTableWidget* rows_ = nullptr;
    QPushButton* add_ = nullptr;
    QPushButton* erase_ = nullptr;
    QWidget* rowEditor_ = nullptr;
    QGroupBox* numbersFrame_ = nullptr;
    QTableWidget* board_ = nullptr;
    QButtonGroup* kind_ = nullptr;
    QGroupBox* picchettoFrame_ = nullptr;
    QButtonGroup* picchetto_ = nullptr;
    QTableWidget* slots_ = nullptr;
    std::array<QComboBox*, kOrSlotCount> levels_{};
    QLabel* range_ = nullptr;
};

} // namespace varnelo
