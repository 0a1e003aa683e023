#pragma once

#include "stats/StatisticalForecast.h"
#include "ui/ChildWindow.h"

class QComboBox;
class QLabel;
class QPushButton;
class QSpinBox;

namespace varnelo {

class TableModel;

// "Pronostico statistico": the numbers a documented rule picks from the
// statistics selection, each with its figures and the reason it is there;
// "Esporta" (`StatEsportaPronostico`) writes them to a text file and
// "Metti nel Pronostico" makes them the chosen numbers of the system.
class StatComputer : public ChildWindow {
    Q_OBJECT
  public:
    explicit StatComputer(Shell& shell);

    const StatisticalForecast& forecast() const { return forecast_; }
    ForecastSettings settings() const;

    QSize sizeHint() const override;

  protected:
    void systemChanged() override { compute(); }

  private:
    void compute();
    void exportText();
    void applyToForecast();
    void enableCommands();

    StatisticalForecast forecast_;
    QComboBox* rule_ = nullptr;
    QSpinBox* count_ = nullptr;
    QSpinBox* recent_ = nullptr;
    QLabel* ruleText_ = nullptr;
    QLabel* summary_ = nullptr;
    TableModel* model_ = nullptr;
    QPushButton* apply_ = nullptr;
    QPushButton* export_ = nullptr;
};

} // namespace varnelo
