#pragma once

#include "core/Selection.h"
#include "reduced/Catalogue.h"
#include "ui/ChildWindow.h"

#include <optional>

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QPushButton;
class QTableView;

namespace varnelo {

class CatalogueFilter;
class CatalogueModel;
class NumberBoard;
class TableModel;
struct CatalogueEntry;

// "Ridotti Immediati": the catalogue of ready-made reduced systems, the
// player's numbers on a board of the window's own, the chosen table's
// distribution of wins and cost, and the commands that apply, list or
// prepare it for printing.
class GestRidotti : public ChildWindow {
    Q_OBJECT
  public:
    explicit GestRidotti(Shell& shell);

    // The catalogue row of a code, selected and shown; false when hidden by the filters.
    bool selectCode(const QString& code);

  protected:
    void systemChanged() override;
    bool forgetEdits() override;

  private:
    QGroupBox* makeBoardFrame();
    QGroupBox* makeFilterFrame();
    QGroupBox* makeStatisticsFrame();
    QGroupBox* makeCostFrame();
    void boardChanged();
    void takeSystemNumbers();
    void currentChanged();
    const CatalogueEntry* current() const;
    // The chosen table over the board's numbers; nothing after a notice.
    std::optional<std::vector<Column>> currentColumns();
    void adapt();
    void showColumns();
    void prepareForPrinting();

    Catalogue catalogue_;
    // The numbers on the window's board: the system's until the player
    // changes them here.
    Selection board_;
    bool boardEdited_ = false;
    QGroupBox* boardFrame_ = nullptr;
    NumberBoard* numbers_ = nullptr;
    QLabel* boardHint_ = nullptr;
    CatalogueModel* model_ = nullptr;
    CatalogueFilter* filter_ = nullptr;
    QTableView* table_ = nullptr;
    QComboBox* numbersBox_ = nullptr;
    QComboBox* fixedBox_ = nullptr;
    QComboBox* guaranteeBox_ = nullptr;
    QCheckBox* onlyFitting_ = nullptr;
    TableModel* wins_ = nullptr;
    QLabel* winsCaption_ = nullptr;
    QLabel* cost_ = nullptr;
    QPushButton* adapt_ = nullptr;
    QPushButton* show_ = nullptr;
    QPushButton* print_ = nullptr;
};

} // namespace varnelo
