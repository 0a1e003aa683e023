#pragma once

#include "checking/PrizeCategories.h"

#include <QTabWidget>

#include <functional>

class QChartView;
class QLabel;
class QTableView;

namespace varnelo {

class CategoryTable;
class ColumnStore;
class Shell;
class TableModel;
class WinLevelsRunner;

// The three looks at a set of columns of the column view, one page each:
// "Probabilita" (the best scores of levels 3, 4 and 5 as a table and as the
// bars "Grafico vincite"), "Torta" (how the numbers share the columns) and
// "Spoglio" (the columns checked against one combination).
class ColumnAnalyses : public QTabWidget {
    Q_OBJECT
  public:
    enum Page { ProbabilityPage, ChartPage, PiePage, CheckPage };

    ColumnAnalyses(Shell& shell, const ColumnStore& columns, QWidget* parent);

    // Starts the calculation in the background; false when none started.
    bool probabilities();
    void pie();
    void check(const Combination& combination);

    bool isRunning() const;
    // Closing while the calculation runs: it stops first, then `close` runs.
    bool closeWhenEnded(std::function<void()> close);
    // The columns changed: what was shown of the old ones goes.
    void columnsChanged();

  Q_SIGNALS:
    // A calculation started or ended.
    void runningChanged();

  private:
    QWidget* makeProbabilityPage();
    QWidget* makeCheckPage();
    void showProbabilities();

    Shell& shell_;
    const ColumnStore& columns_;
    WinLevelsRunner* runner_ = nullptr;
    TableModel* levels_ = nullptr;
    QTableView* levelsGrid_ = nullptr;
    QChartView* levelsChart_ = nullptr;
    QChartView* pie_ = nullptr;
    QChartView* checkChart_ = nullptr;
    CategoryTable* checkFigures_ = nullptr;
    QLabel* checkSummary_ = nullptr;
};

} // namespace varnelo
