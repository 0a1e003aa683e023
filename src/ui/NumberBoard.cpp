#include "ui/NumberBoard.h"

#include "core/Numbers.h"
#include "core/Selection.h"

#include <QHeaderView>
#include <QKeyEvent>
#include <QMouseEvent>

namespace varnelo {

namespace {
void shapeBoardGrid(QTableWidget* g, const QString& name, int rows, int cols) {
    g->setRowCount(rows);
    g->setColumnCount(cols);
    g->setObjectName(name);
    g->horizontalHeader()->hide();
    g->verticalHeader()->hide();
    g->horizontalHeader()->setDefaultSectionSize(36);
    g->verticalHeader()->setDefaultSectionSize(30);
    g->setEditTriggers(QAbstractItemView::NoEditTriggers);
    g->setSelectionMode(QAbstractItemView::NoSelection);
    g->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    // Arrows move inside the grid, Tab leaves it.
    g->setTabKeyNavigation(false);
    g->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    g->setFixedSize(cols * 36 + 2, rows * 30 + 2);
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
} // namespace

QTableWidget* makeBoardGrid(const QString& name, int rows, int cols, QWidget* parent) {
    auto* g = new QTableWidget(parent);
    shapeBoardGrid(g, name, rows, cols);
    return g;
}

NumberBoard::NumberBoard(const QString& name, Selection& selection, QWidget* parent)
    : QTableWidget(parent), selection_(selection) {
    shapeBoardGrid(this, name, 5, 10);
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
    QTableWidgetItem* it = item((n - 1) / 10, (n - 1) % 10);
    const Selection::State st = selection_.state(n);
    it->setBackground(st == Selection::Fixed    ? kBoardFixed
                      : st == Selection::Chosen ? kBoardChosen
                                                : kBoardFree);
    it->setForeground(st == Selection::NotChosen ? QColor(Qt::white) : QColor(Qt::black));
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
