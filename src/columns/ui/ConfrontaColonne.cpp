#include "columns/ui/ConfrontaColonne.h"

#include "checking/NumberCounts.h"
#include "columns/ColumnSets.h"
#include "columns/ui/SystemPair.h"
#include "system/ColumnSystems.h"
#include "system/ProgramState.h"
#include "ui/Avviso.h"
#include "ui/BackgroundJob.h"
#include "ui/DialogParts.h"
#include "ui/JobProgressBar.h"
#include "ui/NumberSpreadRows.h"
#include "ui/TableModel.h"
#include "ui/Text.h"

#include <QComboBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QSpinBox>
#include <QTableView>
#include <QVBoxLayout>

#include <random>

namespace varnelo {

namespace {

enum Operation {
    OpOr,
    OpAnd,
    OpXor,
    OpSubtraction,
    OpSum,
    OpCover1,
    OpCover2,
    OpCover3,
    OpCover4,
    OpShuffle,
    OpSplit,
    OpCompare,
    OpRepeats,
    OpReplace
};
constexpr const char* kOperationNames[] = {"OR",
                                           "AND",
                                           "XOR",
                                           "Sottrazione",
                                           "Somma Colonne",
                                           "Copertura N.1",
                                           "Copertura N.2",
                                           "Copertura N.3",
                                           "Copertura N.4",
                                           "Mescola Colonne",
                                           "Spezza Colonne",
                                           "Confronta Colonne",
                                           "Elimina colonne uguali",
                                           "Sostituzione di Segni"};

bool needsSecond(int op) {
    return op != OpShuffle && op != OpRepeats && op != OpReplace;
}

QSpinBox* spin(const QString& name, int lo, int hi, int value, QWidget* parent) {
    auto* box = new QSpinBox(parent);
    box->setObjectName(name);
    box->setRange(lo, hi);
    box->setValue(value);
    return box;
}

} // namespace

ConfrontaColonne::ConfrontaColonne(Shell& shell) : ChildWindow(shell, "ConfrontaColonne") {
    setWindowTitle("Confronta Colonne:");
    inputs_ = new SystemPair(state().folder, this);
    connect(inputs_, &SystemPair::changed, this, [this] {
        hasResult_ = false;
        showResult();
    });
    operation_ = new QComboBox(this);
    operation_->setObjectName("ComboS1");
    for (const char* name : kOperationNames)
        operation_->addItem(name);
    points_ = spin("TextPunti", 1, kColumnSize, 2, this);
    firstPosition_ = spin("TextDalla", 1, 2120000, 1, this);
    lastPosition_ = spin("TextAlla", 1, 2120000, 2120000, this);
    fromNumber_ = spin("TextNumero", 1, kMaxNumber, 1, this);
    toNumber_ = spin("TextConNumero", 1, kMaxNumber, 2, this);
    difference_ = spin("TextConsecutivita", 0, kColumnSize, 0, this);
    difference_->setSpecialValueText("nessuna");
    difference_->setToolTip("Ogni colonna del risultato differisce dalla precedente per almeno "
                            "tanti numeri; le altre sono scartate");
    auto* positions = new QHBoxLayout;
    positions->addWidget(firstPosition_);
    positions->addWidget(lastPosition_);
    auto* numbers = new QHBoxLayout;
    numbers->addWidget(fromNumber_);
    numbers->addWidget(toNumber_);
    auto* fields = new QFormLayout;
    fields->addRow("Operazione:", operation_);
    fields->addRow("Punti da Realizzare:", points_);
    fields->addRow("Sostituisci dalla alla...", positions);
    fields->addRow("il numero: con il numero:", numbers);
    fields->addRow("Consecutivita Differenziata:", difference_);

    runButton_ = namedButton("Esegui", "CommEsegui", this);
    connect(runButton_, &QPushButton::clicked, this, &ConfrontaColonne::run);
    save_ = namedButton("Salva col nome", "CommSalva", this);
    connect(save_, &QPushButton::clicked, this, &ConfrontaColonne::saveResult);
    cancel_ = namedButton("Annulla", "CommAnnulla", this);
    cancel_->setEnabled(false);
    auto* close = namedButton("Chiudi", "CommChiudi", this);
    connect(close, &QPushButton::clicked, this, &ChildWindow::closeWindow);
    result_ = new QLabel(this);
    result_->setObjectName("LabColonne");
    job_ = new BackgroundJob(shell, this);
    connect(job_, &BackgroundJob::finished, this, &ConfrontaColonne::ended);
    connect(cancel_, &QPushButton::clicked, job_, &BackgroundJob::cancel);
    auto* bar = makeJobProgressBar("PictConfronto", job_, progress_, this);

    signsTitle_ = new QLabel(this);
    signs_ = new TableModel(this);
    signs_->setHeaders(numberSpreadHeaders());
    signsView_ = makeStatisticsView(signs_, "MSFSegni", -1, this);
    signsView_->setToolTip("Clic su un'intestazione per ordinare");
    // Beside the operation's fields the share and the plain deviation would
    // crowd the table: presences, column share and deviation share say it.
    signsView_->setColumnHidden(3, true);
    signsView_->setColumnHidden(4, true);
    auto* signsSide = new QVBoxLayout;
    signsSide->addWidget(signsTitle_);
    signsSide->addWidget(signsView_, 1);

    auto* commands = new QHBoxLayout;
    for (QPushButton* b : {runButton_, cancel_, save_})
        commands->addWidget(b);
    commands->addStretch(1);
    commands->addWidget(close);
    auto* left = new QVBoxLayout;
    left->addWidget(inputs_);
    left->addLayout(fields);
    left->addStretch(1);
    left->addWidget(bar);
    left->addWidget(result_);
    auto* top = new QHBoxLayout;
    top->addLayout(left);
    top->addLayout(signsSide, 1);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top, 1);
    layout->addLayout(commands);
    showResult();
}

// The job writes into this window's members: it must end before they go.
ConfrontaColonne::~ConfrontaColonne() {
    delete job_;
}

std::optional<Notice> ConfrontaColonne::refusal() const {
    const int op = operation_->currentIndex();
    if (inputs_->name(0).empty() || (needsSecond(op) && inputs_->name(1).empty()))
        return Notice{"Avviso:", {"Apri prima i sistemi da voler confrontare"}};
    return std::nullopt;
}

void ConfrontaColonne::run() {
    if (job_->isRunning())
        return;
    if (const auto refused = refusal()) {
        Avviso::ask(*refused, this);
        return;
    }
    hasResult_ = false;
    outcome_.reset();
    progress_.cancel = false;
    const int op = operation_->currentIndex();
    const int points = points_->value();
    const auto first = static_cast<std::size_t>(firstPosition_->value());
    const auto last = static_cast<std::size_t>(lastPosition_->value());
    const int from = fromNumber_->value(), to = toNumber_->value();
    const int difference = difference_->value();
    const std::uint64_t seed = std::random_device{}();
    progress_.done = 0;
    progress_.total = 0;
    runButton_->setEnabled(false);
    cancel_->setEnabled(true);
    inputs_->setEnabled(false);
    job_->start(
        [this, op, points, first, last, from, to, difference, seed] {
            const auto& a = inputs_->columns(0);
            const auto& b = inputs_->columns(1);
            cancelled_ = false;
            switch (op) {
            case OpOr:
            case OpAnd:
            case OpXor:
            case OpSubtraction:
            case OpSum:
                columns_ = combineColumns(a, b, static_cast<SetOperation>(op));
                break;
            case OpCover1:
            case OpCover2:
            case OpCover3:
            case OpCover4: {
                Coverage c = coverColumns(a, b, op - OpCover1 + 1, progress_);
                cancelled_ = c.cancelled;
                columns_ = std::move(c.columns);
                if (c.unmet > 0)
                    outcome_ = Notice{
                        "Avviso:",
                        {"Colonne del 2° sistema non raggiunte = " + std::to_string(c.unmet)}};
                break;
            }
            case OpShuffle:
                columns_ = shuffleColumns(a, seed);
                break;
            case OpSplit:
            case OpCompare:
                columns_ = columnsMeeting(a, b, points, op == OpCompare);
                break;
            case OpRepeats:
                columns_ = removeRepeatedColumns(a);
                break;
            case OpReplace: {
                columns_ = a;
                const SignReplacement r = replaceNumber(columns_, first, last, from, to);
                if (r.clashes > 0) {
                    cancelled_ = true;
                    outcome_ = Notice{"Avviso:",
                                      {"il numero in = [" + std::to_string(to) + "]  Colonne " +
                                           std::to_string(r.clashes),
                                       "Per il semplice motivo che il numero " + std::to_string(to),
                                       "e gia presente nelle colonne con il numero " +
                                           std::to_string(from) + " che si vuole cambiare",
                                       "Controllare la sostituzione dei segni."}};
                }
                break;
            }
            }
            const std::size_t before = columns_.size();
            if (!cancelled_)
                columns_ = keepDifferingNeighbours(columns_, difference);
            dropped_ = static_cast<std::int64_t>(before - columns_.size());
        },
        progress_.cancel);
}

void ConfrontaColonne::ended() {
    runButton_->setEnabled(true);
    cancel_->setEnabled(false);
    if (progress_.cancelled())
        cancelled_ = true;
    inputs_->setEnabled(true);
    hasResult_ = !cancelled_;
    if (hasResult_ && static_cast<std::int64_t>(columns_.size()) > kComparisonCapacity) {
        outcome_ = comparisonCapacityNotice(columns_.size());
        hasResult_ = false;
    }
    if (!hasResult_)
        columns_.clear();
    showResult();
    if (progress_.cancelled())
        result_->setText("Calcolo annullato");
    if (outcome_)
        Avviso::ask(*outcome_, this);
}

void ConfrontaColonne::showResult() {
    save_->setEnabled(hasResult_);
    QString text;
    if (hasResult_) {
        text = "Colonne N° = " + countText(qlonglong(columns_.size()));
        if (dropped_ > 0)
            text += "   Scartate per consecutività = " + countText(dropped_);
    }
    result_->setText(text);
    showSigns();
}

// The signs of the result, or of the first system until there is one.
void ConfrontaColonne::showSigns() {
    const bool first = !hasResult_ && !inputs_->name(0).empty();
    const std::vector<Column>* shown = hasResult_ ? &columns_
                                       : first    ? &inputs_->columns(0)
                                                  : nullptr;
    signsTitle_->setText(hasResult_ ? "Mostra Segni: risultato"
                         : first    ? "Mostra Segni: 1° sistema"
                                    : "Mostra Segni:");
    if (shown)
        signs_->setRows(numberSpreadRows(spreadOf(countNumbers(*shown), {})));
    else
        signs_->clear();
    fitColumnsInSight(signsView_);
}

void ConfrontaColonne::saveResult() {
    if (!hasResult_)
        return;
    if (const auto name = inputs_->askResultName("SalvaConfronto"))
        inputs_->reportSave(saveColumnSystem(state().folder, *name, columns_));
}

} // namespace varnelo
