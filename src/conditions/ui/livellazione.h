#pragma once

#include "conditions/Levels.h"
#include "ui/ChildWindow.h"

#include <functional>

class QLabel;
class QListWidget;
class QTableWidget;
class QTableWidgetItem;

namespace varnelo {

// "Imposta livelli:": how many passes on recovery a column may collect in
// each level, and in groups of levels ("Livelli Mescolati"). The edits stay
// in a copy until "OK".
class livellazione : public ChildWindow {
    Q_OBJECT
  public:
    explicit livellazione(Shell& shell);

  protected:
    void showEvent(QShowEvent* event) override;
    bool forgetEdits() override;

  private:
    enum Column { Level, Max, Min, Used, Tested, ColumnCount };
    enum GroupColumn { Number, Members, Reach, GroupMax, GroupMin, GroupColumnCount };
    QWidget* makeGroupFrame();
    void fill();
    void fillGroup(int group);
    void showMembers();
    int currentGroup() const;
    void setMember(int level, bool on);
    void take(QTableWidgetItem* item);
    void takeGroup(QTableWidgetItem* item);
    // A typed limit that is not a whole number from 0 up is refused; the
    // setters keep Min at or below Max, and both cells show what was kept.
    void takeLimit(QTableWidgetItem* item, int maxColumn, int minColumn,
                   const std::function<void(bool isMax, int value)>& set,
                   const std::function<std::pair<int, int>()>& kept);
    void accept();

    LevelLimits limits_;
    LevelUse use_{};
    QTableWidget* grid_ = nullptr;
    QTableWidget* groups_ = nullptr;
    QListWidget* allLevels_ = nullptr;
    QListWidget* members_ = nullptr;
    QLabel* groupCaption_ = nullptr;
    bool filling_ = false;
};

} // namespace varnelo
