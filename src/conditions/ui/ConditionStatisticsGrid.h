#pragma once

#include "conditions/ConditionStatistics.h"

#include <QGroupBox>

#include <cstdint>
#include <functional>
#include <span>

class QLabel;
class QTableView;

namespace varnelo {

struct ProgramState;
class TableModel;

// "Statistiche sulle colonne in archivio:": for every value of one key (a
// sub-condition's slot, or a row of a family's own table) its figures over
// the selected draws and the developed system, filled by " Analisi
// statistica ".
class ConditionStatisticsGrid : public QGroupBox {
    Q_OBJECT
  public:
    // What the grid reads for a key.
    struct Source {
        // The figures of every value over the draws, oldest first.
        std::function<ValueStatistics(std::span<const Column>)> walk;
        // "Distr.Sistema": the system's columns with the value.
        std::function<std::int64_t(int value)> systemColumns;
        // Long ranges (pair delays 0..5000) list only the values that a
        // draw or a column of the system had.
        bool onlySeen = false;
    };

    // `recovery(value)`: what the "Recupero" column shows for the value.
    // Keys are slots until setSource() says otherwise.
    ConditionStatisticsGrid(ProgramState& state, std::function<QString(int)> recovery,
                            QWidget* parent = nullptr);

    void setSource(std::function<Source(int key)> source);
    // Forgets the figures of another key.
    void clearFor(int key);
    void analyse(int key);

  private:
    Source slotSource(int slot) const;

    ProgramState& state_;
    std::function<QString(int)> recovery_;
    std::function<Source(int)> source_;
    TableModel* model_ = nullptr;
    QTableView* grid_ = nullptr;
    QLabel* summary_ = nullptr;
    int key_ = 0;
};

} // namespace varnelo
