#pragma once

#include <QWidget>

namespace varnelo {

class Shell;
struct ProgramState;

// Where a child window keeps its place in enal/quadri.csv: the pair
// (left, top) at `position` and, for windows that remember their size, the
// pair (width, height) at `size`; 0 keeps nothing.
struct WindowSlots {
    int position = 0;
    int size = 0;
};

// The base of every single-instance child window of the frame: created on
// first use, brought forward when opened again, placed where it was left,
// closed through the frame, refreshed when the system changes.
class ChildWindow : public QWidget {
    Q_OBJECT
  public:
    ChildWindow(Shell& shell, const QString& name, WindowSlots slots = {});

    Shell& shell() const { return shell_; }
    ProgramState& state() const;
    WindowSlots windowSlots() const { return slots_; }

    // Closes the window's frame (or the window itself outside the frame).
    void closeWindow();

  protected:
    // Called when the current system changed while the window exists.
    virtual void systemChanged() {}
    // Another system took the place of the current one: an editor drops
    // what it keeps for "Annulla" (it belongs to the old system, and putting
    // it back would write it into the new one) and returns true to close.
    virtual bool forgetEdits() { return false; }
    // Escape closes the window, which in an editor is "Annulla".
    void keyPressEvent(QKeyEvent* event) override;

  private:
    Shell& shell_;
    WindowSlots slots_;
};

} // namespace varnelo
