#pragma once

#include "core/Notice.h"
#include "reduced/PersonalTableEdit.h"
#include "reduced/ui/PersonalTableTarget.h"
#include "ui/ChildWindow.h"

#include <optional>

class QGroupBox;
class QLabel;
class QLayout;
class QRadioButton;
class QSpinBox;
class QTableView;

namespace varnelo {

class MarkBoard;
class TableModel;

// "Ridotti personali": the player builds a table of his own, one column at
// a time marked on the board `MSFCV`, listed in `MSFlexGrid1`, and keeps it
// in ridotti/<name>.rid.
class Ridotti : public ChildWindow, public PersonalTableTarget {
    Q_OBJECT
  public:
    explicit Ridotti(Shell& shell);

    bool openTable(PersonalTable table, const std::string& name) override;

  protected:
    // Every way of closing asks about unsaved changes first.
    void closeEvent(QCloseEvent* event) override;

  private:
    QGroupBox* makeBoardFrame();
    QGroupBox* makeHeaderFrame();
    QGroupBox* makeColumnCommands();
    QGroupBox* makeListFrame();
    QLayout* makeTableCommands();

    void insertColumn();
    void beginChange();
    void endChange();
    void eraseColumn();
    void cancelInsertion();
    void newTable();
    // "Salva" (askName false: the table's own file when it has one) and
    // "Salva col nome"; false when nothing was written.
    bool save(bool askName);
    void verify();
    // A modified table is saved or dropped as the player says; false when
    // he keeps working on it.
    bool settled();

    // The list, the header fields and the title, after the table changed;
    // `row` is highlighted.
    void showTable(std::optional<std::size_t> row = std::nullopt);
    void showChanging();
    std::optional<std::size_t> highlighted() const;
    bool accepted(const std::optional<Notice>& notice);

    PersonalTableEdit edit_;
    MarkBoard* board_ = nullptr;
    TableModel* columns_ = nullptr;
    QTableView* list_ = nullptr;
    QLabel* count_ = nullptr;
    QLabel* changing_ = nullptr;
    QSpinBox* inPlay_ = nullptr;
    QSpinBox* leaders_ = nullptr;
    QRadioButton* guarantee_[3] = {};
};

} // namespace varnelo
