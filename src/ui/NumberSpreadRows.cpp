#include "ui/NumberSpreadRows.h"

namespace varnelo {

namespace {

TableModel::Cell signedDecimal(double value, const QString& suffix = {}) {
    TableModel::Cell cell = TableModel::decimal(value);
    if (cell.text.startsWith('-') && value > -0.005)
        cell.text.remove(0, 1); // "-0,00" reads as a deviation that is not there
    else if (value >= 0.005)
        cell.text.prepend('+');
    cell.text += suffix;
    return cell;
}

} // namespace

QStringList numberSpreadHeaders() {
    return {"Numero", "Presenze", "Colonne %", "Quota %", "Scarto", "Scarto %"};
}

QList<TableModel::Row> numberSpreadRows(const NumberSpread& spread) {
    QList<TableModel::Row> rows;
    for (const NumberShare& n : spread.numbers)
        rows << TableModel::Row{
            TableModel::integer(n.number),      TableModel::integer(n.count),
            TableModel::percent(n.columnShare), TableModel::percent(n.signShare),
            signedDecimal(n.deviation),         signedDecimal(n.deviationShare, "%")};
    return rows;
}

} // namespace varnelo
