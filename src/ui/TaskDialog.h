#pragma once

#include "core/Progress.h"

#include <QString>

#include <functional>

namespace varnelo {

class Shell;

// Runs a long core task (loading, saving, importing columns) as a
// BackgroundJob while a small modal window shows its progress and offers
// " Annulla Caricamento Colonne " (or the job's own stop caption).
class TaskDialog {
  public:
    static void run(Shell& shell, const QString& title, const QString& label, Progress& progress,
                    const std::function<void()>& task,
                    const QString& stopCaption = " Annulla Caricamento Colonne ");
};

} // namespace varnelo
