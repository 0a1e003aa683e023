#pragma once

#include "conditions/DelayStatistics.h"

#include <QGroupBox>
#include <QStringList>

#include <cstdint>
#include <vector>

class QLabel;

namespace varnelo {

struct ProgramState;

// "Ultima Colonna di Ricerca " and the date of the latest selected draw,
// with the family's figures of that draw as they stood before it came:
// one caption and value per line ("Tot. Ambi = 312").
class LatestDrawFrame : public QGroupBox {
    Q_OBJECT
  public:
    LatestDrawFrame(QStringList captions, QWidget* parent);
    // The latest draw valued over the newest 5000 selected draws, as the
    // delay conditions value a column.
    static LatestDrawFigures figures(const ProgramState& state);
    // The date of the latest draw and one value per caption.
    void fill(const ProgramState& state, const std::vector<std::int64_t>& values);

  private:
    QStringList captions_;
    QLabel* numbers_ = nullptr;
    std::vector<QLabel*> lines_;
};

} // namespace varnelo
