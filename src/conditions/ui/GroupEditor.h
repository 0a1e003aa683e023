#pragma once

#include "conditions/LinkStatistics.h"
#include "conditions/Links.h"
#include "ui/ChildWindow.h"

#include <QString>

#include <functional>
#include <memory>
#include <string_view>
#include <vector>

class QComboBox;
class QGroupBox;
class QLabel;
class QPushButton;
class QTableView;
class QTableWidget;

namespace varnelo {

class TableModel;

// The editing session of the links or of the point quadri, whichever a
// window edits.
class GroupSession {
  public:
    virtual ~GroupSession() = default;
    virtual GroupTable& table() = 0;
    virtual void erase(int group) = 0;
    virtual bool accept() = 0;
    virtual void cancel() = 0;
};

template <typename Groups> class GroupSessionOf final : public GroupSession {
  public:
    GroupSessionOf(Groups& groups, const ConditionSet& set)
        : groups_(groups), set_(set), session_(groups, set) {}
    GroupTable& table() override { return groups_.table; }
    void erase(int group) override { session_.erase(group, set_); }
    bool accept() override { return session_.accept(); }
    void cancel() override { session_.cancel(); }

  private:
    Groups& groups_;
    const ConditionSet& set_;
    GroupEditSession<Groups> session_;
};

// A range of the whole table beside the current group's own: its pickers
// `<name>(0)` and `<name>(1)` offer 0..highest.
struct OverallRange {
    QString name;
    QString caption;
    int highest;
    RangePair& (*pair)(ProgramState&);
};

// What tells the link window from the quadro window.
struct GroupKind {
    QString caption;      // window title
    QString number;       // `LabLinkNum`, with %1 for the group number
    QString members;      // title of `MSFLink2`
    QString rangeCaption; // the current group's range, pickers `Combo1`
    int (*rangeHighest)(const ConditionSet&);
    std::vector<OverallRange> overall;
    QString erase;           // the erase button
    QString statistics;      // title of `MSFColFilRis`
    QString tallyHeading;    // what the rows of the tally count
    bool showsWrongCount;    // "Condizioni Sbagliate= " under the tally
    std::string_view family; // marked in "Condizioni Modificate:" after a change
    std::string_view (*slotName)(int);
    GroupTally (*tally)(const ConditionSet&, const GroupTable&, int, const std::vector<Column>&,
                        const MetricContext&);
    std::unique_ptr<GroupSession> (*openSession)(ProgramState&);
};

// The editor of numbered groups of conditions in play: step through the
// groups 1..15, move conditions between the ones in play (`MSFLink1`) and the
// current group (`MSFLink2`), choose the ranges, erase a group, look at how
// the drawn combinations of the archive met the group. Every edit reaches the
// tables at once; "OK" keeps them, "Annulla", Escape or the close box put
// back what was there on opening.
class GroupEditor : public ChildWindow {
    Q_OBJECT
  protected:
    GroupEditor(Shell& shell, const QString& name, WindowSlots slots, GroupKind kind);
    ~GroupEditor() override;

    void systemChanged() override;
    void showEvent(QShowEvent* event) override;
    bool forgetEdits() override;
    void closeEvent(QCloseEvent* event) override;

  private:
    // The two pickers of one range and where the range lives.
    struct Pickers {
        QComboBox* from;
        QComboBox* to;
        std::function<RangePair&()> pair;
        std::function<int()> highest;
    };

    QWidget* makeStepRow();
    QWidget* makeGridRow();
    QWidget* makeRangeFrame();
    QWidget* makeTallyFrame();
    QWidget* makeCommandRow();
    QTableWidget* makeSlotGrid(const QString& name, QWidget* parent);
    void addPickers(QWidget* frame, int row, const QString& name, const QString& caption,
                    std::function<RangePair&()> pair, std::function<int()> highest);

    void startSession();
    void step(int by);
    void showGroup();
    void fillGrids();
    void fillGrid(QTableWidget* grid, const std::vector<int>& slots);
    QString slotText(int slot) const;
    void move(QTableWidget* from, bool join);
    void offerValues(const Pickers& p);
    void showRange(const Pickers& p);
    void clearTally();
    void fillTally();
    void erase();
    void accept();

    GroupKind kind_;
    std::unique_ptr<GroupSession> session_;
    int group_ = 1;
    QLabel* number_ = nullptr;
    QPushButton* previous_ = nullptr;
    QPushButton* next_ = nullptr;
    QTableWidget* inPlay_ = nullptr;
    QTableWidget* members_ = nullptr;
    QPushButton* sortByName_ = nullptr;
    std::vector<Pickers> pickers_;
    TableModel* tallyModel_ = nullptr;
    QTableView* tallyView_ = nullptr;
    QLabel* tallySummary_ = nullptr;
    QLabel* wrongCount_ = nullptr;
};

} // namespace varnelo
