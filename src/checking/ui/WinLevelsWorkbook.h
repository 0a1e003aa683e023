#pragma once

#include "checking/WinLevelsText.h"

#include <QString>

#include <vector>

namespace varnelo {

// "Exporta in Excel": a workbook whose sheet "Distribuzione Vincite" has the
// column heads in row 1 and the table in columns A to G from row 2, counts
// and shares as numbers. Replaces `file` only once it is whole; false with
// an Italian reason otherwise.
bool writeWinLevelsWorkbook(const QString& file, const std::vector<WinLevelsRow>& rows,
                            const QString& systemLine, QString& error);

} // namespace varnelo
