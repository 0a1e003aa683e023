#pragma once

#include "ui/ChildWindow.h"

class QLabel;

namespace varnelo {

struct NumberGroup;

// "Cadenze:": named groups of numbers (cadenze, figure, decine, ...); a
// group chosen in a combo box joins the numbers of the forecast.
class Cadenze : public ChildWindow {
    Q_OBJECT
  public:
    explicit Cadenze(Shell& shell);

  private:
    void choose(const NumberGroup& group);

    QLabel* chosen_ = nullptr;
};

} // namespace varnelo
