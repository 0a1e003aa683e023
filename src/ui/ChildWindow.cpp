#include "ui/ChildWindow.h"

#include "ui/Shell.h"

#include <QKeyEvent>
#include <QMdiSubWindow>

namespace varnelo {

ChildWindow::ChildWindow(Shell& shell, const QString& name, WindowSlots slots)
    : shell_(shell), slots_(slots) {
    setObjectName(name);
    connect(&shell.events(), &ShellEvents::systemChanged, this, [this] { systemChanged(); });
    connect(&shell.events(), &ShellEvents::systemReplaced, this, [this] {
        if (forgetEdits())
            closeWindow();
    });
}

ProgramState& ChildWindow::state() const {
    return shell_.state();
}

void ChildWindow::closeWindow() {
    if (auto* sub = qobject_cast<QMdiSubWindow*>(parentWidget()))
        sub->close();
    else
        close();
}

void ChildWindow::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape) {
        closeWindow();
        return;
    }
    QWidget::keyPressEvent(event);
}

} // namespace varnelo
