#pragma once

#include "conditions/Sequele.h"
#include "conditions/ui/ValueConditionEditor.h"

#include <array>

class QComboBox;

namespace varnelo {

// "Sequele pari dispari": eleven parity patterns, each marking the five
// positions P, D or any; a column's value is how many positions agree.
class SequeleDue : public ValueConditionEditor {
    Q_OBJECT
  public:
    explicit SequeleDue(Shell& shell);

  protected:
    void sessionStarted() override;
    void slotShown(int slot) override;
    bool committed() override;
    void cancelled() override;

  private:
    SequelePatterns& patterns();

    SequelePatterns opened_; // as the window found them
    std::array<QComboBox*, kColumnSize> marks_{};
    int pattern_ = 1;
};

} // namespace varnelo
