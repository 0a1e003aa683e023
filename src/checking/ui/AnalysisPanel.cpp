#include "checking/ui/AnalysisPanel.h"

#include "system/ProgramState.h"
#include "system/SystemRun.h"
#include "ui/DialogParts.h"
#include "ui/TableModel.h"
#include "ui/Text.h"

#include <algorithm>

#include <QCheckBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableView>
#include <QVBoxLayout>

namespace varnelo {

namespace {

QColor verdictColour(Verdict v) {
    switch (v) {
    case Verdict::NotAdmitted:
        return {0xf4, 0xb4, 0xae};
    case Verdict::Recovery:
        return {0xff, 0xe8, 0x9c};
    case Verdict::Admitted:
        return {0xc8, 0xe8, 0xc4};
    default:
        return {};
    }
}

QString combinationText(const Column& c) {
    QStringList numbers;
    for (const auto n : c)
        numbers << QString::number(n);
    return numbers.join(' ');
}

} // namespace

AnalysisPanel::AnalysisPanel(QWidget* parent) : QWidget(parent) {
    model_ = new TableModel(this);
    model_->setHeaders({"Famiglia", "Condizione", "Valore", "Esito"});
    auto* view = makeStatisticsView(model_, "MSFlCondizion", -1, this);
    view->horizontalHeader()->setStretchLastSection(true);
    summary_ = new QLabel(this);
    summary_->setObjectName("LabAnalisi");
    summary_->setWordWrap(true);
    summary_->setMinimumHeight(summary_->fontMetrics().lineSpacing() * 2 + 4);
    // Most of the conditions of a system are off: their rows only tell the values.
    activeOnly_ = new QCheckBox("Solo le condizioni attive", this);
    activeOnly_->setObjectName("CheckAttive");
    connect(activeOnly_, &QCheckBox::toggled, this, &AnalysisPanel::showRows);
    refresh_ = namedButton("Aggiorna analisi", "SpoglioVai(7)", this);
    print_[0] = namedButton("Stampa Debug", "ComStampaDebug(0)", this);
    print_[1] = namedButton("Stampa Debug Errori", "ComStampaDebug(1)", this);
    for (int i = 0; i < 2; ++i) {
        connect(print_[i], &QPushButton::clicked, this, [this, i] { print(i == 1); });
        print_[i]->setEnabled(false);
    }
    auto* keys = new QHBoxLayout;
    keys->addWidget(refresh_);
    keys->addWidget(activeOnly_);
    keys->addStretch(1);
    keys->addWidget(print_[0]);
    keys->addWidget(print_[1]);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(summary_);
    layout->addWidget(view, 1);
    layout->addLayout(keys);
}

void AnalysisPanel::analyse(const ProgramState& state, const Combination& combination) {
    rows_.clear();
    const std::optional<Column> column = combinationColumn(combination);
    if (!column) {
        summary_->setText("L'analisi delle condizioni vuole cinque numeri da 1 a 49 segnati: "
                          "la combinazione ne ha " +
                          QString::number(combination.markedNumbers().size()) + ".");
    } else {
        const auto context = makeRunContext(state);
        rows_ = analyseColumn(*column, {state.conditions, state.families, state.links, state.levels,
                                        state.delayTables, context->metrics, &state.quadri});
        const auto failed = std::count_if(rows_.begin(), rows_.end(), [](const AnalysisRow& r) {
            return r.verdict == Verdict::NotAdmitted;
        });
        heading_ = "Analisi delle condizioni: " + combinationText(*column) + "   sistema " +
                   qs(state.systemName);
        const std::vector<std::string> rejecting = rejectingConditions(rows_);
        QStringList names;
        for (const std::string& r : rejecting)
            names << qs(r);
        const QString verdict =
            !rejecting.empty() ? "sarebbe scartata da " + names.join(", ") + "."
            : failed == 0      ? QString("passa, nessuna condizione attiva la scarta.")
                          : "passa: le righe non ammesse (in rosso: " + QString::number(failed) +
                                ") restano nei limiti delle Link.";
        summary_->setText("Combinazione " + combinationText(*column) + ": " + verdict);
    }
    showRows();
    for (QPushButton* b : print_)
        b->setEnabled(!rows_.empty());
}

void AnalysisPanel::showRows() {
    QList<TableModel::Row> rows;
    for (const AnalysisRow& r : rows_) {
        if (activeOnly_->isChecked() && r.verdict == Verdict::Inactive)
            continue;
        rows << TableModel::Row{
            TableModel::text(qs(r.family)), TableModel::text(qs(r.name)),
            TableModel::text(qs(r.value)),
            TableModel::text(qs(verdictText(r))).withBackground(verdictColour(r.verdict))};
    }
    model_->setRows(rows);
}

PagePainter AnalysisPanel::debugDocument(bool errorsOnly) const {
    QStringList lines;
    for (const std::string& l : debugLines(rows_, errorsOnly))
        lines << qs(l);
    return textPages(heading_ + (errorsOnly ? "   (errori)" : ""), lines);
}

void AnalysisPanel::print(bool errorsOnly) {
    showPrintPreview(this, errorsOnly ? "Stampa Debug Errori" : "Stampa Debug",
                     debugDocument(errorsOnly));
}

} // namespace varnelo
