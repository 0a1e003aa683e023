#pragma once

#include "columns/ui/FilterListDraft.h"
#include "engine/DevelopmentRun.h"
#include "shell/ui/SystemCommands.h"
#include "system/ProgramState.h"
#include "system/ui/GestioneSistemi.h"
#include "ui/Shell.h"
#include "ui/WindowHost.h"

#include <QHash>
#include <QMainWindow>

#include <functional>

class QAction;
class QLabel;
class QMdiArea;
class QMenu;
class QToolBar;

namespace varnelo {

class MdiBackground;
class Pronostico;
class SviluppoS;

// The main window: menus, toolbar and status bar of the current system, and
// the multiple-document area that holds every child window.
class Varnelo : public QMainWindow, public Shell {
    Q_OBJECT
  public:
    explicit Varnelo(ProgramState& state, QWidget* parent = nullptr);
    ~Varnelo() override;

    // Shell
    ProgramState& state() override { return state_; }
    ShellEvents& events() override { return events_; }
    QWidget* mainWidget() override { return this; }
    bool runCommand(const QString& command) override;
    bool hasCommand(const QString& command) const override { return commands_.contains(command); }
    void refresh() override;
    void setBusy(bool busy) override;
    bool isBusy() const override { return busy_; }
    void showChild(ChildWindow* window) override { host_.show(window); }
    bool openFamily(int family) override;
    void developReduced(std::vector<Column> columns, const QString& title) override;

    // The single child window of class T, created on first use and shown.
    template <typename T, typename... Args> T* openChild(Args&&... args) {
        T* w = host_.instance<T>(static_cast<Shell&>(*this), std::forward<Args>(args)...);
        host_.show(w);
        return w;
    }
    template <typename T> T* existingChild() const { return host_.existing<T>(); }

    SystemCommands& systemCommands() { return systemCommands_; }
    // The windows the tests look into, when they exist.
    Pronostico* pronostico() const;
    SviluppoS* developmentWindow() const;

    // The number-entry window: the player's desk, shown at start-up.
    Pronostico* showForecast();
    // "Sviluppa Colonne" (and `SoloCalcolo` with calculateOnly).
    void startDevelopment(bool calculateOnly);
    // "Rielabora Sistema:" after a system was opened.
    void reworkSystem(GestioneSistemi::Rework rework);
    // The pop-up menus' switches of activation slots.
    void switchSlots(const std::vector<int>& slotList, bool on);

  protected:
    void closeEvent(QCloseEvent* event) override;

  private:
    void buildCommands();
    void buildFilterCommands();
    // The companions of "Colonne filtro AND:" work on the list being edited,
    // so they open only while it is.
    template <typename T> void openFilterCompanion() {
        if (filterDraft_.editing())
            openChild<T>(filterDraft_);
    }
    void buildMenus();
    void buildToolbar();
    void buildPopups();
    bool needsColumns(const QString& command) const;
    // The condition window just opened shows the family's first sub-condition.
    void showFamily(int family);
    // Runs `work` in the run window W (the development's or the reduced one's).
    template <typename W>
    void runDevelopment(const QString& caption, std::function<RunResult(RunProgress&)> work);
    void developmentEnded();

    ProgramState& state_;
    ShellEvents events_;
    QMdiArea* mdi_ = nullptr;
    MdiBackground* background_ = nullptr;
    WindowHost host_;
    QLabel* finalCount_ = nullptr;
    QToolBar* toolbar_ = nullptr;
    QHash<QString, std::function<void()>> commands_;
    QList<QAction*> commandActions_;      // menu items and toolbar keys
    QHash<int, QAction*> conditionItems_; // by family
    SystemCommands systemCommands_;
    // The filter list while "Colonne filtro AND:" and its companions edit it.
    FilterListDraft filterDraft_;
    bool busy_ = false;
};

} // namespace varnelo
