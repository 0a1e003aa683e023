#pragma once

#include "ui/ChildWindow.h"

#include <memory>

namespace varnelo {

class RecoveryLevelBox;
class SlotEditor;
class ValueCellsView;
class ValueGridModel;

// "Condizioni uno:": every six-valued metric of the catalogue in one grid,
// a row each with its values 0..5 and "Attivo" / "Disattivo", for a player
// who sets many of them at once. Edits stay in a session until "OK".
class Sequele1 : public ChildWindow {
    Q_OBJECT
  public:
    explicit Sequele1(Shell& shell);
    ~Sequele1() override;

    QSize sizeHint() const override;

  protected:
    void showEvent(QShowEvent* event) override;
    bool forgetEdits() override;
    void closeEvent(QCloseEvent* event) override;

  private:
    void accept();
    void endSession();

    std::unique_ptr<SlotEditor> session_;
    ValueGridModel* model_ = nullptr;
    ValueCellsView* cells_ = nullptr;
    RecoveryLevelBox* level_ = nullptr;
};

} // namespace varnelo
