#pragma once

#include "system/TransferItems.h"
#include "ui/ChildWindow.h"

#include <QList>

#include <vector>

class QPushButton;
class QRadioButton;
class QTableWidget;

namespace varnelo {

class FolderPicker;

// "Esporta,   Importa:": systems, crossword sets and personal reduced
// systems copied to another folder, or taken from there into the program.
class Importa : public ChildWindow {
    Q_OBJECT
  public:
    explicit Importa(Shell& shell);

  private:
    Direction direction() const;
    void fillGrid();
    const TransferItem* selectedItem() const;
    void transfer();
    void removeReduced();

    QList<QRadioButton*> directions_; // "Esporta", "Importa"
    QTableWidget* grid_ = nullptr;
    FolderPicker* picker_ = nullptr;
    QPushButton* remove_ = nullptr;
    std::vector<TransferItem> items_;
};

} // namespace varnelo
