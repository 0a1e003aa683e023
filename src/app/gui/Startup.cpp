#include "app/gui/Startup.h"

#include "core/Delays.h"
#include "core/ProgramFolder.h"
#include "core/SettingsFiles.h"
#include "shell/ui/Forum.h"
#include "shell/ui/ToolbarIcons.h"
#include "shell/ui/Varnelo.h"
#include "system/ArchiveTables.h"
#include "system/ProgramState.h"
#include "ui/Avviso.h"

#include <QApplication>
#include <QMessageBox>
#include <QStandardPaths>
#include <QTimer>

#include <memory>
#include <new>

namespace varnelo {

StartupOptions parseStartupOptions(const QStringList& arguments) {
    StartupOptions o;
    for (int i = 1; i < arguments.size(); ++i) {
        const QString& a = arguments[i];
        if (a == "--cartella") {
            if (i + 1 >= arguments.size()) {
                o.error = "Manca la cartella dopo --cartella";
                return o;
            }
            o.folder = arguments[++i];
        } else if (a == "--chiudi-dopo-avvio") {
            o.closeAfterStart = true;
        } else {
            o.error = "Opzione sconosciuta: " + a;
            return o;
        }
    }
    return o;
}

QString defaultGuiProgramFolder() {
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) + "/varnelo";
}

int runVarnelo(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName("varnelo");
    QLocale::setDefault(QLocale(QLocale::Italian, QLocale::Italy));
    QApplication::setWindowIcon(programIcon());

    const StartupOptions options = parseStartupOptions(app.arguments());
    if (!options.error.isEmpty()) {
        QMessageBox::critical(nullptr, "Varnelo", options.error);
        return 2;
    }
    const QString folderName =
        options.folder.isEmpty() ? defaultGuiProgramFolder() : options.folder;
    ProgramFolder folder(folderName.toStdString());
    std::string error;
    if (!folder.ensureSeeded(shippedDataFolder(executableDir()), error)) {
        QMessageBox::critical(nullptr, "Cartella del programma:", QString::fromStdString(error));
        return 1;
    }

    std::unique_ptr<ProgramState> state;
    try {
        state = std::make_unique<ProgramState>(folder);
    } catch (const std::bad_alloc&) {
        QMessageBox::critical(nullptr,
                              "Poca memoria:", "Memoria insufficiente per aprire\nl'applicazione.");
        return 1;
    }

    // The about window stays up while the files load. Settings first, then
    // the figures of the statistics selection; notices wait until the main
    // window is there to carry them.
    auto about = std::make_unique<Forum>();
    about->setModal(false);
    about->show();
    QApplication::processEvents();
    std::vector<Notice> notices = loadStartupFiles(*state);
    Varnelo window(*state);
    window.show();
    about.reset();
    // The player starts at the number-entry window.
    window.showForecast();
    showNotices(notices, &window);
    if (options.closeAfterStart)
        QTimer::singleShot(0, &app, [&app] { app.quit(); });
    return app.exec();
}

} // namespace varnelo
