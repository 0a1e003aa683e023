#pragma once

#include <QColor>
#include <QTableWidget>

#include <array>
#include <vector>

namespace varnelo {

class Selection;

// The colours of every number board: a chosen (or marked) cell, a fixed
// number, a cell left free.
inline const QColor kBoardChosen(0xff, 0x60, 0x60); // light red
inline const QColor kBoardFixed(0xff, 0xff, 0x40);  // yellow
inline const QColor kBoardFree(0x10, 0x10, 0x10);   // black

// A board of rows x cols square cells with bold centred text, no headers
// and no scroll bars, sized to its cells; arrows move in it, Tab leaves it.
QTableWidget* makeNumberBoard(const QString& name, int rows, int cols, QWidget* parent);
// The same shape given to a grid made elsewhere.
void shapeNumberBoard(QTableWidget* g, const QString& name, int rows, int cols);
// Gives a cell its background and a text colour that reads on it.
void paintBoardCell(QTableWidgetItem* item, const QColor& background);

// The board `MSFCV` on which the player marks the five cells of a column:
// cells 1..50 in 5 rows of 10, a click (or Space / Enter on the current
// cell) marks or unmarks one.
class MarkBoard : public QObject {
    Q_OBJECT
  public:
    MarkBoard(const QString& name, QWidget* parent);

    QTableWidget* widget() const { return board_; }
    std::vector<int> marked() const; // ascending
    void setMarked(const std::vector<int>& cells);

  Q_SIGNALS:
    void marksChanged();

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void toggle(int cell);
    void paint(int cell);

    QTableWidget* board_ = nullptr;
    std::array<bool, 51> marks_{};
};

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
