#include "shell/ui/TaskDialog.h"

#include "shell/ui/Varnelo.h"

#include <QDialog>
#include <QLabel>
#include <QLocale>
#include <QProgressBar>
#include <QPushButton>
#include <QThread>
#include <QTimer>
#include <QVBoxLayout>

namespace varnelo {

namespace {
// Closing the window or pressing Esc asks the task to stop; the window goes
// away only once the task has ended.
class ProgressWindow : public QDialog {
  public:
    ProgressWindow(QWidget* parent, Progress& progress) : QDialog(parent), progress_(progress) {}
    void reject() override { progress_.cancel = true; }

  private:
    Progress& progress_;
};
} // namespace

void TaskDialog::run(Varnelo& main, const QString& title, const QString& label, Progress& progress,
                     const std::function<void()>& task) {
    ProgressWindow dialog(&main, progress);
    dialog.setObjectName("Caricamento");
    dialog.setWindowTitle(title);
    dialog.setModal(true);
    auto* text = new QLabel(label, &dialog);
    auto* bar = new QProgressBar(&dialog);
    bar->setObjectName("Progresso");
    bar->setRange(0, 1000);
    auto* count = new QLabel(&dialog);
    count->setObjectName("Conteggio");
    auto* cancel = new QPushButton(" Annulla Caricamento Colonne ", &dialog);
    cancel->setObjectName("Annulla");
    QObject::connect(cancel, &QPushButton::clicked, &dialog, [&] {
        progress.cancel = true;
        cancel->setEnabled(false);
    });
    auto* layout = new QVBoxLayout(&dialog);
    layout->addWidget(text);
    layout->addWidget(bar);
    layout->addWidget(count);
    layout->addWidget(cancel, 0, Qt::AlignRight);
    dialog.setMinimumWidth(380);

    main.setBusy(true);
    progress.cancel = false;
    QThread* worker = QThread::create(task);
    // Polling covers a task that ends before the window is even shown.
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, &dialog, [&] {
        const auto done = progress.done.load();
        const auto total = progress.total.load();
        if (total > 0)
            bar->setValue(static_cast<int>(std::min<std::int64_t>(1000, done * 1000 / total)));
        count->setText(QLocale().toString(static_cast<qlonglong>(done)));
        if (worker->isFinished())
            dialog.accept();
    });
    worker->start();
    poll.start(50);
    dialog.exec();
    worker->wait();
    delete worker;
    main.setBusy(false);
}

} // namespace varnelo
