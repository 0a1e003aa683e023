#pragma once

#include "engine/ui/SviluppoS.h"
#include "shell/ui/Pronostico.h"
#include "shell/ui/SystemCommands.h"
#include "system/ProgramState.h"
#include "system/ui/GestioneSistemi.h"

#include <QHash>
#include <QMainWindow>
#include <QPointer>

#include <functional>

class QAction;
class QLabel;
class QMdiArea;
class QMdiSubWindow;
class QMenu;
class QToolBar;

namespace varnelo {

// The main window: menus, toolbar and status bar of the current system, and
// the multiple-document area that holds every child window.

class Varnelo : public QMainWindow {
    Q_OBJECT
  public:
    explicit Varnelo(ProgramState& state, QWidget* parent = nullptr);

    ProgramState& state() { return state_; }

    // Runs a command by its name, as the menu item or toolbar key does;
    // false when the command is not available.
    bool runCommand(const QString& command);
    bool hasCommand(const QString& command) const { return commands_.contains(command); }

    // Rebuilds captions, status, check marks and the enabled state of the
    // commands from the shared state.
    void refresh();

    // Shows a single-instance child window inside the frame.
    QMdiSubWindow* showChild(QWidget* window);

    Pronostico* pronostico() const { return pronostico_; }
    SystemCommands& systemCommands() { return systemCommands_; }
    SviluppoS* developmentWindow() const { return development_; }

    // "Sviluppa Colonne" (and `SoloCalcolo` with calculateOnly).
    void startDevelopment(bool calculateOnly);
    // "Rielabora Sistema:" after a system was opened.
    void reworkSystem(GestioneSistemi::Rework rework);
    // The pop-up menus' switches of activation slots.
    void switchSlots(const std::vector<int>& slotList, bool on);
    // Shows notices one after the other.
    void showNotices(const std::vector<Notice>& notices);

    // While a long task runs the menus and toolbar stay disabled.
    void setBusy(bool busy);

  Q_SIGNALS:
    void systemChanged();

  protected:
    void closeEvent(QCloseEvent* event) override;

  private:
    void buildCommands();
    void buildMenus();
    void buildToolbar();
    void buildPopups();
    bool needsColumns(const QString& command) const;
    void developmentEnded();
    void rememberPositions();
    SviluppoS* ensureDevelopmentWindow();

    ProgramState& state_;
    QMdiArea* mdi_ = nullptr;
    QLabel* finalCount_ = nullptr;
    QToolBar* toolbar_ = nullptr;
    QHash<QString, std::function<void()>> commands_;
    QList<QAction*> commandActions_; // menu items and toolbar keys
    QHash<int, QAction*> conditionItems_;
    QPointer<Pronostico> pronostico_;
    QHash<QString, QPointer<QWidget>> children_;
    QPointer<SviluppoS> development_;
    SystemCommands systemCommands_;
    bool busy_ = false;
};

} // namespace varnelo
