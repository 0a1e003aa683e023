#include "ui/NumberBoard.h"

#include "core/Numbers.h"
#include "core/Selection.h"

#include <QHeaderView>
#include <QKeyEvent>
#include <QMouseEvent>

#include <algorithm>

namespace varnelo {

namespace {
constexpr int kCellWidth = 36;
constexpr int kCellHeight = 30;
constexpr int kCells = 50;
} // namespace

QTableWidget* makeNumberBoard(const QString& name, int rows, int cols, QWidget* parent) {
    auto* g = new QTableWidget(parent);
    shapeNumberBoard(g, name, rows, cols);
    return g;
}

void shapeNumberBoard(QTableWidget* g, const QString& name, int rows, int cols) {
    g->setRowCount(rows);
    g->setColumnCount(cols);
    g->setObjectName(name);
    g->horizontalHeader()->hide();
    g->verticalHeader()->hide();
    g->horizontalHeader()->setDefaultSectionSize(kCellWidth);
    g->verticalHeader()->setDefaultSectionSize(kCellHeight);
    g->setEditTriggers(QAbstractItemView::NoEditTriggers);
    g->setSelectionMode(QAbstractItemView::NoSelection);
    g->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    g->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    // Arrows move inside the grid, Tab leaves it.
    g->setTabKeyNavigation(false);
    g->setFixedSize(cols * kCellWidth + 2, rows * kCellHeight + 2);
    QFont f = g->font();
    f.setBold(true);
    f.setPointSize(f.pointSize() + 1);
    g->setFont(f);
    for (int r = 0; r < rows; ++r)
        for (int c = 0; c < cols; ++c) {
            auto* item = new QTableWidgetItem;
            item->setTextAlignment(Qt::AlignCenter);
            g->setItem(r, c, item);
        }
}

void paintBoardCell(QTableWidgetItem* item, const QColor& background) {
    item->setBackground(background);
    item->setForeground(background == kBoardFree ? QColor(Qt::white) : QColor(Qt::black));
}

MarkBoard::MarkBoard(const QString& name, QWidget* parent, int rows, int columns)
    : QObject(parent), board_(makeNumberBoard(name, rows, columns, parent)),
      cells_(std::min(rows * columns, kCells)) {
    for (int cell = 1; cell <= cells_; ++cell) {
        board_->item((cell - 1) / columns, (cell - 1) % columns)->setText(QString::number(cell));
        paint(cell);
    }
    board_->setCurrentCell(0, 0);
    connect(board_, &QTableWidget::cellClicked, this,
            [this, columns](int r, int c) { toggle(r * columns + c + 1); });
    board_->installEventFilter(this);
}

std::vector<int> MarkBoard::marked() const {
    std::vector<int> out;
    for (int cell = 1; cell <= cells_; ++cell)
        if (marks_[static_cast<std::size_t>(cell)])
            out.push_back(cell);
    return out;
}

void MarkBoard::setMarked(const std::vector<int>& cells) {
    setFlags(marks_, cells);
    Q_EMIT marksChanged();
}

void MarkBoard::setMarkColour(const QColor& colour) {
    markColour_ = colour;
    paintAll();
}

void MarkBoard::setHighlighted(const std::vector<int>& cells) {
    setFlags(highlighted_, cells);
}

void MarkBoard::setFlags(std::array<bool, 51>& flags, const std::vector<int>& cells) {
    flags.fill(false);
    for (const int cell : cells)
        if (cell >= 1 && cell <= cells_)
            flags[static_cast<std::size_t>(cell)] = true;
    paintAll();
}

void MarkBoard::paintAll() {
    for (int cell = 1; cell <= cells_; ++cell)
        paint(cell);
}

void MarkBoard::toggle(int cell) {
    marks_[static_cast<std::size_t>(cell)] = !marks_[static_cast<std::size_t>(cell)];
    paint(cell);
    Q_EMIT marksChanged();
}

void MarkBoard::paint(int cell) {
    const auto at = static_cast<std::size_t>(cell);
    const int columns = board_->columnCount();
    paintBoardCell(board_->item((cell - 1) / columns, (cell - 1) % columns),
                   marks_[at]         ? markColour_
                   : highlighted_[at] ? kBoardInSystem
                                      : kBoardFree);
}

bool MarkBoard::eventFilter(QObject* watched, QEvent* event) {
    if (watched == board_ && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if ((key == Qt::Key_Space || key == Qt::Key_Return || key == Qt::Key_Enter) &&
            board_->currentRow() >= 0) {
            toggle(board_->currentRow() * board_->columnCount() + board_->currentColumn() + 1);
            return true;
        }
    }
    return QObject::eventFilter(watched, event);
}

NumberBoard::NumberBoard(const QString& name, Selection& selection, QWidget* parent)
    : QTableWidget(parent), selection_(selection) {
    shapeNumberBoard(this, name, 5, 10);
    for (int n = 1; n <= 50; ++n) {
        QTableWidgetItem* item = this->item((n - 1) / 10, (n - 1) % 10);
        if (n == 50) {
            // Not a lottery number: the cell stays empty and inert.
            item->setFlags(Qt::NoItemFlags);
            item->setBackground(palette().window());
            continue;
        }
        item->setText(QString::number(n));
    }
    viewport()->installEventFilter(this);
    setCurrentCell(0, 0);
    paint();
}

void NumberBoard::applyMode(int number, Mode mode) {
    if (number < 1 || number > kMaxNumber || !isEnabled())
        return;
    const Selection::State old = selection_.state(number);
    Selection::State next = old;
    switch (mode) {
    case Choose:
        next = Selection::Chosen;
        break;
    case ToggleChosen:
        next = old == Selection::NotChosen ? Selection::Chosen : Selection::NotChosen;
        break;
    case ToggleFixed:
        next = old != Selection::NotChosen || selection_.fixedCount() >= kMaxFixed
                   ? Selection::NotChosen
                   : Selection::Fixed;
        break;
    case Fix:
        if (selection_.fixedCount() < kMaxFixed)
            next = Selection::Fixed;
        break;
    case Drop:
        next = Selection::NotChosen;
        break;
    }
    if (next == old || !selection_.setState(number, next))
        return;
    paintNumber(number);
    Q_EMIT changed();
}

void NumberBoard::paint() {
    for (int n = 1; n <= kMaxNumber; ++n)
        paintNumber(n);
}

void NumberBoard::paintNumber(int n) {
    const Selection::State st = selection_.state(n);
    paintBoardCell(item((n - 1) / 10, (n - 1) % 10), st == Selection::Fixed    ? kBoardFixed
                                                     : st == Selection::Chosen ? kBoardChosen
                                                                               : kBoardFree);
}

// Left click toggles chosen, Ctrl+left or the middle button toggles fixed,
// the right button always drops the number.
bool NumberBoard::eventFilter(QObject* watched, QEvent* event) {
    if (watched != viewport() || event->type() != QEvent::MouseButtonPress)
        return QTableWidget::eventFilter(watched, event);
    auto* me = static_cast<QMouseEvent*>(event);
    const QModelIndex at = indexAt(me->position().toPoint());
    if (!at.isValid())
        return true;
    const int n = at.row() * 10 + at.column() + 1;
    setFocus(Qt::MouseFocusReason);
    setCurrentCell(at.row(), at.column());
    if (me->button() == Qt::RightButton)
        applyMode(n, Drop);
    else if (me->button() == Qt::MiddleButton || (me->modifiers() & Qt::ControlModifier))
        applyMode(n, ToggleFixed);
    else
        applyMode(n, ToggleChosen);
    return true;
}

void NumberBoard::keyPressEvent(QKeyEvent* ke) {
    const int n = currentRow() * 10 + currentColumn() + 1;
    const QString t = ke->text();
    if (ke->key() == Qt::Key_Backspace || t == "-" || t.compare("c", Qt::CaseInsensitive) == 0)
        applyMode(n, Drop);
    else if (ke->key() == Qt::Key_Space || t == "+" || t.compare("s", Qt::CaseInsensitive) == 0)
        applyMode(n, Choose);
    else if (t.compare("f", Qt::CaseInsensitive) == 0)
        applyMode(n, Fix);
    else
        QTableWidget::keyPressEvent(ke);
}

} // namespace varnelo
