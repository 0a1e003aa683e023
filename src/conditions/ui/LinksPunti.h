#pragma once

#include "conditions/ui/GroupEditor.h"

// Beside its twin ui::Links, which needs a namespace of its own.
namespace varnelo::ui {

// "Punti tra Condizioni:": point quadri, groups of conditions whose values
// add up to a score with an admitted range.
class LinksPunti : public GroupEditor {
    Q_OBJECT
  public:
    explicit LinksPunti(Shell& shell);
};

} // namespace varnelo::ui
