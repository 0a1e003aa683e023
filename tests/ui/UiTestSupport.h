#pragma once

#include "app/gui/Startup.h"
#include "system/ArchiveTables.h"
#include "system/ProgramState.h"

#include <QTemporaryDir>
#include <QtTest>

#include <memory>

#include <QDir>
#include <QPixmap>
#include <QWidget>

// Saves a picture of a window when VARNELO_SCREENSHOTS names a folder, so that
// every window can be looked at after a test run.
inline void saveScreenshot(QWidget* w, const QString& name) {
    const QString dir = qEnvironmentVariable("VARNELO_SCREENSHOTS");
    if (dir.isEmpty())
        return;
    QDir().mkpath(dir);
    w->grab().save(dir + "/" + name + ".png");
}

#include <QAbstractButton>
#include <QApplication>
#include <QTimer>

#include <functional>

// Answers the next modal window (the next one that `accepts`, when given)
// by running `act` on it as soon as it shows; a test queues this before the
// action that opens the window.
inline void whenModalShows(std::function<void(QWidget*)> act,
                           std::function<bool(QWidget*)> accepts = {}, int triesLeft = 500) {
    QTimer::singleShot(10, [act, accepts, triesLeft] {
        QWidget* w = QApplication::activeModalWidget();
        if (w && (!accepts || accepts(w))) {
            act(w);
            return;
        }
        if (triesLeft > 0)
            whenModalShows(act, accepts, triesLeft - 1);
    });
}

// Clicks the button with this objectName in the next modal window, and
// records the window's title.
inline void clickInNextModal(const QString& button, QString* title = nullptr) {
    whenModalShows([button, title](QWidget* w) {
        if (title)
            *title = w->windowTitle();
        if (auto* b = w->findChild<QAbstractButton*>(button))
            b->click();
    });
}

#include <QDialog>
#include <QFileDialog>
#include <QLineEdit>

// Answers the next file dialog with `file`.
inline void answerFileDialog(const QString& file) {
    whenModalShows(
        [file](QWidget* w) {
            // Typed as a player would: the dialog may still be putting its
            // suggested name in place while it reads the folder.
            w->findChild<QLineEdit*>("fileNameEdit")->setText(file);
            static_cast<QDialog*>(w)->accept();
        },
        [](QWidget* w) { return qobject_cast<QFileDialog*>(w) != nullptr; });
}

#include <QTableWidget>

// Clicks cell n (1..50, ten to a row) of the number board `name` below `root`.
inline void clickBoardCell(QWidget* root, const char* name, int n,
                           Qt::MouseButton button = Qt::LeftButton,
                           Qt::KeyboardModifiers modifiers = {}) {
    auto* g = root->findChild<QTableWidget*>(name);
    QVERIFY2(g, name);
    QTest::mouseClick(g->viewport(), button, modifiers,
                      g->visualItemRect(g->item((n - 1) / 10, (n - 1) % 10)).center());
}

// Clicks the cell of a number (1..49) in the number grid `MSFlexGrid3`, or of
// a Numerone (1..10) in `MSFlEuroNumP`, found below `root`.
inline void clickNumber(QWidget* root, int n, Qt::MouseButton button = Qt::LeftButton,
                        Qt::KeyboardModifiers modifiers = {}) {
    clickBoardCell(root, "MSFlexGrid3", n, button, modifiers);
}
inline void clickNumerone(QWidget* root, int n) {
    auto* g = root->findChild<QTableWidget*>("MSFlEuroNumP");
    QVERIFY(g);
    QTest::mouseClick(g->viewport(), Qt::LeftButton, {},
                      g->visualItemRect(g->item(0, n - 1)).center());
}

// A fresh program folder seeded with the shipped data, and its state read as
// the program reads it at start-up.
struct TestProgram {
    QTemporaryDir dir;
    std::unique_ptr<varnelo::ProgramState> state;

    TestProgram() {
        varnelo::ProgramFolder folder(dir.path().toStdString());
        std::string error;
        if (!folder.ensureSeeded(VARNELO_SOURCE_DATA_DIR, error))
            qFatal("%s", error.c_str());
        state = std::make_unique<varnelo::ProgramState>(folder);
        varnelo::loadStartupFiles(*state);
    }
    QString path(const QString& relative) const { return dir.path() + "/" + relative; }
};

#include "shell/ui/Varnelo.h"

// Gives the current system these columns, as a development leaves them.
inline void fillColumns(varnelo::ProgramState& s, const std::vector<varnelo::Column>& columns) {
    s.columns.clear();
    std::int32_t i = 0;
    for (const varnelo::Column& c : columns)
        s.columns.store(++i, c);
    s.columns.storedCount = s.columns.systemTotal = s.columns.finalCount = i;
    s.columns.hasColumns = i > 0;
}

#include <QFileInfo>
#include <QLabel>
#include <QLocale>
#include <QProcess>
#include <QStandardPaths>

// What every window test sets once: no user files, Italian numbers.
inline void prepareWindowTests() {
    QStandardPaths::setTestModeEnabled(true);
    QLocale::setDefault(QLocale(QLocale::Italian, QLocale::Italy));
}

// A fresh program folder with its main window shown, for one test function.
struct MainWindowUnderTest {
    TestProgram program;
    varnelo::Varnelo main{*program.state};

    MainWindowUnderTest() { main.show(); }
    // Closing asks nothing about the system the test left changed.
    ~MainWindowUnderTest() { program.state->modified = false; }

    // The status label "Colonne finali = ...".
    QString status() const { return main.findChild<QLabel*>("ColonneFinali")->text(); }
    // What `varnelo-cli sviluppa` says for a system saved in the folder.
    QString commandLineStatus(const QString& system) const {
        QProcess cli;
        cli.start(QFileInfo(VARNELO_GUI_PATH).dir().filePath("varnelo-cli"),
                  {"sviluppa", "--cartella", program.dir.path(), "--sistema", system});
        if (!cli.waitForFinished(60000) || cli.exitCode() != 0)
            return "varnelo-cli: " + QString::fromUtf8(cli.readAllStandardError());
        return QString::fromUtf8(cli.readAllStandardOutput()).trimmed();
    }
};

#include <QContextMenuEvent>
#include <QMenu>

// Runs `act` on the next pop-up menu as soon as it shows.
inline void whenPopupShows(std::function<void(QMenu*)> act, int triesLeft = 250) {
    QTimer::singleShot(20, [act, triesLeft] {
        if (auto* popup = qobject_cast<QMenu*>(QApplication::activePopupWidget())) {
            act(popup);
            return;
        }
        if (triesLeft > 0)
            whenPopupShows(act, triesLeft - 1);
    });
}

// Opens the context menu of `w` as a right click does, keeps the texts of
// its items and triggers the item at `pick`.
inline void pickFromContextMenu(QWidget* w, int pick, QStringList& texts) {
    whenPopupShows([&texts, pick](QMenu* popup) {
        for (QAction* a : popup->actions())
            texts << a->text();
        popup->actions()[pick]->trigger();
        popup->close();
    });
    QContextMenuEvent event(QContextMenuEvent::Mouse, QPoint(5, 5), w->mapToGlobal(QPoint(5, 5)));
    QApplication::sendEvent(w, &event);
}

#include "engine/ui/SviluppoS.h"
#include "shell/ui/Pronostico.h"

#include <QPushButton>

// Develops the numbers at the number-entry window as a player does: the
// numbers, the Numeroni, "Sviluppo", and the run waited for.
inline void developAtPronostico(varnelo::Varnelo& main, const std::vector<int>& numbers,
                                std::initializer_list<int> numeroni) {
    for (int n : numbers)
        clickNumber(main.pronostico(), n);
    for (int e : numeroni)
        clickNumerone(main.pronostico(), e);
    main.pronostico()->findChild<QPushButton*>("CalcSviluppo(0)")->click();
    QTRY_VERIFY_WITH_TIMEOUT(main.developmentWindow() && !main.developmentWindow()->isRunning(),
                             60000);
}
