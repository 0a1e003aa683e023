#pragma once

#include "UiTestSupport.h"
#include "shell/ui/Varnelo.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QLocale>
#include <QMenu>
#include <QProcess>
#include <QStandardPaths>
#include <QTimer>

#include <functional>
#include <memory>

// Once per test program: no user's files touched, Italian figures.
inline void prepareWindowTests() {
    QStandardPaths::setTestModeEnabled(true);
    QLocale::setDefault(QLocale(QLocale::Italian, QLocale::Italy));
}

// A fresh program folder with its main window shown: start() in init(),
// stop() in cleanup() of a window test.
struct MainWindowFixture {
    std::unique_ptr<TestProgram> program;
    varnelo::ProgramState* state = nullptr;
    std::unique_ptr<varnelo::Varnelo> main;

    void start() {
        program = std::make_unique<TestProgram>();
        state = program->state.get();
        main = std::make_unique<varnelo::Varnelo>(*state);
        main->show();
    }
    // Nothing left to save: the main window closes without asking.
    void stop() {
        state->modified = false;
        main.reset();
        program.reset();
    }
};

// Runs `act` on the next pop-up menu as soon as it shows; a test queues this
// before the click that opens the menu.
inline void whenPopupShows(std::function<void(QMenu*)> act) {
    QTimer::singleShot(20, [act] {
        if (auto* popup = qobject_cast<QMenu*>(QApplication::activePopupWidget()))
            act(popup);
        else
            whenPopupShows(act);
    });
}

// What `varnelo-cli sviluppa` prints for a system saved in the program's
// folder ("Colonne finali = N"); empty when the run fails.
inline QString cliDevelopment(const TestProgram& program, const QString& system) {
    QProcess cli;
    cli.start(QFileInfo(VARNELO_GUI_PATH).dir().filePath("varnelo-cli"),
              {"sviluppa", "--cartella", program.dir.path(), "--sistema", system});
    if (!cli.waitForFinished(60000) || cli.exitCode() != 0)
        return {};
    return QString::fromUtf8(cli.readAllStandardOutput()).trimmed();
}
