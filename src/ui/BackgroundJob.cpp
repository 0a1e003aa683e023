#include "ui/BackgroundJob.h"

#include "core/OutOfMemory.h"
#include "ui/Avviso.h"
#include "ui/Shell.h"

#include <QElapsedTimer>
#include <QThread>
#include <QTimer>

#include <new>
#include <utility>

namespace varnelo {

BackgroundJob::BackgroundJob(Shell& shell, QObject* parent) : QObject(parent), shell_(shell) {
    timer_ = new QTimer(this);
    timer_->setInterval(100);
    connect(timer_, &QTimer::timeout, this, [this] {
        Q_EMIT tick();
        if (worker_ && worker_->isFinished())
            end();
    });
}

BackgroundJob::~BackgroundJob() {
    if (worker_) {
        cancel_->store(true);
        worker_->wait();
        delete worker_;
        shell_.setBusy(false);
    }
}

bool BackgroundJob::start(std::function<void()> work, std::atomic<bool>& cancel) {
    if (worker_)
        return false;
    cancel_ = &cancel;
    cancel.store(false);
    workMs_ = 0;
    worker_ = QThread::create([this, work = std::move(work)] {
        QElapsedTimer clock;
        clock.start();
        try {
            work();
        } catch (const std::bad_alloc&) {
            outOfMemory_ = true;
        }
        workMs_ = clock.elapsed();
    });
    // The end shows at once, not at the next tick.
    connect(
        worker_, &QThread::finished, this,
        [this] {
            if (worker_)
                end();
        },
        Qt::QueuedConnection);
    shell_.setBusy(true);
    worker_->start();
    timer_->start();
    return true;
}

void BackgroundJob::cancel() {
    if (worker_)
        cancel_->store(true);
}

bool BackgroundJob::closeWhenEnded(std::function<void()> close) {
    if (!worker_)
        return false;
    closeWhenEnded_ = std::move(close);
    cancel();
    return true;
}

void BackgroundJob::end() {
    timer_->stop();
    worker_->wait();
    delete worker_;
    worker_ = nullptr;
    shell_.setBusy(false);
    Q_EMIT tick();
    if (outOfMemory_.exchange(false))
        Avviso::ask(outOfMemoryNotice(), shell_.mainWidget());
    Q_EMIT finished();
    if (auto close = std::exchange(closeWhenEnded_, {}))
        close();
}

} // namespace varnelo
