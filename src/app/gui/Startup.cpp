#include "app/gui/Startup.h"

#include "core/Delays.h"
#include "core/ProgramFolder.h"
#include "core/SettingsFiles.h"
#include "shell/ui/APartenza.h"
#include "shell/ui/Background.h"
#include "shell/ui/Forum.h"
#include "shell/ui/ToolbarIcons.h"
#include "shell/ui/Varnelo.h"
#include "system/ArchiveTables.h"
#include "system/ProgramState.h"
#include "ui/Avviso.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QMessageBox>
#include <QStandardPaths>
#include <QTimer>
#include <QTranslator>

#include <iostream>
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

void writeNotices(const std::vector<Notice>& notices, std::ostream& out) {
    for (const Notice& n : notices) {
        out << n.title << '\n';
        for (const std::string& line : n.lines)
            out << "  " << line << '\n';
    }
}

RunningProgram::RunningProgram() = default;
RunningProgram::RunningProgram(RunningProgram&&) noexcept = default;
RunningProgram& RunningProgram::operator=(RunningProgram&&) noexcept = default;
RunningProgram::~RunningProgram() = default;

std::optional<RunningProgram> startProgram(const StartupOptions& options, int& status) {
    const QString folderName =
        options.folder.isEmpty() ? defaultGuiProgramFolder() : options.folder;
    ProgramFolder folder(folderName.toStdString());
    std::string error;
    if (!folder.ensureSeeded(shippedDataFolder(executableDir()), error)) {
        QMessageBox::critical(nullptr, "Cartella del programma:", QString::fromStdString(error));
        status = 1;
        return std::nullopt;
    }

    RunningProgram program;
    try {
        program.state = std::make_unique<ProgramState>(folder);
    } catch (const std::bad_alloc&) {
        QMessageBox::critical(nullptr,
                              "Poca memoria:", "Memoria insufficiente per aprire\nl'applicazione.");
        status = 1;
        return std::nullopt;
    }

    // The about window stays up while the files load. Settings first, then
    // the figures of the statistics selection; notices wait until the main
    // window is there to carry them.
    // The player's picture, when there is one, stands behind it.
    std::unique_ptr<APartenza> picture;
    if (const QPixmap p = backgroundPicture(folder); !p.isNull()) {
        picture = std::make_unique<APartenza>(p);
        picture->show();
    }
    auto about = std::make_unique<Forum>();
    about->setModal(false);
    about->show();
    QApplication::processEvents();
    const std::vector<Notice> notices = loadStartupFiles(*program.state);
    program.window = std::make_unique<Varnelo>(*program.state);
    program.window->show();
    about.reset();
    picture.reset();
    // The player starts at the number-entry window.
    program.window->showForecast();
    // A run that closes after start-up has nobody to press OK.
    if (options.closeAfterStart)
        writeNotices(notices, std::cerr);
    else
        showNotices(notices, program.window.get());
    status = 0;
    return program;
}

void setUpApplication() {
    QApplication::setApplicationName("varnelo");
    QLocale::setDefault(QLocale(QLocale::Italian, QLocale::Italy));
    QApplication::setWindowIcon(programIcon());
    installQtTranslations();
}

QTranslator* installQtTranslations() {
    auto* translator = new QTranslator(qApp);
    if (!translator->load(QLocale(QLocale::Italian), "qtbase", "_",
                          QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        delete translator;
        return nullptr;
    }
    QCoreApplication::installTranslator(translator);
    return translator;
}

int runVarnelo(int argc, char** argv) {
    QApplication app(argc, argv);
    setUpApplication();

    const StartupOptions options = parseStartupOptions(app.arguments());
    if (!options.error.isEmpty()) {
        QMessageBox::critical(nullptr, "Varnelo", options.error);
        return 2;
    }
    int status = 0;
    std::optional<RunningProgram> program = startProgram(options, status);
    if (!program)
        return status;
    if (options.closeAfterStart)
        QTimer::singleShot(0, &app, [&app] { app.quit(); });
    return app.exec();
}

} // namespace varnelo
