#pragma once

#include "ui/ChildWindow.h"

#include <QString>

#include <memory>
#include <vector>

class QBoxLayout;
class QButtonGroup;
class QCheckBox;
class QRadioButton;

namespace varnelo {

class ConditionStatisticsGrid;
class SlotEditor;
class RecoveryLevelBox;
class ValueCellsView;
class ValueGridModel;

// The window of a family of value conditions: an "Attivazione" box per
// sub-condition, the cells of the chosen one (a click turns a value white,
// blue, red), the level of a red cell, the quick selections, "Azzera
// condizione", "OK" and "Annulla". The edits go to the condition set at
// once and "Annulla" puts back what was there when the window opened.
class ValueConditionEditor : public ChildWindow {
    Q_OBJECT
  public:
    struct SubCondition {
        int slot;
        QString caption;
    };

    // `popup`: the main window's pop-up menu of the family, shown as the
    // window's context menu (empty for none).
    ValueConditionEditor(Shell& shell, const QString& name, const QString& title, WindowSlots slots,
                         std::vector<SubCondition> subConditions, const QString& popup = {});
    ~ValueConditionEditor() override;

    // Shows the sub-condition of this slot (one of the window's).
    void showSlot(int slot);

  protected:
    // What the second choice of "Agisci su:" narrows the quick selections
    // to: the white cells, or the range marked by a drag ("Solo
    // Evidenziati", for rows as long as the distances).
    enum class Scope { White, Marked };
    // Called in the subclass's constructor.
    void setScope(Scope scope);
    // A frame of the family's own (built by the subclass), under the cells
    // or, when tall, under the sub-conditions.
    enum class FramePlace { UnderCells, UnderSubConditions };
    void addFamilyFrame(QWidget* frame, FramePlace place = FramePlace::UnderCells);
    // Hooks of a family that edits tables of its own beside the cells: the
    // window opened, shows another sub-condition, or ends. committed() says
    // whether its tables changed; accepted() follows once "OK" kept the edits.
    virtual void sessionStarted() {}
    virtual void slotShown(int) {}
    virtual bool committed() { return false; }
    virtual void accepted() {}
    virtual void cancelled() {}

    void showEvent(QShowEvent* event) override;
    bool forgetEdits() override;
    void closeEvent(QCloseEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;

  private:
    QWidget* makeSubConditionFrame();
    QWidget* makeCellFrame();
    QWidget* makeCommandFrame();
    void startSession();
    void endSession();
    int currentSlot() const;
    // Applies `status` to the values that `pick` chooses, within the scope
    // of "Tutte le caselle" / "Solo bianche".
    template <typename Pick> void applyToValues(Pick pick, int status);
    void accept();
    void cancel();

    std::vector<SubCondition> subConditions_;
    QString popup_;
    std::unique_ptr<SlotEditor> session_;
    ValueGridModel* model_ = nullptr;
    ValueCellsView* cells_ = nullptr;
    QButtonGroup* shown_ = nullptr;
    std::vector<QCheckBox*> boxes_;
    RecoveryLevelBox* level_ = nullptr;
    Scope scope_ = Scope::White;
    QRadioButton* narrowScope_ = nullptr;
    QBoxLayout* subConditionColumn_ = nullptr;
    QBoxLayout* cellColumn_ = nullptr;
    ConditionStatisticsGrid* statistics_ = nullptr;
};

} // namespace varnelo
