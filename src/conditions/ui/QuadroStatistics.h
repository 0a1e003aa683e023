#pragma once

#include <QGroupBox>

#include <cstdint>
#include <functional>
#include <optional>

class QTableView;

namespace varnelo {

struct AndOrQuadro;
struct ProgramState;
class TableModel;

// The statistics of `ColAndOr` over the selected draws: the quadro by year
// (" Analisi statistica per Anno ", with a line "Media"), the numbers of its
// filter columns ("  Frequenza Numeri  "), and the hits of the highlighted
// filter column (" Statistiche sulla colonna evidenziata ").
class QuadroStatistics : public QGroupBox {
    Q_OBJECT
  public:
    // `quadro()`: the quadro shown; `highlighted()`: the numbers of the
    // highlighted filter column, if any.
    QuadroStatistics(ProgramState& state, std::function<const AndOrQuadro&()> quadro,
                     std::function<std::optional<std::uint64_t>()> highlighted, QWidget* parent);
    void clear();

  private:
    void byYear();
    void numberFrequency();
    void highlightedColumn();

    ProgramState& state_;
    std::function<const AndOrQuadro&()> quadro_;
    std::function<std::optional<std::uint64_t>()> highlighted_;
    TableModel* model_ = nullptr;
};

} // namespace varnelo
