#include "shell/ui/Pronostico.h"

#include "core/TextColumns.h"
#include "shell/ui/MusicPanel.h"
#include "stats/NumberStatistics.h"
#include "system/ProgramState.h"
#include "ui/NumberBoard.h"
#include "ui/Shell.h"
#include "ui/TableModel.h"
#include "ui/Text.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QSortFilterProxyModel>
#include <QTableView>
#include <QTableWidget>
#include <QVBoxLayout>

namespace varnelo {

Pronostico::Pronostico(Shell& shell) : ChildWindow(shell, "Pronostico", {1, 0}) {
    QGroupBox* grids = makeGridFrame();
    QGroupBox* commands = makeCommandFrame();
    QGroupBox* statistics = makeStatisticsFrame();

    lock_ = new QPushButton("Blocca", this);
    lock_->setObjectName("ComRossoNero");
    connect(lock_, &QPushButton::clicked, this, [this] { setLocked(!isLocked()); });

    rework_ = new QLabel(qs(kReworkForecastText), this);
    rework_->setObjectName("LabRielabora");
    rework_->setStyleSheet("color: #b00000; font-weight: bold;");
    rework_->setWordWrap(true);

    music_ = new MusicPanel(state().folder, this);
    music_->hide();

    auto* side = new QVBoxLayout;
    side->addWidget(lock_);
    side->addWidget(rework_);
    side->addWidget(commands);
    side->addWidget(music_);
    side->addStretch();

    auto* left = new QVBoxLayout;
    left->addWidget(grids);
    left->addLayout(side);
    auto* layout = new QHBoxLayout(this);
    // The grids have fixed sizes: the window may never squeeze them together.
    layout->setSizeConstraint(QLayout::SetMinimumSize);
    layout->addLayout(left);
    layout->addWidget(statistics, 1);
    // Tab goes from the grids to the lock and the commands, in reading order.
    setTabOrder(numbers_, numeroni_);
    setTabOrder(numeroni_, lock_);
    QWidget* previous = lock_;
    for (QPushButton* b : commands_) {
        setTabOrder(previous, b);
        previous = b;
    }
    setTabOrder(previous, statistics_);
    refresh();
}

QGroupBox* Pronostico::makeGridFrame() {
    gridFrame_ = new QGroupBox("Pronostico:", this);
    gridFrame_->setObjectName("FramePronostico");
    auto* range = new QLabel(" Da  1  a  49", gridFrame_);
    numbers_ = new NumberBoard("MSFlexGrid3", state().selection, gridFrame_);
    connect(numbers_, &NumberBoard::changed, this, [this] {
        state().modified = true;
        updateCounts();
    });

    auto* euroLabel = new QLabel("EuroNum", gridFrame_);
    numeroni_ = makeNumberBoard("MSFlEuroNumP", 1, 10, gridFrame_);
    for (int c = 0; c < 10; ++c)
        numeroni_->item(0, c)->setText(QString::number(c + 1));
    connect(numeroni_, &QTableWidget::cellClicked, this,
            [this](int, int c) { toggleNumerone(c + 1); });
    numeroni_->installEventFilter(this);
    numeroni_->setCurrentCell(0, 0);

    counts_ = new QLabel(gridFrame_);
    counts_->setObjectName("LabConteggi");
    auto* hint = new QLabel("Clic: sceglie o toglie   Clic destro: toglie\n"
                            "Ctrl+clic: fissa (su un numero scelto o fisso: lo toglie)\n"
                            "Tastiera: S o + sceglie, F fissa, C o - toglie;\n"
                            "Numeroni: Spazio o Invio sceglie o toglie",
                            gridFrame_);
    hint->setObjectName("LabSuggerimento");

    auto* layout = new QVBoxLayout(gridFrame_);
    layout->addWidget(range);
    layout->addWidget(numbers_);
    layout->addSpacing(6);
    layout->addWidget(euroLabel);
    layout->addWidget(numeroni_);
    layout->addWidget(counts_);
    layout->addWidget(hint);
    return gridFrame_;
}

QGroupBox* Pronostico::makeCommandFrame() {
    auto* frame = new QGroupBox("Comandi:", this);
    auto* grid = new QGridLayout(frame);
    const struct {
        int index;
        const char* caption;
        const char* command;
    } defs[] = {
        {0, "Sviluppa Colonne", "SviluppaColonne"},
        {4, "Imposta sistema", "Sviluppatore"},
        {3, "Apri sistema", "GestioneSistemi"},
        {1, "Ridotto Personale", "GestRidottiP"},
        {5, "Ridotti Immediati", "GestRidotti"},
        {16, "  Impostazione di ricerca dell'archivio  ", "Ricerca"},
        {9, "Condizioni sul sistema", "video"},
        {8, "Pronostico statistico", "StatComputer"},
        {7, "Cruciverba", "Cruciverba"},
        {12, "Cadenze", "Cadenze"},
    };
    int at = 0;
    for (const auto& d : defs) {
        grid->addWidget(commandButton(d.index, d.caption, d.command), at / 2, at % 2);
        ++at;
    }
    return frame;
}

QGroupBox* Pronostico::makeStatisticsFrame() {
    auto* frame = new QGroupBox("  Statistiche sull'archivio  ", this);
    statisticsModel_ = new TableModel(this);
    statisticsModel_->setHeaders({"Val", "Usciti", "Frequenza", "Ritardo", "Rit.Max", "Ciclo"});
    // A click on a heading sorts by that figure, on its value, not its text.
    statistics_ = new QTableView(frame);
    statistics_->setObjectName("MSFrequenza");
    statistics_->setModel(makeSortProxy(statisticsModel_, this));
    statistics_->setSortingEnabled(true);
    statistics_->sortByColumn(0, Qt::AscendingOrder);
    statistics_->verticalHeader()->hide();
    statistics_->verticalHeader()->setDefaultSectionSize(20);
    statistics_->horizontalHeader()->setDefaultSectionSize(72);
    statistics_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    statistics_->setSelectionBehavior(QAbstractItemView::SelectRows);
    statistics_->setMinimumWidth(6 * 72 + 24);
    auto* layout = new QVBoxLayout(frame);
    layout->addWidget(statistics_);
    return frame;
}

void Pronostico::showMusic() {
    music_->reload();
    music_->show();
    if (auto* frame = parentWidget(); frame && isVisible())
        frame->resize(frame->size().expandedTo(frame->minimumSizeHint()));
}

QWidget* Pronostico::gridFrame() const {
    return gridFrame_;
}

QPushButton* Pronostico::commandButton(int index, const QString& caption, const QString& command) {
    auto* b = new QPushButton(caption, this);
    b->setObjectName(QString("CalcSviluppo(%1)").arg(index));
    b->setProperty("command", command);
    connect(b, &QPushButton::clicked, this, [this, command] { shell().runCommand(command); });
    commands_ << b;
    return b;
}

void Pronostico::toggleNumerone(int n) {
    if (isLocked())
        return;
    Selection& s = state().selection;
    s.setNumerone(n, !s.numerone(n));
    state().modified = true;
    paintNumeroni();
    updateCounts();
}

bool Pronostico::isLocked() const {
    return state().forecastLocked();
}

void Pronostico::fillStatistics() {
    const NumberStatistics stats = computeNumberStatistics(state().archive.selection);
    const QColor classColour[3] = {QColor(Qt::white), QColor(0xff, 0xf4, 0xc0),
                                   QColor(0xff, 0xc8, 0xb0)};
    QList<TableModel::Row> rows;
    for (int n = 1; n <= kMaxNumber; ++n) {
        const NumberRow& row = stats.rows[static_cast<std::size_t>(n)];
        const QColor colour = classColour[cycleClass(row.cycle)];
        TableModel::Row cells = {TableModel::integer(n),
                                 TableModel::integer(row.outs),
                                 TableModel::decimal(row.mean / 10000.0),
                                 TableModel::integer(row.delay),
                                 TableModel::integer(row.longestDelay),
                                 TableModel::decimal(row.cycle / 10000.0)};
        for (TableModel::Cell& c : cells)
            c = c.withBackground(colour);
        rows << cells;
    }
    statisticsModel_->setRows(std::move(rows));
}

void Pronostico::setLocked(bool locked) {
    state().forecastLock = locked ? "Blocca" : "";
    refresh();
}

void Pronostico::paintNumeroni() {
    for (int c = 0; c < 10; ++c)
        paintBoardCell(numeroni_->item(0, c),
                       state().selection.numerone(c + 1) ? kBoardFixed : kBoardFree);
}

void Pronostico::updateCounts() {
    const Selection& s = state().selection;
    counts_->setText(
        QString("Numeri scelti: %1   Fisse: %2   Numeroni: %3\nColonne integrali: %4")
            .arg(s.chosenCount())
            .arg(s.fixedCount())
            .arg(s.numeroneCount())
            .arg(countText(kIntegralCounts.count[static_cast<std::size_t>(s.chosenCount())])));
}

void Pronostico::refresh() {
    setWindowTitle(QString("Pronostico   ...Nome sistema = %1.cna")
                       .arg(QString::fromStdString(state().systemName)));
    numbers_->paint();
    paintNumeroni();
    updateCounts();
    fillStatistics();
    const bool locked = isLocked();
    const bool rework = state().options.imported();
    rework_->setVisible(rework);
    // The rework text needs room the window may not have had when it opened.
    if (auto* frame = parentWidget(); frame && isVisible())
        frame->resize(frame->size().expandedTo(frame->minimumSizeHint()));
    lock_->setEnabled(!rework);
    lock_->setText(locked ? "Sblocca" : "Blocca");
    gridFrame_->setEnabled(!locked);
    for (QPushButton* b : commands_) {
        const QString command = b->property("command").toString();
        const bool available = shell().hasCommand(command);
        bool enabled = available;
        if (command == "SviluppaColonne")
            enabled = enabled && !locked;
        b->setEnabled(enabled);
        b->setToolTip(available ? QString()
                                : "Non ancora disponibile in questa versione del programma");
    }
}

bool Pronostico::eventFilter(QObject* watched, QEvent* event) {
    if (watched == numeroni_ && event->type() == QEvent::KeyPress &&
        numeroneKey(static_cast<QKeyEvent*>(event)))
        return true;
    return ChildWindow::eventFilter(watched, event);
}

bool Pronostico::numeroneKey(QKeyEvent* ke) {
    const int key = ke->key();
    if (key != Qt::Key_Space && key != Qt::Key_Return && key != Qt::Key_Enter)
        return false;
    if (numeroni_->currentColumn() >= 0)
        toggleNumerone(numeroni_->currentColumn() + 1);
    return true;
}

} // namespace varnelo
