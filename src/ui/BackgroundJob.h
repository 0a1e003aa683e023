#pragma once

#include <QObject>

#include <atomic>
#include <functional>

class QThread;
class QTimer;

namespace varnelo {

class Shell;

// Runs one long core routine (development, loading, saving, checking,
// statistics) on a worker thread. The routine reports its counts in its own
// progress structure and polls `cancel`; the window reads the counts on every
// tick. While it runs the main window's menus and toolbar are disabled.
// A routine that runs out of memory stops there; the notice shows when the
// job ends, before `finished`.
class BackgroundJob : public QObject {
    Q_OBJECT
  public:
    explicit BackgroundJob(Shell& shell, QObject* parent = nullptr);
    // A job still running is cancelled and waited for.
    ~BackgroundJob() override;

    // False while another run of this job is going on.
    bool start(std::function<void()> work, std::atomic<bool>& cancel);
    bool isRunning() const { return worker_ != nullptr; }
    // Asks the routine to stop; `finished` follows when it has.
    void cancel();
    // A window closed while its job runs: the job is asked to stop and
    // `close` runs once it has ended, after `finished`. False when no job
    // runs: the window may close at once.
    bool closeWhenEnded(std::function<void()> close);
    // Milliseconds the routine itself took, without the window's polling.
    qint64 workMs() const { return workMs_; }

  Q_SIGNALS:
    // Every tenth of a second while the routine runs.
    void tick();
    // Once, after the routine returned and the menus are back.
    void finished();

  private:
    void end();

    Shell& shell_;
    QThread* worker_ = nullptr;
    QTimer* timer_ = nullptr;
    std::atomic<bool>* cancel_ = nullptr;
    std::function<void()> closeWhenEnded_;
    qint64 workMs_ = 0;
    std::atomic<bool> outOfMemory_ = false;
};

} // namespace varnelo
