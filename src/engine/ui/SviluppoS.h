#pragma once

#include "engine/DevelopmentRun.h"
#include "engine/RunProgress.h"
#include "ui/RunWindow.h"

#include <functional>

class QLabel;

namespace varnelo {

// The development window: runs the engine as a background job, shows the
// running counts and lets the user stop the run.
class SviluppoS : public RunWindow {
    Q_OBJECT
  public:
    explicit SviluppoS(Shell& shell);

    // Starts a run: `work` calls the engine with the given progress. Returns
    // false while another run is going on.
    bool start(const QString& caption, std::function<RunResult(RunProgress&)> work);
    const RunResult& result() const { return result_; }

  protected:
    // A run window of its own name over the same counts (`SvilupPerRid`).
    SviluppoS(Shell& shell, const QString& name, WindowSlots slots);
    void showProgress() override;
    void showEnd() override;

  private:
    RunProgress progress_;
    RunResult result_;
    QLabel* examined_ = nullptr;
    QLabel* conditioned_ = nullptr;
    QLabel* kept_ = nullptr;
    QLabel* inMemory_ = nullptr;
};

// The development of a reduced system: the conditions run over the rows
// of the applied table instead of every column of the numbers.
class SvilupPerRid : public SviluppoS {
    Q_OBJECT
  public:
    explicit SvilupPerRid(Shell& shell) : SviluppoS(shell, "SvilupPerRid", {}) {}
};

} // namespace varnelo
