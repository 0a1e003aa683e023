#include "ui/JobProgressBar.h"

#include "ui/BackgroundJob.h"

#include <QProgressBar>

namespace varnelo {

QProgressBar* makeJobProgressBar(const QString& name, BackgroundJob* job, const Progress& progress,
                                 QWidget* parent) {
    auto* bar = new QProgressBar(parent);
    bar->setObjectName(name);
    bar->setRange(0, 1000); // thousandths: smooth even for millions of items
    bar->setValue(0);
    bar->setTextVisible(false);
    QObject::connect(job, &BackgroundJob::tick, bar, [bar, &progress] {
        const auto total = progress.total.load();
        bar->setValue(total > 0 ? static_cast<int>(1000 * progress.done.load() / total) : 0);
    });
    return bar;
}

} // namespace varnelo
