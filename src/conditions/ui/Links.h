#pragma once

#include "conditions/ui/GroupEditor.h"

// The window shares its name with the core's link tables (varnelo::Links),
// so the two link windows live in a namespace of their own.
namespace varnelo::ui {

// "Link:": groups of conditions whose failures are counted instead of
// rejecting a column at once.
class Links : public GroupEditor {
    Q_OBJECT
  public:
    explicit Links(Shell& shell);
};

} // namespace varnelo::ui
