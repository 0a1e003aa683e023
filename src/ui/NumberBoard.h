#pragma once

#include <QColor>
#include <QTableWidget>

namespace varnelo {

class Selection;

// Colours of a number on the boards.
inline const QColor kBoardChosen(0xff, 0x60, 0x60); // light red
inline const QColor kBoardFixed(0xff, 0xff, 0x40);  // yellow
inline const QColor kBoardFree(0x10, 0x10, 0x10);   // black

// A fixed-size grid of bold, centred cells, as the number boards use.
QTableWidget* makeBoardGrid(const QString& name, int rows, int cols, QWidget* parent);

// The 5-by-10 board of the numbers 1..49 of a selection: a click chooses or
// drops a number, Ctrl+click or the middle button fixes it, the right button
// drops it; keys S or + choose, F fixes, C, - or Backspace drop.
class NumberBoard : public QTableWidget {
    Q_OBJECT
  public:
    enum Mode { ToggleFixed = 0, Choose = 1, Fix = 2, Drop = 3, ToggleChosen = 5 };

    NumberBoard(const QString& name, Selection& selection, QWidget* parent);

    // Applies an edit mode to a number 1..49 (never to the cell for 50).
    void applyMode(int number, Mode mode);
    // Paints every number again after the selection changed elsewhere.
    void paint();

  Q_SIGNALS:
    void changed();

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

  private:
    void paintNumber(int n);

    Selection& selection_;
};

} // namespace varnelo
