#pragma once

#include "ui/ChildWindow.h"

#include <QHash>

#include <memory>
#include <optional>
#include <string>

class QLabel;
class QLineEdit;
class QPushButton;
class QTableView;
class QCheckBox;

namespace varnelo {

class ColumnAnalyses;
class ColumnListModel;
class ColumnStore;
class MarkBoard;

// "Colonne sul video": the columns of the current system one per line, to
// add, change and delete by hand and save, with the three analyses of the
// edited set. Edits stay in the window's own copy until saved. The commands
// are the array `TastiColViveo`.
class ColonneSulVideo : public ChildWindow {
    Q_OBJECT
  public:
    explicit ColonneSulVideo(Shell& shell);
    ~ColonneSulVideo() override;

    // `TastiColViveo`(index): 0 close, 1 delete, 2 insert or change, 3
    // "Probabilita", 4 "Torta", 5 to 7 save, 8 save under a new name, 9 "Spoglio".
    void command(int index);
    const ColumnStore& columns() const { return *view_; }
    bool hasChanges() const { return changed_; }

    QSize sizeHint() const override;

  protected:
    void systemChanged() override;
    bool forgetEdits() override;
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

  private:
    QWidget* makeListPanel();
    QWidget* makeEditPanel();
    void load();
    void followSystem();
    void showHeader();
    void showCount();
    int selectedRow() const;
    void selectRow(int row);
    void rowChosen();
    void goToColumn();
    void insertOrChange();
    void removeSelected();
    void edited();
    void save();
    void saveAs();
    // Writes the columns as a column-defined system and makes it current.
    bool write(const std::string& name);
    void updateCommands();

    std::unique_ptr<ColumnStore> view_;
    ColumnListModel* model_ = nullptr;
    QTableView* list_ = nullptr;
    QLabel* header_ = nullptr;
    QLabel* count_ = nullptr;
    QLineEdit* find_ = nullptr;
    MarkBoard* board_ = nullptr;
    QCheckBox* pron_ = nullptr;
    ColumnAnalyses* analyses_ = nullptr;
    QHash<int, QPushButton*> keys_;
    QPushButton* newColumn_ = nullptr;
    bool changed_ = false;
    // The system has more columns than the view takes: nothing to edit.
    std::optional<std::int32_t> refusedTotal_;
    bool reloadOnShow_ = false;
};

} // namespace varnelo
