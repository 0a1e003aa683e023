#include "conditions/ui/GroupEditor.h"

#include "system/ProgramState.h"
#include "system/SystemRun.h"
#include "ui/Shell.h"
#include "ui/TableModel.h"
#include "ui/Text.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableView>
#include <QTableWidget>
#include <QVBoxLayout>

#include <algorithm>

namespace varnelo {

namespace {

QPushButton* button(const QString& caption, const QString& name, QWidget* parent) {
    auto* b = new QPushButton(caption, parent);
    b->setObjectName(name);
    return b;
}

// The slots of the selected rows of a slot grid.
std::vector<int> selectedSlots(const QTableWidget* grid) {
    std::vector<int> slots;
    for (const QModelIndex& at : grid->selectionModel()->selectedRows())
        slots.push_back(grid->item(at.row(), 0)->data(Qt::UserRole).toInt());
    return slots;
}

} // namespace

GroupEditor::GroupEditor(Shell& shell, const QString& name, WindowSlots slots, GroupKind kind)
    : ChildWindow(shell, name, slots), kind_(std::move(kind)) {
    setWindowTitle(kind_.caption);
    auto* layout = new QGridLayout(this);
    layout->addWidget(makeStepRow(), 0, 0);
    layout->addWidget(makeGridRow(), 1, 0);
    layout->addWidget(makeRangeFrame(), 2, 0);
    layout->addWidget(makeTallyFrame(), 0, 1, 3, 1);
    layout->addWidget(makeCommandRow(), 3, 0, 1, 2);
    layout->setRowStretch(1, 1);
    layout->setColumnStretch(0, 1);
}

GroupEditor::~GroupEditor() = default;

QWidget* GroupEditor::makeStepRow() {
    auto* row = new QWidget(this);
    previous_ = button("< Precedente", "CommPrecedente", row);
    connect(previous_, &QPushButton::clicked, this, [this] { step(-1); });
    next_ = button("Successivo >", "CommSuccessivo", row);
    connect(next_, &QPushButton::clicked, this, [this] { step(1); });
    number_ = new QLabel(row);
    number_->setObjectName("LabLinkNum");
    QFont bold = number_->font();
    bold.setBold(true);
    number_->setFont(bold);
    number_->setAlignment(Qt::AlignCenter);
    number_->setMinimumWidth(number_->fontMetrics().horizontalAdvance(kind_.number.arg(15)) + 24);
    auto* layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(previous_);
    layout->addWidget(number_);
    layout->addWidget(next_);
    layout->addStretch();
    return row;
}

QTableWidget* GroupEditor::makeSlotGrid(const QString& name, QWidget* parent) {
    auto* grid = new QTableWidget(0, 2, parent);
    grid->setObjectName(name);
    grid->setHorizontalHeaderLabels({"N°", "Condizione"});
    grid->verticalHeader()->hide();
    grid->verticalHeader()->setDefaultSectionSize(20);
    grid->horizontalHeader()->setSectionResizeMode(0, QHeaderView::ResizeToContents);
    grid->horizontalHeader()->setSectionResizeMode(1, QHeaderView::Stretch);
    grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grid->setSelectionBehavior(QAbstractItemView::SelectRows);
    grid->setSelectionMode(QAbstractItemView::ExtendedSelection);
    grid->setMinimumSize(230, 260);
    return grid;
}

// A double click moves its row to the other grid; "Aggiungi >>" and
// "<< Togli" move every selected row at once.
QWidget* GroupEditor::makeGridRow() {
    auto* row = new QWidget(this);
    auto* inPlayFrame = new QGroupBox("Condizioni in gioco:", row);
    inPlay_ = makeSlotGrid("MSFLink1", inPlayFrame);
    (new QVBoxLayout(inPlayFrame))->addWidget(inPlay_);
    auto* membersFrame = new QGroupBox(kind_.members, row);
    members_ = makeSlotGrid("MSFLink2", membersFrame);
    (new QVBoxLayout(membersFrame))->addWidget(members_);
    connect(inPlay_, &QTableWidget::cellDoubleClicked, this, [this] { move(inPlay_, true); });
    connect(members_, &QTableWidget::cellDoubleClicked, this, [this] { move(members_, false); });

    auto* add = button("Aggiungi >>", "CommAggiungi", row);
    connect(add, &QPushButton::clicked, this, [this] { move(inPlay_, true); });
    auto* remove = button("<< Togli", "CommTogli", row);
    connect(remove, &QPushButton::clicked, this, [this] { move(members_, false); });
    // Pressed, both grids list the conditions by name; released, by number.
    sortByName_ = button("Ordina", "CommOrdina", row);
    sortByName_->setCheckable(true);
    sortByName_->setToolTip("Elenca le condizioni per nome (premuto) o per numero");
    connect(sortByName_, &QPushButton::toggled, this, [this] { fillGrids(); });
    auto* buttons = new QVBoxLayout;
    buttons->addStretch();
    buttons->addWidget(add);
    buttons->addWidget(remove);
    buttons->addSpacing(24);
    buttons->addWidget(sortByName_);
    buttons->addStretch();

    auto* layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(inPlayFrame, 1);
    layout->addLayout(buttons);
    layout->addWidget(membersFrame, 1);
    return row;
}

QWidget* GroupEditor::makeRangeFrame() {
    auto* frame = new QGroupBox("Intervalli ammessi:", this);
    auto* grid = new QGridLayout(frame);
    grid->setColumnStretch(0, 1);
    addPickers(
        frame, 0, "Combo1", kind_.rangeCaption,
        [this]() -> RangePair& { return session_->table().range(group_); },
        [this] { return kind_.rangeHighest(state().conditions); });
    int row = 1;
    for (const OverallRange& r : kind_.overall) {
        const int highest = r.highest;
        addPickers(
            frame, row++, r.name, r.caption,
            [this, pair = r.pair]() -> RangePair& { return pair(state()); },
            [highest] { return highest; });
    }
    return frame;
}

// Every choice is stored at once; the other end of the pair follows when
// the pair would be left inverted.
void GroupEditor::addPickers(QWidget* frame, int row, const QString& name, const QString& caption,
                             std::function<RangePair&()> pair, std::function<int()> highest) {
    auto* grid = static_cast<QGridLayout*>(frame->layout());
    auto* from = new QComboBox(frame);
    from->setObjectName(name + "(0)");
    auto* to = new QComboBox(frame);
    to->setObjectName(name + "(1)");
    // Up to 2001 values: a list of sixteen rows that scrolls, where some
    // styles would cover the whole screen with it.
    for (QComboBox* c : {from, to}) {
        c->setStyleSheet("QComboBox { combobox-popup: 0; }");
        c->setMaxVisibleItems(16);
        c->setMinimumContentsLength(4);
    }
    grid->addWidget(new QLabel(caption, frame), row, 0);
    grid->addWidget(new QLabel("da", frame), row, 1);
    grid->addWidget(from, row, 2);
    grid->addWidget(new QLabel("a", frame), row, 3);
    grid->addWidget(to, row, 4);
    pickers_.push_back({from, to, std::move(pair), std::move(highest)});
    const std::size_t at = pickers_.size() - 1;
    for (bool isFrom : {true, false})
        connect(isFrom ? from : to, &QComboBox::currentIndexChanged, this,
                [this, at, isFrom](int value) {
                    if (!session_ || value < 0)
                        return;
                    const Pickers& p = pickers_[at];
                    if (isFrom)
                        chooseFrom(p.pair(), value);
                    else
                        chooseTo(p.pair(), value);
                    showRange(p);
                });
}

QWidget* GroupEditor::makeTallyFrame() {
    auto* frame = new QGroupBox(kind_.statistics, this);
    tallyModel_ = new TableModel(this);
    tallyModel_->setHeaders({kind_.tallyHeading, "Estrazioni", "%"});
    tallyView_ = makeStatisticsView(tallyModel_, "MSFColFilRis", -1, frame);
    tallyView_->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    tallyView_->horizontalHeader()->setSectionResizeMode(0, QHeaderView::ResizeToContents);
    tallyView_->setMinimumWidth(330);
    auto* run = button(" Statistiche sulle colonne vincenti ", "CommStatistiche", frame);
    connect(run, &QPushButton::clicked, this, &GroupEditor::fillTally);
    tallySummary_ = new QLabel(frame);
    tallySummary_->setObjectName("LabEstrazioni");
    tallySummary_->setWordWrap(true);
    auto* layout = new QVBoxLayout(frame);
    layout->addWidget(tallyView_, 1);
    layout->addWidget(tallySummary_);
    if (kind_.showsWrongCount) {
        wrongCount_ = new QLabel(frame);
        wrongCount_->setObjectName("LabSbagliate");
        layout->addWidget(wrongCount_);
    }
    layout->addWidget(run);
    return frame;
}

QWidget* GroupEditor::makeCommandRow() {
    auto* row = new QWidget(this);
    auto* erase = button(kind_.erase, "CommElimina", row);
    connect(erase, &QPushButton::clicked, this, &GroupEditor::erase);
    auto* ok = button("OK", "CommOk", row);
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &GroupEditor::accept);
    auto* cancel = button("Annulla", "CommAnnulla", row);
    connect(cancel, &QPushButton::clicked, this, [this] { closeWindow(); });
    auto* layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(erase);
    layout->addStretch();
    layout->addWidget(cancel);
    layout->addWidget(ok);
    return row;
}

// Every opening is a session of its own, tidied and starting at group 1:
// "Annulla" goes back to this moment.
void GroupEditor::showEvent(QShowEvent* event) {
    if (!session_)
        startSession();
    ChildWindow::showEvent(event);
}

void GroupEditor::startSession() {
    session_ = kind_.openSession(state());
    group_ = 1;
    for (const Pickers& p : pickers_)
        offerValues(p);
    showGroup();
}

// Another editor may have switched a condition on or off meanwhile.
void GroupEditor::systemChanged() {
    if (session_)
        fillGrids();
}

void GroupEditor::step(int by) {
    group_ = std::clamp(group_ + by, 1, kGroupCount);
    showGroup();
}

void GroupEditor::showGroup() {
    number_->setText(kind_.number.arg(group_));
    previous_->setEnabled(group_ > 1);
    next_->setEnabled(group_ < kGroupCount);
    fillGrids();
    for (const Pickers& p : pickers_)
        showRange(p);
    clearTally();
}

void GroupEditor::fillGrids() {
    const std::vector<int> members = session_->table().slots(group_);
    std::vector<int> others;
    for (int s : slotsInPlay(state().conditions))
        if (!std::binary_search(members.begin(), members.end(), s))
            others.push_back(s);
    fillGrid(inPlay_, others);
    fillGrid(members_, members);
}

QString GroupEditor::slotText(int slot) const {
    const QString name = qs(kind_.slotName(slot));
    if (!name.isEmpty())
        return name;
    const int family = familyOfSlot(slot);
    return family >= 0 ? qs(families()[static_cast<std::size_t>(family)].name) : QString();
}

void GroupEditor::fillGrid(QTableWidget* grid, const std::vector<int>& slots) {
    std::vector<std::pair<QString, int>> rows;
    for (int s : slots)
        rows.emplace_back(slotText(s), s);
    if (sortByName_->isChecked())
        std::stable_sort(rows.begin(), rows.end(), [](const auto& a, const auto& b) {
            return QString::localeAwareCompare(a.first.trimmed(), b.first.trimmed()) < 0;
        });
    grid->clearSelection();
    grid->setRowCount(static_cast<int>(rows.size()));
    for (int r = 0; r < grid->rowCount(); ++r) {
        const auto& [name, slot] = rows[static_cast<std::size_t>(r)];
        auto* number = new QTableWidgetItem(QString::number(slot));
        number->setData(Qt::UserRole, slot);
        number->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
        grid->setItem(r, 0, number);
        grid->setItem(r, 1, new QTableWidgetItem(name));
    }
}

void GroupEditor::move(QTableWidget* from, bool join) {
    if (!session_)
        return;
    for (int s : selectedSlots(from))
        session_->table().setMembership(group_, s, join ? 1 : 0);
    fillGrids();
    clearTally();
}

// The values 0..highest; showRange adds a larger one that a system brought.
void GroupEditor::offerValues(const Pickers& p) {
    const QSignalBlocker quietFrom(p.from);
    const QSignalBlocker quietTo(p.to);
    const int highest = p.highest();
    for (QComboBox* c : {p.from, p.to}) {
        c->clear();
        for (int v = 0; v <= highest; ++v)
            c->addItem(QString::number(v));
    }
}

void GroupEditor::showRange(const Pickers& p) {
    const RangePair& r = p.pair();
    const std::pair<QComboBox*, int> ends[] = {{p.from, r.from}, {p.to, r.to}};
    for (const auto& [combo, value] : ends) {
        const QSignalBlocker quiet(combo);
        for (int v = combo->count(); v <= value; ++v)
            combo->addItem(QString::number(v));
        combo->setCurrentIndex(value);
    }
}

void GroupEditor::clearTally() {
    tallyModel_->clear();
    tallySummary_->setText("Premere \" Statistiche sulle colonne vincenti \".");
    if (wrongCount_)
        wrongCount_->clear();
}

// Only the rows that some draw reached: the others hold nothing to choose from.
void GroupEditor::fillTally() {
    if (!session_)
        return;
    std::vector<Column> draws;
    draws.reserve(state().archive.selection.size());
    for (const Draw& d : state().archive.selection)
        draws.push_back(d.numbers);
    const auto context = makeRunContext(state());
    const GroupTally t =
        kind_.tally(state().conditions, session_->table(), group_, draws, context->metrics);
    QList<TableModel::Row> rows;
    for (std::size_t i = 0; i < t.counts.size(); ++i)
        if (t.counts[i] > 0)
            rows << TableModel::Row{TableModel::integer(static_cast<qint64>(i)),
                                    TableModel::integer(t.counts[i]),
                                    TableModel::decimal(t.share(i))};
    tallyModel_->setRows(std::move(rows));
    tallySummary_->setText(QString("Estrazioni esaminate: %1").arg(countText(t.draws)));
    if (wrongCount_)
        wrongCount_->setText("Condizioni Sbagliate= " + countText(t.wrongConditions));
}

void GroupEditor::erase() {
    if (!session_)
        return;
    session_->erase(group_);
    showGroup();
}

void GroupEditor::accept() {
    if (!session_)
        return;
    if (session_->accept()) {
        for (int f = 0; f < kFamilyCount; ++f)
            if (families()[static_cast<std::size_t>(f)].name == kind_.family)
                state().modifiedFamilies.markFamily(f);
        state().modified = true;
    }
    session_.reset();
    closeWindow();
    shell().refresh();
}

// Closing by "Annulla", Escape or the close box drops the edits.
void GroupEditor::closeEvent(QCloseEvent* event) {
    if (session_) {
        session_->cancel();
        session_.reset();
    }
    ChildWindow::closeEvent(event);
}

bool GroupEditor::forgetEdits() {
    if (!session_)
        return false;
    session_.reset();
    return true;
}

} // namespace varnelo
