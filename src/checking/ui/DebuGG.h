#pragma once

#include "core/DrawLine.h"
#include "ui/ChildWindow.h"

#include <optional>

class QLabel;

namespace varnelo {

class AnalysisPanel;
class ArchiveFrame;

// "Debug della colonna Vincente": a draw of the archive taken as one column
// against every condition of the current system, to see which condition
// would have thrown the winning column away.
class DebuGG : public ChildWindow {
    Q_OBJECT
  public:
    explicit DebuGG(Shell& shell);

    const AnalysisPanel& analysis() const { return *analysis_; }
    ArchiveFrame& archive() const { return *archive_; }

    QSize sizeHint() const override;

  protected:
    void systemChanged() override;
    void showEvent(QShowEvent* event) override;

  private:
    void analyse();

    ArchiveFrame* archive_ = nullptr;
    AnalysisPanel* analysis_ = nullptr;
    std::optional<Draw> draw_;
};

} // namespace varnelo
