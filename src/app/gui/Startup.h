#pragma once

#include "core/Notice.h"

#include <QString>
#include <QStringList>

#include <iosfwd>
#include <memory>
#include <optional>
#include <vector>

class QTranslator;

namespace varnelo {

struct StartupOptions {
    QString folder; // empty: the per-user default
    bool closeAfterStart = false;
    QString error; // Italian, for a bad command line
};

StartupOptions parseStartupOptions(const QStringList& arguments);

// Start-up notices as text, for a run with --chiudi-dopo-avvio.
void writeNotices(const std::vector<Notice>& notices, std::ostream& out);

// The program folder the windowed program uses when none is given.
QString defaultGuiProgramFolder();

// Name, Italian locale, icon and translations of the application, before any window.
void setUpApplication();

// Qt's own Italian texts, so that file dialogs and standard buttons speak
// Italian too. The translator belongs to the application; nullptr when the
// translations are not installed.
QTranslator* installQtTranslations();

struct ProgramState;
class Varnelo;

// The program once started: its state and its main window.
struct RunningProgram {
    RunningProgram();
    RunningProgram(RunningProgram&&) noexcept;
    RunningProgram& operator=(RunningProgram&&) noexcept;
    ~RunningProgram();
    std::unique_ptr<ProgramState> state;
    std::unique_ptr<Varnelo> window;
};

// Everything the program does before its event loop: the program folder,
// the state, the about window while the files load, the main window and the
// number-entry window. Nothing, with the exit status, when it cannot start.
std::optional<RunningProgram> startProgram(const StartupOptions& options, int& status);

// Starts the windowed program; returns the exit status.
int runVarnelo(int argc, char** argv);

} // namespace varnelo
