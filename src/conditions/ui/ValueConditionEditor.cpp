#include "conditions/ui/ValueConditionEditor.h"

#include "conditions/SlotEditor.h"
#include "conditions/SlotStatistics.h"
#include "conditions/ui/ConditionStatisticsGrid.h"
#include "conditions/ui/ValueCellsAccept.h"
#include "system/ProgramState.h"
#include "system/SystemRun.h"
#include "ui/DialogParts.h"
#include "ui/ModelRoles.h"
#include "ui/RecoveryLevelBox.h"
#include "ui/Shell.h"
#include "ui/Text.h"
#include "ui/ValueCellsView.h"
#include "ui/ValueGridModel.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QContextMenuEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QTableView>
#include <QVBoxLayout>

#include <algorithm>

namespace varnelo {

ValueConditionEditor::ValueConditionEditor(Shell& shell, const QString& name, const QString& title,
                                           WindowSlots slots,
                                           std::vector<SubCondition> subConditions,
                                           const QString& popup)
    : ChildWindow(shell, name, slots), subConditions_(std::move(subConditions)), popup_(popup) {
    setWindowTitle(title);
    statistics_ = new ConditionStatisticsGrid(
        state(),
        [this](int value) {
            if (!session_)
                return QString();
            const ValueCell c = session_->cell(currentSlot(), value);
            return c.status == CellStatus::Recovery ? qs(recoveryLevelName(c.level)) : QString();
        },
        this);
    auto* columns = new QHBoxLayout;
    subConditionColumn_ = new QVBoxLayout;
    subConditionColumn_->addWidget(makeSubConditionFrame(), 1);
    columns->addLayout(subConditionColumn_);
    cellColumn_ = new QVBoxLayout;
    cellColumn_->addWidget(makeCellFrame(), 1);
    columns->addLayout(cellColumn_);
    columns->addWidget(statistics_, 1);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(columns, 1);
    layout->addWidget(makeCommandFrame());
}

ValueConditionEditor::~ValueConditionEditor() = default;

QWidget* ValueConditionEditor::makeSubConditionFrame() {
    auto* frame = new QGroupBox("Condizioni:", this);
    auto* grid = new QGridLayout(frame);
    shown_ = new QButtonGroup(this);
    for (int i = 0; i < static_cast<int>(subConditions_.size()); ++i) {
        auto* show = new QRadioButton(subConditions_[static_cast<std::size_t>(i)].caption, frame);
        show->setObjectName(QString("OptCondizione(%1)").arg(i));
        shown_->addButton(show, i);
        auto* box = new QCheckBox("Attivazione", frame);
        box->setObjectName(QString("CheckAttiva(%1)").arg(i));
        boxes_.push_back(box);
        grid->addWidget(show, i, 0);
        grid->addWidget(box, i, 1);
        const int slot = subConditions_[static_cast<std::size_t>(i)].slot;
        connect(box, &QCheckBox::toggled, this, [this, slot](bool on) {
            if (session_)
                session_->setBox(slot, on);
        });
    }
    grid->setRowStretch(static_cast<int>(subConditions_.size()), 1);
    shown_->button(0)->setChecked(true);
    connect(shown_, &QButtonGroup::idClicked, this,
            [this](int i) { showSlot(subConditions_[static_cast<std::size_t>(i)].slot); });
    return frame;
}

QWidget* ValueConditionEditor::makeCellFrame() {
    auto* frame = new QGroupBox("Valori ammessi:", this);
    cells_ = new ValueCellsView(frame);
    cells_->setObjectName("MSFlexGrid1");
    cells_->horizontalHeader()->setStretchLastSection(true);
    cells_->verticalHeader()->hide();
    cells_->setFixedWidth(150);
    level_ = new RecoveryLevelBox(cells_, frame);
    auto* legend = new QLabel("Clic: bianca → blu (ammesso) → rossa (recupero) → bianca\n"
                              "Spazio o Invio come il clic",
                              frame);
    legend->setWordWrap(true);
    auto* layout = new QVBoxLayout(frame);
    layout->addWidget(cells_, 1);
    auto* levelRow = new QHBoxLayout;
    levelRow->addWidget(new QLabel("Livello:", frame));
    levelRow->addWidget(level_, 1);
    layout->addLayout(levelRow);
    layout->addWidget(legend);
    return frame;
}

QWidget* ValueConditionEditor::makeCommandFrame() {
    auto* frame = new QWidget(this);
    auto* scope = new QGroupBox("Agisci su:", frame);
    auto* scopeLayout = new QVBoxLayout(scope);
    auto* all = new QRadioButton("Tutte le caselle", scope);
    all->setObjectName("OptCaselle(0)");
    all->setChecked(true);
    narrowScope_ = new QRadioButton("Solo bianche", scope);
    narrowScope_->setObjectName("OptCaselle(1)");
    scopeLayout->addWidget(all);
    scopeLayout->addWidget(narrowScope_);

    auto* quick = new QGroupBox("Selezione rapida:", frame);
    auto* quickLayout = new QHBoxLayout(quick);
    const auto admitted = static_cast<int>(CellStatus::Admitted);
    auto* even = namedButton(" Pari ", "CommPari", quick);
    connect(even, &QPushButton::clicked, this,
            [this, admitted] { applyToValues([](int v) { return v % 2 == 0; }, admitted); });
    auto* odd = namedButton(" Dispari ", "CommDispari", quick);
    connect(odd, &QPushButton::clicked, this,
            [this, admitted] { applyToValues([](int v) { return v % 2 != 0; }, admitted); });
    auto* every = namedButton("Tutte", "CommTutte", quick);
    connect(every, &QPushButton::clicked, this,
            [this, admitted] { applyToValues([](int) { return true; }, admitted); });
    // "Presenze": the values that came out at least once in the selected draws.
    auto* seen = namedButton("Presenze", "CommPresenze", quick);
    connect(seen, &QPushButton::clicked, this, [this, admitted] {
        std::vector<Column> draws;
        for (const Draw& d : state().archive.selection)
            draws.push_back(d.numbers);
        const ValueStatistics out = slotStatistics(
            currentSlot(), draws, makeRunContext(state())->metrics, state().families.sequele);
        applyToValues([&out](int v) { return out.out(v) > 0; }, admitted);
    });
    // " Resti ": the values left white go on recovery, so that a level can
    // allow a few columns outside the blue ones; they take the level of the
    // current red cell, else none (the level combo sets a marked range).
    auto* rest = namedButton(" Resti ", "CommResti", quick);
    connect(rest, &QPushButton::clicked, this, [this] {
        if (!model_)
            return;
        const QModelIndex current = cells_->currentIndex();
        const int level =
            model_->data(current, StatusRole).toInt() == static_cast<int>(CellStatus::Recovery)
                ? model_->data(current, LevelRole).toInt()
                : 0;
        for (int r = 0; r < model_->rowCount(); ++r) {
            const QModelIndex at = model_->index(r, 0);
            if (!(model_->flags(at) & Qt::ItemIsEnabled) ||
                model_->data(at, StatusRole).toInt() != static_cast<int>(CellStatus::NotAdmitted))
                continue;
            model_->setStatus(at, CellStatus::Recovery);
            model_->setLevel(at, level);
        }
        level_->follow();
    });
    auto* clear = namedButton("Cancella", "CommCancella", quick);
    connect(clear, &QPushButton::clicked, this, [this] {
        applyToValues([](int) { return true; }, static_cast<int>(CellStatus::NotAdmitted));
    });
    even->setToolTip("Rende blu i valori pari");
    odd->setToolTip("Rende blu i valori dispari");
    every->setToolTip("Rende blu tutti i valori");
    seen->setToolTip("Rende blu i valori usciti almeno una volta nelle estrazioni scelte");
    rest->setToolTip("Mette in recupero (rosse) le caselle rimaste bianche");
    clear->setToolTip("Rende bianchi i valori");
    for (QPushButton* b : {even, odd, every, seen, rest, clear})
        quickLayout->addWidget(b);

    auto* reset = namedButton("Azzera condizione", "CommAzzera", frame);
    connect(reset, &QPushButton::clicked, this, [this] {
        if (!session_)
            return;
        session_->reset(currentSlot());
        model_->refresh();
        boxes_[static_cast<std::size_t>(shown_->checkedId())]->setChecked(false);
        level_->follow();
    });
    auto* ok = namedButton("OK", "CommOk", frame);
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &ValueConditionEditor::accept);
    auto* cancel = namedButton("Annulla", "CommAnnulla", frame);
    connect(cancel, &QPushButton::clicked, this, &ValueConditionEditor::cancel);

    auto* buttons = new QVBoxLayout;
    buttons->addWidget(reset);
    buttons->addStretch();
    auto* okRow = new QHBoxLayout;
    okRow->addWidget(cancel);
    okRow->addWidget(ok);
    buttons->addLayout(okRow);
    auto* layout = new QHBoxLayout(frame);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(scope);
    layout->addWidget(quick, 1);
    layout->addLayout(buttons);
    return frame;
}

// Every opening is a session of its own: "Annulla" goes back to this moment.
void ValueConditionEditor::showEvent(QShowEvent* event) {
    if (!session_)
        startSession();
    ChildWindow::showEvent(event);
}

void ValueConditionEditor::addFamilyFrame(QWidget* frame, FramePlace place) {
    (place == FramePlace::UnderCells ? cellColumn_ : subConditionColumn_)->addWidget(frame);
}

void ValueConditionEditor::startSession() {
    std::vector<int> slots;
    for (const SubCondition& s : subConditions_)
        slots.push_back(s.slot);
    session_ = std::make_unique<SlotEditor>(state().conditions, slots);
    auto* model = new ValueGridModel(*session_, Qt::Vertical, cells_);
    cells_->setValueModel(model);
    delete model_;
    model_ = model;
    sessionStarted();
    for (std::size_t i = 0; i < subConditions_.size(); ++i) {
        const QSignalBlocker quiet(boxes_[i]);
        boxes_[i]->setChecked(session_->box(subConditions_[i].slot));
    }
    showSlot(currentSlot());
}

void ValueConditionEditor::endSession() {
    cells_->setValueModel(nullptr);
    delete model_;
    model_ = nullptr;
    session_.reset();
}

int ValueConditionEditor::currentSlot() const {
    return subConditions_[static_cast<std::size_t>(std::max(0, shown_->checkedId()))].slot;
}

void ValueConditionEditor::showSlot(int slot) {
    if (std::none_of(subConditions_.begin(), subConditions_.end(),
                     [slot](const SubCondition& s) { return s.slot == slot; }))
        return;
    for (int i = 0; i < static_cast<int>(subConditions_.size()); ++i)
        if (subConditions_[static_cast<std::size_t>(i)].slot == slot)
            shown_->button(i)->setChecked(true);
    if (!model_)
        return;
    statistics_->clearFor(slot);
    slotShown(slot);
    model_->showSlots({slot});
    model_->setSlotCaptions(
        {subConditions_[static_cast<std::size_t>(shown_->checkedId())].caption});
    cells_->setCurrentIndex(model_->index(0, 0));
    level_->follow();
}

void ValueConditionEditor::setScope(Scope scope) {
    scope_ = scope;
    narrowScope_->setText(scope == Scope::White ? "Solo bianche" : "Solo Evidenziati");
}

template <typename Pick> void ValueConditionEditor::applyToValues(Pick pick, int status) {
    if (!model_)
        return;
    const bool narrow = narrowScope_->isChecked();
    const QItemSelectionModel* marked = cells_->selectionModel();
    for (int r = 0; r < model_->rowCount(); ++r) {
        const QModelIndex at = model_->index(r, 0);
        if (!(model_->flags(at) & Qt::ItemIsEnabled) || !pick(model_->valueAt(at)))
            continue;
        if (narrow && scope_ == Scope::White &&
            model_->data(at, StatusRole).toInt() != static_cast<int>(CellStatus::NotAdmitted))
            continue;
        if (narrow && scope_ == Scope::Marked && !marked->isSelected(at))
            continue;
        model_->setStatus(at, static_cast<CellStatus>(status));
    }
    level_->follow();
}

void ValueConditionEditor::accept() {
    if (!session_)
        return;
    if (const auto place = acceptValueCells(*session_, state(), committed(), this)) {
        showSlot(place->slot);
        level_->askFor(model_->indexOf(place->slot, place->value));
        return;
    }
    accepted();
    endSession();
    closeWindow();
    shell().refresh();
}

void ValueConditionEditor::cancel() {
    closeWindow();
}

// Closing by "Annulla", Escape or the close box drops the edits.
void ValueConditionEditor::closeEvent(QCloseEvent* event) {
    if (session_) {
        session_->cancel();
        cancelled();
        endSession();
        shell().refresh();
    }
    ChildWindow::closeEvent(event);
}

// The family's pop-up menu switches the "Attivazione" boxes of this window;
// they reach the condition set with "OK", as every other edit here.
void ValueConditionEditor::contextMenuEvent(QContextMenuEvent* event) {
    const auto* source = shell().mainWidget()->findChild<QMenu*>(popup_);
    if (popup_.isEmpty() || !source || !session_)
        return;
    QMenu menu(source->title(), this);
    std::vector<bool> allOn;
    for (QAction* a : source->actions()) {
        const int slot = a->data().toInt();
        auto box = std::find_if(subConditions_.begin(), subConditions_.end(),
                                [slot](const SubCondition& s) { return s.slot == slot; });
        QAction* mine = menu.addAction(a->text());
        mine->setEnabled(a->isEnabled());
        if (box != subConditions_.end()) {
            const std::size_t i = static_cast<std::size_t>(box - subConditions_.begin());
            mine->setCheckable(true);
            mine->setChecked(boxes_[i]->isChecked());
            connect(mine, &QAction::triggered, this,
                    [this, i](bool on) { boxes_[i]->setChecked(on); });
        } else if (!a->isCheckable()) {
            // "Tutto attivato" comes first, "Tutto disattivato" second.
            const bool on = allOn.empty();
            allOn.push_back(on);
            connect(mine, &QAction::triggered, this, [this, on] {
                for (QCheckBox* b : boxes_)
                    b->setChecked(on);
            });
        }
    }
    menu.exec(event->globalPos());
}

bool ValueConditionEditor::forgetEdits() {
    if (!session_)
        return false;
    endSession();
    return true;
}

} // namespace varnelo
