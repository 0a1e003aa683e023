#include "ui/GridFit.h"

#include <QHeaderView>
#include <QTableView>

namespace varnelo {

void fitGridToCells(QTableView* grid) {
    grid->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    grid->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    const QHeaderView* top = grid->horizontalHeader();
    const QHeaderView* side = grid->verticalHeader();
    const int frame = 2 * grid->frameWidth();
    grid->setFixedSize(top->length() + (side->isHidden() ? 0 : side->sizeHint().width()) + frame,
                       side->length() + (top->isHidden() ? 0 : top->sizeHint().height()) + frame);
}

} // namespace varnelo
