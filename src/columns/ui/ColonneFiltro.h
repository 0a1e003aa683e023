#pragma once

#include "ui/ChildWindow.h"

class QCheckBox;
class QLabel;
class QTableView;

namespace varnelo {

class FilterListDraft;
class FilterListModel;

// "Colonne filtro AND:": the list of filter columns with their admitted
// hits, its imports, files and analyses, and its activation for the
// development. The edits stay in the draft until "OK".
class ColonneFiltro : public ChildWindow {
    Q_OBJECT
  public:
    ColonneFiltro(Shell& shell, FilterListDraft& draft);
    QSize sizeHint() const override;

  protected:
    void showEvent(QShowEvent* event) override;
    bool forgetEdits() override;
    void closeEvent(QCloseEvent* event) override;

  private:
    QWidget* makePresence();
    QWidget* makeCommands();
    // The rows highlighted in the grid (1-based), or the current one.
    std::pair<std::size_t, std::size_t> highlighted() const;
    // Opens a companion on the highlighted rows, or on the whole list.
    void openOn(const QString& command, bool wholeList);
    void showCurrent();
    void listChanged();
    void insertColumn();
    void eraseCurrent();
    void clearList();
    void saveList();
    void activate(bool on);
    void accept();

    FilterListDraft& draft_;
    FilterListModel* model_ = nullptr;
    QTableView* grid_ = nullptr;
    QLabel* name_ = nullptr;
    QLabel* count_ = nullptr;
    QLabel* presenceCaption_ = nullptr;
    QCheckBox* hits_[6] = {};
    QCheckBox* consecutive_[6] = {};
    QCheckBox* active_ = nullptr;
    bool showing_ = false;
    int keptRow_ = -1;
    int gridWidth_ = 0;
};

} // namespace varnelo
