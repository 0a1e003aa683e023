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
inline const QColor kBoardInSystem(159, 159, 159);  // a number of the current system

// A board of rows x cols square cells with bold centred text, no headers
// and no scroll bars, sized to its cells; arrows move in it, Tab leaves it.
QTableWidget* makeNumberBoard(const QString& name, int rows, int cols, QWidget* parent);
// The same shape given to a grid made elsewhere.
void shapeNumberBoard(QTableWidget* g, const QString& name, int rows, int cols);
// Gives a cell its background and a text colour that reads on it.
void paintBoardCell(QTableWidgetItem* item, const QColor& background);

// A board on which the player marks cells: `MSFCV` marks the five cells of
// a column among 1..50 in 5 rows of 10, `MSFlEuroNum` the Numeroni 1..10 in
// one row. A click (or Space / Enter on the current cell) marks or unmarks one.
class MarkBoard : public QObject {
    Q_OBJECT
  public:
    MarkBoard(const QString& name, QWidget* parent, int rows = 5, int columns = 10);

    QTableWidget* widget() const { return board_; }
    std::vector<int> marked() const; // ascending
    void setMarked(const std::vector<int>& cells);
    // The colour of a marked cell (light red unless told).
    void setMarkColour(const QColor& colour);
    // Unmarked cells drawn apart from the others (the numbers of the system).
    void setHighlighted(const std::vector<int>& cells);

  Q_SIGNALS:
    void marksChanged();

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void toggle(int cell);
    void setFlags(std::array<bool, 51>& flags, const std::vector<int>& cells);
    void paint(int cell);
    void paintAll();

    QTableWidget* board_ = nullptr;
    int cells_ = 0;
    std::array<bool, 51> marks_{};
    std::array<bool, 51> highlighted_{};
    QColor markColour_ = kBoardChosen;
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
