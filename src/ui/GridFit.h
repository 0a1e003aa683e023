#pragma once

class QTableView;

namespace varnelo {

// A small grid shown whole (a number board, a few rows of bounds): no
// scroll bars, its size fixed to its headers and cells as they are now.
void fitGridToCells(QTableView* grid);

} // namespace varnelo
