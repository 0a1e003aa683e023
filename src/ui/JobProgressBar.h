#pragma once

#include "core/Progress.h"

class QProgressBar;
class QString;
class QWidget;

namespace varnelo {

class BackgroundJob;

// A bar, without text, that follows `progress` on every tick of `job`.
QProgressBar* makeJobProgressBar(const QString& name, BackgroundJob* job, const Progress& progress,
                                 QWidget* parent);

} // namespace varnelo
