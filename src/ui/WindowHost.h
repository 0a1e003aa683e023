#pragma once

#include "ui/ChildWindow.h"

#include <QHash>
#include <QPointer>
#include <QString>

#include <typeinfo>
#include <utility>

class QMdiArea;
class QMdiSubWindow;

namespace varnelo {

class Shell;
class WindowPositions;

// The child windows of the frame: one instance of each, placed where it was
// left (or, the first time, clear of the number grid), its place and size
// kept in the window positions when the program ends.
class WindowHost {
  public:
    WindowHost(QMdiArea* area, WindowPositions& positions) : area_(area), positions_(positions) {}

    // The single window of class T, made with (shell, args...) on first use.
    template <typename T, typename... Args> T* instance(Shell& shell, Args&&... args) {
        QPointer<ChildWindow>& w = windows_[QString::fromLatin1(typeid(T).name())];
        if (!w)
            w = new T(shell, std::forward<Args>(args)...);
        return static_cast<T*>(w.data());
    }
    // The window of class T when it exists.
    template <typename T> T* existing() const {
        return static_cast<T*>(windows_.value(QString::fromLatin1(typeid(T).name())).data());
    }

    // Shows the window in the frame and brings it forward.
    QMdiSubWindow* show(ChildWindow* window);
    // New windows open clear of this widget (the number grids).
    void keepClear(QWidget* widget) { keepClear_ = widget; }
    // Stores the place (and size) of every window shown in the frame.
    void rememberPlaces();

  private:
    QPoint firstPlace(QMdiSubWindow* sub) const;

    QMdiArea* area_;
    WindowPositions& positions_;
    QHash<QString, QPointer<ChildWindow>> windows_;
    QPointer<QWidget> keepClear_;
};

} // namespace varnelo
