#pragma once

#include "engine/DevelopmentRun.h"
#include "engine/RunProgress.h"

#include <QWidget>

#include <functional>

class QLabel;
class QPushButton;
class QThread;
class QTimer;

namespace varnelo {

class Varnelo;

// The development window: runs the engine on a worker thread, shows the
// running counts and lets the user stop the run.
class SviluppoS : public QWidget {
    Q_OBJECT
  public:
    explicit SviluppoS(Varnelo& main);
    ~SviluppoS() override;

    // Starts a run: `work` calls the engine with the given progress. Returns
    // false while another run is going on.
    bool start(const QString& caption, std::function<RunResult(RunProgress&)> work);
    bool isRunning() const { return worker_ != nullptr; }
    void stop();
    const RunResult& result() const { return result_; }

  Q_SIGNALS:
    void finished();

  private:
    void poll();
    void end();

    Varnelo& main_;
    RunProgress progress_;
    RunResult result_;
    QThread* worker_ = nullptr;
    QTimer* timer_ = nullptr;
    qint64 startedMs_ = 0;
    qint64 runMs_ = 0; // the engine's own time, without the window's polling
    QLabel* examined_ = nullptr;
    QLabel* conditioned_ = nullptr;
    QLabel* kept_ = nullptr;
    QLabel* inMemory_ = nullptr;
    QLabel* elapsed_ = nullptr;
    QLabel* outcome_ = nullptr;
    QPushButton* stop_ = nullptr;
};

} // namespace varnelo
