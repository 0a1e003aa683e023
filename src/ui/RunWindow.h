#pragma once

#include "ui/ChildWindow.h"

#include <atomic>
#include <functional>

class QFormLayout;
class QLabel;
class QPushButton;

namespace varnelo {

class BackgroundJob;

// The base of the windows that run one long core routine as a background
// job: the figures of the run above "Tempo:", the end text, and the key that
// is "Stop" while the job runs and "Chiudi" afterwards.
class RunWindow : public ChildWindow {
    Q_OBJECT
  public:
    bool isRunning() const;
    // "Stop" while running; "Chiudi" afterwards.
    void stop();

  Q_SIGNALS:
    // After the end text shows and the key reads "Chiudi".
    void finished();

  protected:
    RunWindow(Shell& shell, const QString& name, WindowSlots slots);

    // A figure in bold, right-aligned, as the rows of the run show them.
    QLabel* addFigure(const QString& label, const char* name);
    // Runs `work` on the worker thread; false while a job runs.
    bool startJob(std::function<void()> work, std::atomic<bool>& cancel);
    void setEndText(const QStringList& lines);

    // On every tick of the job and once more when it returned.
    virtual void showProgress() = 0;
    // Once the job returned: the final figures and the end text.
    virtual void showEnd() = 0;

    // Enter and Escape stop a run, and close the window once it is over.
    void keyPressEvent(QKeyEvent* event) override;

  private:
    void tick();
    void end();

    BackgroundJob* job_ = nullptr;
    qint64 startedMs_ = 0;
    QFormLayout* figures_ = nullptr;
    QLabel* elapsed_ = nullptr;
    QLabel* endText_ = nullptr;
    QPushButton* stop_ = nullptr;
};

} // namespace varnelo
