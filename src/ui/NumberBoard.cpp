#include "ui/NumberBoard.h"

#include <QHeaderView>
#include <QKeyEvent>

namespace varnelo {

namespace {
constexpr int kCellWidth = 36;
constexpr int kCellHeight = 30;
constexpr int kCells = 50;
} // namespace

QTableWidget* makeNumberBoard(const QString& name, int rows, int cols, QWidget* parent) {
    auto* g = new QTableWidget(rows, cols, parent);
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
    return g;
}

void paintBoardCell(QTableWidgetItem* item, const QColor& background) {
    item->setBackground(background);
    item->setForeground(background == kBoardFree ? QColor(Qt::white) : QColor(Qt::black));
}

MarkBoard::MarkBoard(const QString& name, QWidget* parent)
    : QObject(parent), board_(makeNumberBoard(name, 5, 10, parent)) {
    for (int cell = 1; cell <= kCells; ++cell) {
        board_->item((cell - 1) / 10, (cell - 1) % 10)->setText(QString::number(cell));
        paint(cell);
    }
    board_->setCurrentCell(0, 0);
    connect(board_, &QTableWidget::cellClicked, this,
            [this](int r, int c) { toggle(r * 10 + c + 1); });
    board_->installEventFilter(this);
}

std::vector<int> MarkBoard::marked() const {
    std::vector<int> out;
    for (int cell = 1; cell <= kCells; ++cell)
        if (marks_[static_cast<std::size_t>(cell)])
            out.push_back(cell);
    return out;
}

void MarkBoard::setMarked(const std::vector<int>& cells) {
    marks_.fill(false);
    for (const int cell : cells)
        if (cell >= 1 && cell <= kCells)
            marks_[static_cast<std::size_t>(cell)] = true;
    for (int cell = 1; cell <= kCells; ++cell)
        paint(cell);
    Q_EMIT marksChanged();
}

void MarkBoard::toggle(int cell) {
    marks_[static_cast<std::size_t>(cell)] = !marks_[static_cast<std::size_t>(cell)];
    paint(cell);
    Q_EMIT marksChanged();
}

void MarkBoard::paint(int cell) {
    paintBoardCell(board_->item((cell - 1) / 10, (cell - 1) % 10),
                   marks_[static_cast<std::size_t>(cell)] ? kBoardChosen : kBoardFree);
}

bool MarkBoard::eventFilter(QObject* watched, QEvent* event) {
    if (watched == board_ && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if ((key == Qt::Key_Space || key == Qt::Key_Return || key == Qt::Key_Enter) &&
            board_->currentRow() >= 0) {
            toggle(board_->currentRow() * 10 + board_->currentColumn() + 1);
            return true;
        }
    }
    return QObject::eventFilter(watched, event);
}

} // namespace varnelo
