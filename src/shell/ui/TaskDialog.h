#pragma once

#include "core/Progress.h"

#include <QString>
#include <QWidget>

#include <functional>

namespace varnelo {

class Varnelo;

// Runs a long core task (loading, saving, importing columns) on a worker
// thread while a small modal window shows its progress and offers
// " Annulla Caricamento Colonne ". The main window's menus and toolbar stay
// disabled until the task is over.
class TaskDialog {
  public:
    static void run(Varnelo& main, const QString& title, const QString& label, Progress& progress,
                    const std::function<void()>& task);
};

} // namespace varnelo
