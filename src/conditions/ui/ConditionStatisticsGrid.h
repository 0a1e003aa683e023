#pragma once

#include <QGroupBox>

#include <functional>

class QLabel;
class QTableView;

namespace varnelo {

struct ProgramState;
class TableModel;

// "Statistiche sulle colonne in archivio:": for every value of one
// sub-condition its figures over the selected draws and the developed
// system, filled by " Analisi statistica ".
class ConditionStatisticsGrid : public QGroupBox {
    Q_OBJECT
  public:
    // `recovery(value)`: what the "Recupero" column shows for the value.
    ConditionStatisticsGrid(ProgramState& state, std::function<QString(int)> recovery,
                            QWidget* parent = nullptr);

    // Forgets the figures of another sub-condition.
    void clearFor(int slot);
    void analyse(int slot);

  private:
    ProgramState& state_;
    std::function<QString(int)> recovery_;
    TableModel* model_ = nullptr;
    QTableView* grid_ = nullptr;
    QLabel* summary_ = nullptr;
    int slot_ = 0;
};

} // namespace varnelo
