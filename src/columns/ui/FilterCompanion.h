#pragma once

#include "core/Notice.h"
#include "ui/ChildWindow.h"

#include <optional>

class QBoxLayout;
class QPushButton;

namespace varnelo {

class FilterListDraft;
class RangeBox;

// A companion of `ColonneFiltro`: it works on the same draft and closes
// when the edit of the list ends.
class FilterCompanion : public ChildWindow {
    Q_OBJECT
  public:
    FilterCompanion(Shell& shell, FilterListDraft& draft, const QString& name,
                    const QString& title);

  protected:
    FilterListDraft& draft() const { return draft_; }
    // A "dalla" .. "alla" frame that follows the rows marked in the grid.
    RangeBox* positionsBox(const QString& title, const QString& name);
    // The window's content, then a row with the action (if any) and "Chiudi".
    void setContent(QBoxLayout* content, QPushButton* action);
    // Shows the notice, if any; true when there was none.
    bool accepted(const std::optional<Notice>& notice);

  private:
    FilterListDraft& draft_;
};

} // namespace varnelo
