#pragma once

#include "core/Progress.h"
#include "reduced/OrthogonalDevelopment.h"
#include "ui/RunWindow.h"

class QLabel;

namespace varnelo {

// The orthogonal development of the system's numbers: a stored table or the
// walk, as a background job; a finished list whose guarantee holds goes to
// the system's conditions as a reduced table does.
class SviluppoOrtogonale : public RunWindow {
    Q_OBJECT
  public:
    explicit SviluppoOrtogonale(Shell& shell);

    // Develops the chosen numbers with orthogonal option 1..9; false for
    // another option or while a run goes on.
    bool start(int option);
    const OrthogonalRun& run() const { return run_; }

  protected:
    void showProgress() override;
    void showEnd() override;

  private:
    void handOver();

    Progress progress_;
    OrthogonalRun run_;
    int option_ = 0;
    bool takeColumns_ = false;
    QLabel* guarantee_ = nullptr;
    QLabel* numbers_ = nullptr;
    QLabel* code_ = nullptr;
    QLabel* accepted_ = nullptr;
};

} // namespace varnelo
