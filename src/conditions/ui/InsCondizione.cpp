#include "conditions/ui/InsCondizione.h"

#include "conditions/InsCondizione.h"
#include "conditions/SlotMetric.h"
#include "system/SystemRun.h"
#include "ui/Avviso.h"
#include "ui/Shell.h"
#include "ui/TableModel.h"
#include "ui/Text.h"

#include <QHeaderView>
#include <QLabel>
#include <QSortFilterProxyModel>
#include <QTableView>
#include <QVBoxLayout>

namespace varnelo {

namespace {
// The name a catalogue code has in the condition windows.
QString codeName(int code) {
    for (int slot = 1; slot <= kSlotCount; ++slot)
        if (catalogueCodeOfSlot(slot) == code)
            return qs(slotDisplayName(slot)).trimmed();
    return QString::number(code);
}
} // namespace

InsCondizione::InsCondizione(Shell& shell) : ChildWindow(shell, "InsCondizione", {75, 77}) {
    setWindowTitle("Nati Stanchi:");
    model_ = new TableModel(this);
    model_->setHeaders({"Condizione", "Valore Condizione", "Num. Colonne Sistema",
                        "Usciti Archivio", "Frequenza Archivio", "Ritardo Archivio",
                        "Rit.Max Archivio", "Ciclo Archivio"});
    // The rows come best yield first; a click on a heading sorts by it.
    grid_ = makeStatisticsView(model_, "MSFlexGrid1", -1, this);
    grid_->setMinimumSize(820, 420);
    summary_ = new QLabel(this);
    summary_->setObjectName("LabSistema");
    summary_->setWordWrap(true);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(grid_, 1);
    layout->addWidget(summary_);
}

void InsCondizione::systemChanged() {
    if (isVisible())
        fill();
}

bool InsCondizione::fill() {
    ProgramState& st = state();
    if (const auto refusal = insCondizioneRefusal(!st.columns.hasColumns, st.options.orthogonalOn(),
                                                  st.options.differenceOn())) {
        model_->clear();
        summary_->clear();
        Avviso::ask(*refusal, shell().mainWidget());
        return false;
    }
    const auto context = makeRunContext(st);
    DistributionTable system;
    tallyStoredColumns(st.columns, context->metrics, system);
    std::vector<Column> draws;
    draws.reserve(st.archive.selection.size());
    for (const Draw& d : st.archive.selection)
        draws.push_back(d.numbers);
    QList<TableModel::Row> rows;
    for (const InsRow& r :
         insCondizioneRows(draws, system, st.columns.storedCount, context->metrics))
        rows << TableModel::Row{TableModel::text(codeName(r.code)),   TableModel::integer(r.value),
                                TableModel::integer(r.systemColumns), TableModel::integer(r.out),
                                TableModel::decimal(r.frequency),     TableModel::integer(r.delay),
                                TableModel::integer(r.maxDelay),      TableModel::decimal(r.cycle)};
    model_->setRows(std::move(rows));
    summary_->setText(QString("Colonne del sistema: %1   Estrazioni esaminate: %2. Prima i valori "
                              "che escono in archivio più spesso di quanto il sistema li contenga.")
                          .arg(countText(st.columns.storedCount))
                          .arg(countText(static_cast<qlonglong>(draws.size()))));
    return true;
}

} // namespace varnelo
