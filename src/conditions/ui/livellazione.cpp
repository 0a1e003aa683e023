#include "conditions/ui/livellazione.h"

#include "conditions/ConditionFamilies.h"
#include "system/ProgramState.h"
#include "ui/DialogParts.h"
#include "ui/Shell.h"
#include "ui/Text.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

namespace varnelo {

namespace {

QTableWidget* limitGrid(int rows, const QStringList& headers, const QString& name,
                        QWidget* parent) {
    auto* grid = new QTableWidget(rows, static_cast<int>(headers.size()), parent);
    grid->setObjectName(name);
    grid->setHorizontalHeaderLabels(headers);
    grid->verticalHeader()->hide();
    grid->verticalHeader()->setDefaultSectionSize(20);
    grid->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    grid->setSelectionMode(QAbstractItemView::SingleSelection);
    grid->setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed |
                          QAbstractItemView::AnyKeyPressed);
    return grid;
}

void setCell(QTableWidget* grid, int row, int column, const QString& text, bool editable) {
    auto* item = new QTableWidgetItem(text);
    item->setTextAlignment(Qt::AlignCenter);
    if (!editable)
        item->setFlags(item->flags() & ~Qt::ItemIsEditable);
    grid->setItem(row, column, item);
}

} // namespace

livellazione::livellazione(Shell& shell) : ChildWindow(shell, "livellazione", {67, 69}) {
    setWindowTitle("Imposta livelli:");
    grid_ = limitGrid(kLevelCount, {"Livello", "Max", "Min", "Liv. inser.", "Sistema"},
                      "MSFLivello", this);
    grid_->setMinimumSize(380, 420);
    connect(grid_, &QTableWidget::itemChanged, this, &livellazione::take);

    auto* hint = new QLabel("Inserire per primo il valore Max, dopo il valore Min.", this);
    auto* rule = new QLabel("Un livello non usato da nessuna condizione attiva non viene "
                            "controllato (\"Sistema\": no).",
                            this);
    rule->setWordWrap(true);
    auto* ok = namedButton("OK", "ComButt", this);
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &livellazione::accept);
    auto* cancel = namedButton("Annulla", "CommAnnulla", this);
    connect(cancel, &QPushButton::clicked, this, [this] { closeWindow(); });

    auto* levels = new QVBoxLayout;
    levels->addWidget(hint);
    levels->addWidget(grid_, 1);
    levels->addWidget(rule);
    auto* columns = new QHBoxLayout;
    columns->addLayout(levels, 1);
    columns->addWidget(makeGroupFrame(), 1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(cancel);
    buttons->addWidget(ok);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(columns, 1);
    layout->addLayout(buttons);
}

// "Livelli Mescolati": the groups, and the levels of the group chosen in
// the grid, moved in and out of it by a double click or the two buttons.
QWidget* livellazione::makeGroupFrame() {
    auto* frame = new QGroupBox("Livelli Mescolati:", this);
    groups_ = limitGrid(kMixedGroupCount, {"N°", "Livelli", "Somma Liv.", "Max", "Min"}, "MSFLiv2",
                        frame);
    groups_->horizontalHeader()->setSectionResizeMode(Members, QHeaderView::Stretch);
    for (const int c : {Number, Reach})
        groups_->horizontalHeader()->setSectionResizeMode(c, QHeaderView::ResizeToContents);
    for (const int c : {GroupMax, GroupMin}) {
        groups_->horizontalHeader()->setSectionResizeMode(c, QHeaderView::Fixed);
        groups_->setColumnWidth(c, 56);
    }
    groups_->setToolTip("\"Somma Liv.\": le condizioni attive che usano i livelli del gruppo, "
                        "cioè la somma più alta che una colonna può raggiungere");
    connect(groups_, &QTableWidget::itemChanged, this, &livellazione::takeGroup);
    connect(groups_, &QTableWidget::currentCellChanged, this, [this] { showMembers(); });

    allLevels_ = new QListWidget(frame);
    allLevels_->setObjectName("ListUna");
    for (int l = 1; l <= kLevelCount; ++l)
        allLevels_->addItem(qs(recoveryLevelName(l)));
    members_ = new QListWidget(frame);
    members_->setObjectName("ListDue");
    auto* add = namedButton("Aggiungi >>", "CommAggiungi", frame);
    auto* remove = namedButton("<< Togli", "CommTogli", frame);
    auto addCurrent = [this] {
        if (allLevels_->currentRow() >= 0)
            setMember(allLevels_->currentRow() + 1, true);
    };
    auto removeCurrent = [this] {
        if (const QListWidgetItem* item = members_->currentItem())
            setMember(item->data(Qt::UserRole).toInt(), false);
    };
    connect(add, &QPushButton::clicked, this, addCurrent);
    connect(allLevels_, &QListWidget::itemDoubleClicked, this, addCurrent);
    connect(remove, &QPushButton::clicked, this, removeCurrent);
    connect(members_, &QListWidget::itemDoubleClicked, this, removeCurrent);

    groupCaption_ = new QLabel(frame);
    auto* moves = new QVBoxLayout;
    moves->addStretch();
    moves->addWidget(add);
    moves->addWidget(remove);
    moves->addStretch();
    auto* lists = new QGridLayout;
    lists->addWidget(new QLabel("Livelli:", frame), 0, 0);
    lists->addWidget(groupCaption_, 0, 2);
    lists->addWidget(allLevels_, 1, 0);
    lists->addLayout(moves, 1, 1);
    lists->addWidget(members_, 1, 2);
    auto* layout = new QVBoxLayout(frame);
    layout->addWidget(groups_, 3);
    layout->addLayout(lists, 2);
    return frame;
}

// Every opening starts from the system's limits and the levels in use now.
void livellazione::showEvent(QShowEvent* event) {
    limits_ = state().levels;
    use_ = levelsInUse(state().conditions);
    addFamilyLevels(state().conditions, state().families, use_);
    fill();
    ChildWindow::showEvent(event);
}

void livellazione::fill() {
    filling_ = true;
    for (int l = 1; l <= kLevelCount; ++l) {
        const int row = l - 1;
        const int used = use_[static_cast<std::size_t>(l)];
        setCell(grid_, row, Level, qs(recoveryLevelName(l)), false);
        setCell(grid_, row, Max, QString::number(limits_.max(l)), true);
        setCell(grid_, row, Min, QString::number(limits_.min(l)), true);
        setCell(grid_, row, Used, QString::number(used), false);
        setCell(grid_, row, Tested, used > 0 ? "sì" : "no", false);
    }
    filling_ = false;
    for (int g = 1; g <= kMixedGroupCount; ++g)
        fillGroup(g);
    if (groups_->currentRow() < 0)
        groups_->setCurrentCell(0, Members);
    showMembers();
}

void livellazione::fillGroup(int group) {
    filling_ = true;
    QStringList names;
    int reach = 0;
    for (int l = 1; l <= kLevelCount; ++l)
        if (limits_.inGroup(l, group)) {
            names << qs(recoveryLevelName(l));
            reach += use_[static_cast<std::size_t>(l)];
        }
    const int row = group - 1;
    setCell(groups_, row, Number, QString::number(group), false);
    setCell(groups_, row, Members, names.join(" + "), false);
    setCell(groups_, row, Reach, names.isEmpty() ? QString() : QString::number(reach), false);
    setCell(groups_, row, GroupMax, QString::number(limits_.groupMax(group)), true);
    setCell(groups_, row, GroupMin, QString::number(limits_.groupMin(group)), true);
    filling_ = false;
}

int livellazione::currentGroup() const {
    return std::max(0, groups_->currentRow()) + 1;
}

void livellazione::showMembers() {
    const int group = currentGroup();
    groupCaption_->setText(QString("Nel gruppo N° %1:").arg(group));
    members_->clear();
    for (int l = 1; l <= kLevelCount; ++l)
        if (limits_.inGroup(l, group)) {
            auto* item = new QListWidgetItem(qs(recoveryLevelName(l)), members_);
            item->setData(Qt::UserRole, l);
        }
}

void livellazione::setMember(int level, bool on) {
    limits_.setInGroup(level, currentGroup(), on);
    fillGroup(currentGroup());
    showMembers();
}

void livellazione::takeLimit(QTableWidgetItem* item, int maxColumn, int minColumn,
                             const std::function<void(bool isMax, int value)>& set,
                             const std::function<std::pair<int, int>()>& kept) {
    if (filling_ || (item->column() != maxColumn && item->column() != minColumn))
        return;
    bool ok = false;
    const int value = item->text().trimmed().toInt(&ok);
    if (ok && value >= 0)
        set(item->column() == maxColumn, value);
    const auto [max, min] = kept();
    filling_ = true;
    QTableWidget* grid = item->tableWidget();
    grid->item(item->row(), maxColumn)->setText(QString::number(max));
    grid->item(item->row(), minColumn)->setText(QString::number(min));
    filling_ = false;
}

void livellazione::take(QTableWidgetItem* item) {
    const int level = item->row() + 1;
    takeLimit(
        item, Max, Min,
        [this, level](bool isMax, int v) {
            isMax ? limits_.setMax(level, v) : limits_.setMin(level, v);
        },
        [this, level] {
            return std::pair{limits_.max(level), limits_.min(level)};
        });
}

void livellazione::takeGroup(QTableWidgetItem* item) {
    const int group = item->row() + 1;
    takeLimit(
        item, GroupMax, GroupMin,
        [this, group](bool isMax, int v) {
            isMax ? limits_.setGroupMax(group, v) : limits_.setGroupMin(group, v);
        },
        [this, group] {
            return std::pair{limits_.groupMax(group), limits_.groupMin(group)};
        });
}

void livellazione::accept() {
    if (!(limits_ == state().levels)) {
        state().levels = limits_;
        state().modified = true;
    }
    closeWindow();
    shell().refresh();
}

bool livellazione::forgetEdits() {
    // Closing drops the copy of the limits, which belongs to the old system.
    return isVisible();
}

} // namespace varnelo
