#pragma once

#include "checking/SavedSystems.h"
#include "checking/SystemCheck.h"
#include "ui/ChildWindow.h"

#include <QHash>

#include <functional>

class QChartView;
class QCheckBox;
class QLabel;
class QPushButton;
class QTabWidget;
class QTableView;

namespace varnelo {

class AnalysisPanel;
class ArchiveFrame;
class CategoryTable;
class BackgroundJob;
class MarkBoard;
class WinsModel;

// "Spoglio:": what the columns of the system would have won on one drawn
// combination, marked by hand, taken from the archive or drawn at random;
// the same combination against every saved system; the condition analysis
// of the combination. The commands are the array `SpoglioVai`.
class spoglio : public ChildWindow {
    Q_OBJECT
  public:
    explicit spoglio(Shell& shell);

    // `SpoglioVai`(index): 0 clear, 1 check the system, 2 stop, 3 close,
    // 4 check the saved systems, 7 refresh the analysis, 8 random combination.
    void command(int index);
    bool isRunning() const;
    Combination combination() const;
    void setCombination(const Combination& c);
    const WinsModel& wins() const { return *wins_; }
    const AnalysisPanel& analysis() const { return *analysis_; }

    QSize sizeHint() const override;

  protected:
    void systemChanged() override;
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

  private:
    QWidget* makeBoards();
    QWidget* makeCommands();
    void checkSystem();
    void checkSavedSystems();
    void refreshAnalysis();
    void fitWinsColumns();
    // Runs `work` as a background job when it may take a while, else at once.
    void run(bool inBackground, std::function<void()> work, std::function<void()> shown);
    void updateCommands();
    void ended();
    void showProgress();
    // The chart and its figures: columns and bets per category.
    void showWins(const WinTally& t, const QString& title);

    MarkBoard* numbers_ = nullptr;
    MarkBoard* numeroni_ = nullptr;
    ArchiveFrame* archive_ = nullptr;
    QTabWidget* tabs_ = nullptr;
    WinsModel* wins_ = nullptr;
    QTableView* winsView_ = nullptr;
    QChartView* chart_ = nullptr;
    CategoryTable* figures_ = nullptr;
    AnalysisPanel* analysis_ = nullptr;
    QCheckBox* analyseAfter_ = nullptr;
    QLabel* summary_ = nullptr;
    QHash<int, QPushButton*> commands_;
    BackgroundJob* job_ = nullptr;
    Progress progress_;
    std::function<void()> shown_; // shows what the job left
    SystemCheck systemCheck_;
    SavedSystemsCheck savedCheck_;
};

} // namespace varnelo
