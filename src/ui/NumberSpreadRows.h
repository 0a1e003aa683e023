#pragma once

#include "checking/NumberCounts.h"
#include "ui/TableModel.h"

namespace varnelo {

// The table of how often each number appears in a system's columns, shared
// by every window that shows the signs of a system.
QStringList numberSpreadHeaders();
QList<TableModel::Row> numberSpreadRows(const NumberSpread& spread);

} // namespace varnelo
