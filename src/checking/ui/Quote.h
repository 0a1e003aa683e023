#pragma once

#include "ui/ChildWindow.h"

#include <cstdint>

class QLabel;
class QLineEdit;
class QScrollBar;

namespace varnelo {

// "Quote:": the cost of the current system divided among several players.
class Quote : public ChildWindow {
    Q_OBJECT
  public:
    explicit Quote(Shell& shell);

  protected:
    void showEvent(QShowEvent* event) override;
    void systemChanged() override;

  private:
    // `CommQuote`: an empty count becomes "1", then the share is worked out.
    void apply();
    void showCost();
    void showShare();

    QLabel* cost_ = nullptr;
    QLabel* detail_ = nullptr;
    QLineEdit* shares_ = nullptr;
    QScrollBar* step_ = nullptr;
    QLabel* share_ = nullptr;
    std::int64_t costCents_ = 0;
};

} // namespace varnelo
