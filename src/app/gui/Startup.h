#pragma once

#include "core/Notice.h"

#include <QString>
#include <QStringList>

#include <vector>

namespace varnelo {

struct StartupOptions {
    QString folder; // empty: the per-user default
    bool closeAfterStart = false;
    QString error; // Italian, for a bad command line
};

StartupOptions parseStartupOptions(const QStringList& arguments);

// The program folder the windowed program uses when none is given.
QString defaultGuiProgramFolder();

// Starts the windowed program; returns the exit status.
int runVarnelo(int argc, char** argv);

} // namespace varnelo
