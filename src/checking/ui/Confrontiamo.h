#pragma once

#include "checking/ArchiveComparison.h"
#include "ui/ChildWindow.h"

class QChartView;
class QLabel;
class QProgressBar;
class QPushButton;
class QTabWidget;

namespace varnelo {

class BackgroundJob;
class CategoryTable;
class TableModel;

// "Confronto Sistema Archivio": the current system checked against every
// draw of the statistics selection. A row per draw, newest first, with its
// best category and the winning bets per category; the totals of all
// draws; and the wins over time as a chart. Runs when the window opens and
// on "Confronta", in the background with progress and Stop.
class Confrontiamo : public ChildWindow {
    Q_OBJECT
  public:
    explicit Confrontiamo(Shell& shell);

    void start();
    bool isRunning() const;
    const ArchiveComparison& result() const { return result_; }
    QSize sizeHint() const override;

  protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

  private:
    void ended();
    void fillTables();

    BackgroundJob* job_ = nullptr;
    Progress progress_;
    ArchiveComparison result_;
    QLabel* summary_ = nullptr;
    QProgressBar* bar_ = nullptr;
    QPushButton* start_ = nullptr;
    QPushButton* stop_ = nullptr;
    CategoryTable* totals_ = nullptr;
    TableModel* draws_ = nullptr;
    QTabWidget* tabs_ = nullptr;
    QChartView* chart_ = nullptr;
};

} // namespace varnelo
