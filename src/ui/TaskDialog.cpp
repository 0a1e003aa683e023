#include "ui/TaskDialog.h"

#include "ui/BackgroundJob.h"
#include "ui/DialogParts.h"
#include "ui/Shell.h"

#include <QDialog>
#include <QEventLoop>
#include <QLabel>
#include <QLocale>
#include <QProgressBar>
#include <QPushButton>
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

void TaskDialog::run(Shell& shell, const QString& title, const QString& label, Progress& progress,
                     const std::function<void()>& task, const QString& stopCaption) {
    ProgressWindow dialog(shell.mainWidget(), progress);
    dialog.setObjectName("Caricamento");
    dialog.setWindowTitle(title);
    dialog.setModal(true);
    auto* text = new QLabel(label, &dialog);
    auto* bar = new QProgressBar(&dialog);
    bar->setObjectName("Progresso");
    bar->setRange(0, 1000);
    auto* count = new QLabel(&dialog);
    count->setObjectName("Conteggio");
    auto* cancel = new QPushButton(stopCaption, &dialog);
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
    fixDialogSize(&dialog);

    BackgroundJob job(shell);
    QObject::connect(&job, &BackgroundJob::tick, &dialog, [&] {
        const auto done = progress.done.load();
        const auto total = progress.total.load();
        if (total > 0)
            bar->setValue(static_cast<int>(std::min<std::int64_t>(1000, done * 1000 / total)));
        count->setText(QLocale().toString(static_cast<qlonglong>(done)));
    });
    // A task that ends before the window shows closes it as soon as it opens.
    QObject::connect(&job, &BackgroundJob::finished, &dialog, &QDialog::accept,
                     Qt::QueuedConnection);
    job.start(task, progress.cancel);
    dialog.exec();
}

} // namespace varnelo
