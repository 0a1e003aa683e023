#pragma once

#include "core/Numbers.h"

#include <QObject>
#include <QString>

#include <vector>

class QWidget;

namespace varnelo {

struct ProgramState;
class ChildWindow;

// What the main window tells every window.
class ShellEvents : public QObject {
    Q_OBJECT
  Q_SIGNALS:
    // The current system, its columns or the archive changed.
    void systemChanged();
    // Another system took the place of the current one ("Nuovo", "Apri").
    void systemReplaced();
    // A long job started or ended: windows that start jobs disable their commands.
    void busyChanged(bool busy);
};

// What a window may ask of the main window. Windows never include the main
// window class: they get this interface and the program state.
class Shell {
  public:
    virtual ~Shell() = default;

    virtual ProgramState& state() = 0;
    virtual ShellEvents& events() = 0;
    // The parent of dialogs and notices.
    virtual QWidget* mainWidget() = 0;

    // Runs a command by its name, as the menu item or toolbar key does;
    // false when the command is not available now.
    virtual bool runCommand(const QString& command) = 0;
    virtual bool hasCommand(const QString& command) const = 0;

    // Rebuilds captions, status and enabled commands after a change of the state.
    virtual void refresh() = 0;

    // While a long job runs the menus and toolbar stay disabled.
    virtual void setBusy(bool busy) = 0;
    virtual bool isBusy() const = 0;

    // Opens the editor of a condition family (index of the family table)
    // showing its first sub-condition; false when it has none yet.
    virtual bool openFamily(int family) = 0;

    // Runs the conditions over the columns of a table applied to the system's
    // numbers, in table order, in the window `SvilupPerRid`; what passes
    // becomes the system's columns and `title` its description.
    virtual void developReduced(std::vector<Column> columns, const QString& title) = 0;

    // Shows a child window inside the frame (placed, remembered, brought forward).
    virtual void showChild(ChildWindow* window) = 0;
};

} // namespace varnelo
