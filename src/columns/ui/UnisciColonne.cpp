#include "columns/ui/UnisciColonne.h"

#include "columns/ui/SystemPair.h"
#include "system/ColumnSystems.h"
#include "system/ProgramState.h"
#include "ui/Avviso.h"
#include "ui/BackgroundJob.h"
#include "ui/DialogParts.h"
#include "ui/JobProgressBar.h"
#include "ui/Shell.h"
#include "ui/Text.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace varnelo {

namespace {
constexpr JoinElimination kLevels[] = {JoinElimination::Guarantee5, JoinElimination::Guarantee4,
                                       JoinElimination::Guarantee3, JoinElimination::Guarantee2};
constexpr const char* kLevelNames[] = {"Garanzia 5", "Ridotto con garanzia 4",
                                       "Ridotto con garanzia 3", "Ridotto con garanzia 2"};
} // namespace

UnisciColonne::UnisciColonne(Shell& shell) : ChildWindow(shell, "UnisciColonne") {
    setWindowTitle("Unisci sistemi:");
    inputs_ = new SystemPair(state().folder, this);
    inputs_->setTitle("Sistemi da unire");
    connect(inputs_, &SystemPair::changed, this, [this] {
        hasResult_ = false;
        showResult();
    });

    auto* eliminateBox = new QGroupBox(this);
    auto* eliminateLayout = new QVBoxLayout(eliminateBox);
    eliminate_ = new QCheckBox("Elimina le colonne                       uguali!", eliminateBox);
    eliminate_->setObjectName("CheckElimina");
    eliminateLayout->addWidget(eliminate_);
    levels_ = new QButtonGroup(this);
    for (int i = 0; i < 4; ++i) {
        auto* option = new QRadioButton(kLevelNames[i], eliminateBox);
        option->setObjectName(QString("OptElimina(%1)").arg(i));
        option->setEnabled(false);
        option->setChecked(i == 0);
        levels_->addButton(option, i);
        eliminateLayout->addWidget(option);
        connect(eliminate_, &QCheckBox::toggled, option, &QWidget::setEnabled);
    }

    joinButton_ = namedButton("Unisci sistema", "CommUnisci", this);
    connect(joinButton_, &QPushButton::clicked, this, &UnisciColonne::join);
    cancel_ = namedButton("Annulla", "CommAnnulla", this);
    cancel_->setEnabled(false);
    auto* reset = namedButton("Azzera", "CommAzzera", this);
    connect(reset, &QPushButton::clicked, this, &UnisciColonne::clear);
    save_ = namedButton("Salva col nome", "CommSalva", this);
    save_->setEnabled(false);
    connect(save_, &QPushButton::clicked, this, &UnisciColonne::saveResult);
    auto* close = namedButton("Chiudi", "CommChiudi", this);
    connect(close, &QPushButton::clicked, this, &ChildWindow::closeWindow);

    job_ = new BackgroundJob(shell, this);
    bar_ = makeJobProgressBar("PictUnione", job_, progress_, this);
    eliminated_ = new QLabel("Eliminate = 0", this);
    eliminated_->setObjectName("LabEliminate");
    result_ = new QLabel(this);
    result_->setObjectName("LabRisultato");

    auto* commands = new QVBoxLayout;
    for (QPushButton* b : {joinButton_, cancel_, reset, save_})
        commands->addWidget(b);
    commands->addStretch(1);
    commands->addWidget(close);
    auto* middle = new QHBoxLayout;
    middle->addWidget(eliminateBox, 1);
    middle->addLayout(commands);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(inputs_);
    layout->addLayout(middle);
    layout->addWidget(bar_);
    layout->addWidget(eliminated_);
    layout->addWidget(result_);

    connect(job_, &BackgroundJob::finished, this, &UnisciColonne::joined);
    connect(cancel_, &QPushButton::clicked, job_, &BackgroundJob::cancel);
    showResult();
}

// The job writes into this window's members: it must end before they go.
UnisciColonne::~UnisciColonne() {
    delete job_;
}

bool UnisciColonne::chooseSystem(int which, const std::string& name) {
    return !job_->isRunning() && inputs_->choose(which, name);
}

void UnisciColonne::showResult() {
    save_->setEnabled(hasResult_ && !job_->isRunning());
    if (!hasResult_) {
        result_->clear();
        eliminated_->setText("Eliminate = 0");
    }
}

JoinElimination UnisciColonne::elimination() const {
    return eliminate_->isChecked() ? kLevels[levels_->checkedId()] : JoinElimination::None;
}

void UnisciColonne::join() {
    if (job_->isRunning())
        return;
    if (const auto refused = joinRefusal(inputs_->name(0), inputs_->name(1),
                                         inputs_->columns(0).size(), inputs_->columns(1).size())) {
        Avviso::ask(*refused, this);
        return;
    }
    if (state().modified) {
        if (Avviso::ask(joinSaveQuestion(), this) != Avviso::Yes)
            return;
        shell().runCommand("Salva");
        if (state().modified)
            return;
    }
    hasResult_ = false;
    showResult();
    joinElimination_ = static_cast<int>(elimination());
    progress_.cancel = false;
    progress_.done = 0;
    joinButton_->setEnabled(false);
    inputs_->setEnabled(false);
    cancel_->setEnabled(true);
    const JoinElimination e = elimination();
    job_->start(
        [this, e] {
            joinResult_ = joinColumns(inputs_->columns(0), inputs_->columns(1), e, progress_);
        },
        progress_.cancel);
}

void UnisciColonne::joined() {
    joinButton_->setEnabled(true);
    inputs_->setEnabled(true);
    cancel_->setEnabled(false);
    if (joinResult_.cancelled) {
        bar_->setValue(0);
        Avviso::ask(Notice{"Avviso:", {"Calcolo annullato"}}, this);
        return;
    }
    bar_->setValue(bar_->maximum());
    hasResult_ = true;
    showResult();
    eliminated_->setText("Eliminate = " + countText(joinResult_.eliminated));
    result_->setText("Sistema Unito   N° Colonne= " +
                     countText(qlonglong(joinResult_.columns.size())));
}

void UnisciColonne::clear() {
    if (job_->isRunning())
        return;
    joinResult_ = {};
    bar_->setValue(0);
    inputs_->clear();
}

void UnisciColonne::saveResult() {
    if (!hasResult_)
        return;
    const auto name = inputs_->askResultName("SalvaUnione");
    if (!name)
        return;
    const JoinRecord record{inputs_->name(0),           inputs_->name(1),
                            inputs_->columns(0).size(), inputs_->columns(1).size(),
                            joinElimination_,           joinResult_.eliminated,
                            joinResult_.columns.size()};
    const TaskOutcome saved = saveColumnSystem(state().folder, *name, joinResult_.columns,
                                               ExtraFile{*name + ".sss", formatJoinRecord(record)});
    inputs_->reportSave(saved);
}

} // namespace varnelo
