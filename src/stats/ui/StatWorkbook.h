#pragma once

#include "stats/StatTable.h"

#include <QString>

#include <vector>

namespace varnelo {

// "Exporta in Excel" of the statistics windows: one sheet per table, its
// heads in row 1, its rows from row 2, figures as numbers.
bool writeStatWorkbook(const QString& file, const QString& title,
                       const std::vector<StatTable>& tables, QString& error);

// A sheet name Excel accepts: at most 31 characters, none of []:*?/\ .
QString sheetName(const std::string& title);

} // namespace varnelo
