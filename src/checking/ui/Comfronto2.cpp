#include "checking/ui/Comfronto2.h"

#include "checking/WinLevelsText.h"
#include "checking/ui/WinLevelsRunner.h"
#include "checking/ui/WinLevelsWorkbook.h"
#include "core/AtomicWriter.h"
#include "system/ProgramState.h"
#include "ui/Avviso.h"
#include "ui/DialogParts.h"
#include "ui/PrintPreview.h"
#include "ui/Shell.h"
#include "ui/TableModel.h"
#include "ui/Text.h"

#include <QFileDialog>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QPushButton>
#include <QTableView>
#include <QVBoxLayout>

namespace varnelo {

namespace {

const QColor kLevelRow(0xdc, 0xe6, 0xf1);

QList<TableModel::Row> gridRows(const std::vector<WinLevelsRow>& rows) {
    QList<TableModel::Row> out;
    for (const WinLevelsRow& r : rows) {
        TableModel::Row cells;
        for (std::size_t c = 0; c < r.cells.size(); ++c) {
            TableModel::Cell cell = TableModel::text(qs(r.cells[c]));
            if (c > 0)
                cell.alignment = Qt::AlignRight | Qt::AlignVCenter;
            cells << cell;
        }
        out << cells;
    }
    return out;
}

} // namespace

Comfronto2::Comfronto2(Shell& shell) : ChildWindow(shell, "Comfronto2", {}) {
    setWindowTitle("Distribuzione vincite");
    runner_ = new WinLevelsRunner(shell, this);
    model_ = new TableModel(this);
    QStringList heads;
    for (const std::string& h : winLevelsHeads())
        heads << qs(h);
    model_->setHeaders(heads);
    grid_ = new QTableView(this);
    grid_->setObjectName("MSFlexGrid2");
    grid_->setModel(model_);
    grid_->verticalHeader()->hide();
    grid_->verticalHeader()->setDefaultSectionSize(20);
    grid_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grid_->setSelectionBehavior(QAbstractItemView::SelectRows);
    // The five-or-more count carries its range: that column takes what it needs.
    grid_->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    grid_->horizontalHeader()->setSectionResizeMode(0, QHeaderView::ResizeToContents);
    grid_->horizontalHeader()->setSectionResizeMode(1, QHeaderView::ResizeToContents);
    grid_->horizontalHeader()->setMinimumSectionSize(70);
    grid_->setMinimumSize(600, 300);

    const QStringList captions = {"Avvia Calcolo", "Salva in TXT", "Exporta in Excel",
                                  "Anteprima di Stampa"};
    auto* commands = new QHBoxLayout;
    QList<QPushButton*> buttons;
    for (int i = 0; i < captions.size(); ++i) {
        buttons << namedButton(captions[i], QString("ComandiF(%1)").arg(i), this);
        commands->addWidget(buttons.last());
    }
    connect(buttons[0], &QPushButton::clicked, runner_, &WinLevelsRunner::start);
    connect(buttons[1], &QPushButton::clicked, this, &Comfronto2::saveText);
    connect(buttons[2], &QPushButton::clicked, this, &Comfronto2::exportWorkbook);
    connect(buttons[3], &QPushButton::clicked, this, &Comfronto2::preview);
    connect(runner_, &WinLevelsRunner::finished, this, &Comfronto2::showResult);
    connect(runner_, &WinLevelsRunner::dropped, this, &Comfronto2::showResult);
    connect(&shell.events(), &ShellEvents::busyChanged, this, &Comfronto2::enableCommands);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(grid_, 1);
    layout->addWidget(runner_);
    layout->addLayout(commands);
    enableCommands();
    resize(680, 620);
}

void Comfronto2::systemChanged() {
    runner_->checkSystem();
}

void Comfronto2::showResult() {
    if (!runner_->hasResult()) {
        model_->clear();
        enableCommands();
        return;
    }
    const std::vector<WinLevelsRow> rows = winLevelsRows(runner_->result());
    model_->setRows(gridRows(rows));
    for (std::size_t r = 0; r < rows.size(); ++r)
        if (rows[r].heading())
            model_->setRowBackground(static_cast<int>(r), kLevelRow);
    enableCommands();
}

// The saving commands need a result; none works while a job runs.
void Comfronto2::enableCommands() {
    const bool idle = !shell().isBusy();
    const bool shown = idle && runner_->hasResult();
    for (int i = 0; i < 4; ++i)
        findChild<QPushButton*>(QString("ComandiF(%1)").arg(i))->setEnabled(i == 0 ? idle : shown);
}

QString Comfronto2::suggestedFile(const QString& extension) const {
    return qs(state().folder.root().string()) + "/" + qs(state().systemName) + "-distribuzione" +
           extension;
}

void Comfronto2::saveText() {
    const QString file = QFileDialog::getSaveFileName(this, "Salva in TXT", suggestedFile(".txt"),
                                                      "File testo (*.txt)");
    if (file.isEmpty())
        return;
    std::string error;
    if (!writeFileAtomically(file.toStdString(),
                             winLevelsFile(runner_->result(), runner_->systemLine().toStdString()),
                             error))
        Avviso::ask(Notice{"Salva in TXT", {"File non salvato:", error}}, this);
}

void Comfronto2::exportWorkbook() {
    const QString file = QFileDialog::getSaveFileName(
        this, "Exporta in Excel", suggestedFile(".xlsx"), "File Excel (*.xlsx)");
    if (file.isEmpty())
        return;
    QString error;
    if (!writeWinLevelsWorkbook(file, winLevelsRows(runner_->result()), runner_->systemLine(),
                                error))
        Avviso::ask(Notice{"Exporta in Excel", {"File non salvato:", error.toStdString()}}, this);
}

void Comfronto2::preview() {
    QStringList lines{runner_->systemLine(), ""};
    for (const std::string& l : winLevelsTable(runner_->result()))
        lines << qs(l);
    showPrintPreview(this, "Anteprima di Stampa", textPages("Distribuzione Vincite", lines));
}

} // namespace varnelo
