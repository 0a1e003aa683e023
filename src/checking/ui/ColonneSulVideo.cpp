#include "checking/ui/ColonneSulVideo.h"

#include "checking/ui/ColumnAnalyses.h"
#include "columns/ColumnView.h"
#include "system/ColumnSystems.h"
#include "system/ProgramState.h"
#include "system/SystemStorage.h"
#include "ui/Avviso.h"
#include "ui/ColumnListModel.h"
#include "ui/DialogParts.h"
#include "ui/NameDialog.h"
#include "ui/NumberBoard.h"
#include "ui/Shell.h"
#include "ui/Text.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QIntValidator>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTableView>
#include <QVBoxLayout>

#include <algorithm>

namespace varnelo {

namespace {

const char* kInsertCaption = "Inserisci nuova colonna";
const char* kChangeCaption = "Modifica  colonna";

QString dashed(const std::vector<int>& numbers) {
    QStringList parts;
    for (int n : numbers)
        parts << QString::number(n);
    return parts.join('-');
}

std::int32_t totalOf(const ColumnStore& c) {
    return std::max(c.systemTotal, c.storedCount);
}

} // namespace

ColonneSulVideo::ColonneSulVideo(Shell& shell)
    : ChildWindow(shell, "ColonneSulVideo"), view_(std::make_unique<ColumnStore>()) {
    analyses_ = new ColumnAnalyses(shell, *view_, this);
    connect(analyses_, &ColumnAnalyses::runningChanged, this, &ColonneSulVideo::updateCommands);
    auto* layout = new QHBoxLayout(this);
    layout->addWidget(makeListPanel());
    layout->addWidget(makeEditPanel());
    layout->addWidget(analyses_, 1);
    connect(&shell.events(), &ShellEvents::busyChanged, this, [this](bool busy) {
        updateCommands();
        if (!busy)
            followSystem();
    });
    load();
}

// The calculation reads the window's columns: it must end before they go.
ColonneSulVideo::~ColonneSulVideo() {
    delete analyses_;
}

QSize ColonneSulVideo::sizeHint() const {
    return {1120, 620};
}

QWidget* ColonneSulVideo::makeListPanel() {
    auto* panel = new QWidget(this);
    header_ = new QLabel(panel);
    header_->setObjectName("LabSistema");
    header_->setWordWrap(true);
    header_->setMaximumWidth(340);
    find_ = new QLineEdit(panel);
    find_->setObjectName("TextColUsc");
    find_->setValidator(new QIntValidator(1, kColumnViewLimit, find_));
    find_->setMaximumWidth(90);
    connect(find_, &QLineEdit::returnPressed, this, &ColonneSulVideo::goToColumn);
    auto* go = namedButton("Vai", "CommVai", panel);
    connect(go, &QPushButton::clicked, this, &ColonneSulVideo::goToColumn);
    auto* findRow = new QHBoxLayout;
    findRow->addWidget(new QLabel("Colonna N°:", panel));
    findRow->addWidget(find_);
    findRow->addWidget(go);
    findRow->addStretch(1);

    model_ = new ColumnListModel(*view_, this);
    list_ = new QTableView(panel);
    list_->setObjectName("MSFlexGrid1");
    list_->setModel(model_);
    list_->verticalHeader()->hide();
    // Fixed rows: the view never measures 100,000 of them.
    list_->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    list_->verticalHeader()->setDefaultSectionSize(20);
    list_->horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    list_->setColumnWidth(ColumnListModel::Number, 90);
    for (int c = ColumnListModel::Position1; c <= ColumnListModel::Position5; ++c)
        list_->setColumnWidth(c, 38);
    list_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    list_->setSelectionBehavior(QAbstractItemView::SelectRows);
    list_->setSelectionMode(QAbstractItemView::SingleSelection);
    list_->setMinimumWidth(90 + 5 * 38 + list_->verticalScrollBar()->sizeHint().width() + 6);
    connect(list_->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            &ColonneSulVideo::rowChosen);
    count_ = new QLabel(panel);
    count_->setObjectName("LabColonne");

    auto* layout = new QVBoxLayout(panel);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(header_);
    layout->addLayout(findRow);
    layout->addWidget(list_, 1);
    layout->addWidget(count_);
    return panel;
}

QWidget* ColonneSulVideo::makeEditPanel() {
    auto* panel = new QWidget(this);
    auto* frame = new QGroupBox("Colonna", panel);
    board_ = new MarkBoard("MSFCV", frame);
    pron_ = new QCheckBox("Evidenzia i numeri del sistema", frame);
    pron_->setObjectName("Pron");
    pron_->setChecked(true);
    connect(pron_, &QCheckBox::toggled, this, &ColonneSulVideo::showHeader);
    auto* frameLayout = new QVBoxLayout(frame);
    frameLayout->addWidget(board_->widget());
    frameLayout->addWidget(pron_);

    auto* commands = new QGroupBox("Comandi", panel);
    auto* grid = new QGridLayout(commands);
    const struct {
        int index;
        const char* caption;
        int row, column;
    } keys[] = {{2, kInsertCaption, 0, 0},   {1, "Elimina colonna", 1, 0},
                {3, "Probabilita", 2, 0},    {4, "Torta", 2, 1},
                {9, "Spoglio", 3, 0},        {5, "Salva", 4, 0},
                {8, "Salva col nome", 4, 1}, {0, "Esci", 5, 1}};
    for (const auto& k : keys) {
        QPushButton* b =
            namedButton(k.caption, QString("TastiColViveo(%1)").arg(k.index), commands);
        const int index = k.index;
        connect(b, &QPushButton::clicked, this, [this, index] { command(index); });
        grid->addWidget(b, k.row, k.column);
        keys_[index] = b;
    }
    newColumn_ = namedButton("Nuova colonna", "CommNuova", commands);
    connect(newColumn_, &QPushButton::clicked, this, [this] {
        list_->clearSelection();
        board_->setMarked({});
        rowChosen();
    });
    grid->addWidget(newColumn_, 0, 1);
    grid->addWidget(new QLabel(commands), 1, 1);

    auto* layout = new QVBoxLayout(panel);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(frame);
    layout->addWidget(commands);
    layout->addStretch(1);
    return panel;
}

void ColonneSulVideo::command(int index) {
    if ((analyses_->isRunning() || shell().isBusy()) && index != 0)
        return;
    switch (index) {
    case 0:
        closeWindow();
        break;
    case 1:
        removeSelected();
        break;
    case 2:
        insertOrChange();
        break;
    case 3:
        analyses_->probabilities();
        break;
    case 4:
        analyses_->pie();
        break;
    case 5:
    case 6:
    case 7:
        save();
        break;
    case 8:
        saveAs();
        break;
    case 9: {
        Combination c;
        for (int n : board_->marked())
            c.numbers[static_cast<std::size_t>(n)] = true;
        analyses_->check(c);
        break;
    }
    default:
        break;
    }
}

void ColonneSulVideo::load() {
    const ColumnStore& system = state().columns;
    const std::int32_t total = totalOf(system);
    if (const auto refused = loadColumnView(system, *view_)) {
        view_->clear();
        // Told once per system, not on every refresh of the frame.
        if (refusedTotal_ != total)
            Avviso::ask(*refused, shell().mainWidget());
        refusedTotal_ = total;
    } else {
        refusedTotal_.reset();
    }
    changed_ = false;
    model_->reload();
    board_->setMarked({});
    rowChosen();
    analyses_->columnsChanged();
    showHeader();
    showCount();
    updateCommands();
}

// Without changes of its own the window shows the system's columns as they are now.
void ColonneSulVideo::followSystem() {
    // A hidden window catches up when shown, and never tells anything meanwhile.
    if (!isVisible()) {
        reloadOnShow_ = true;
        return;
    }
    if (shell().isBusy() || analyses_->isRunning())
        return;
    showHeader();
    showCount();
    if (changed_)
        return;
    const bool upToDate = refusedTotal_ ? *refusedTotal_ == totalOf(state().columns)
                                        : sameColumns(state().columns, *view_);
    if (!upToDate)
        load();
}

void ColonneSulVideo::systemChanged() {
    followSystem();
}

bool ColonneSulVideo::forgetEdits() {
    changed_ = false;
    return false;
}

void ColonneSulVideo::showEvent(QShowEvent* event) {
    ChildWindow::showEvent(event);
    if (reloadOnShow_) {
        reloadOnShow_ = false;
        followSystem();
    }
}

void ColonneSulVideo::showHeader() {
    const ProgramState& s = state();
    setWindowTitle("Colonne sul video   ...Nome sistema = " + qs(s.systemName));
    const std::vector<int> numbers = s.selection.chosenNumbers();
    header_->setText("Sistema = " + qs(s.systemName) + "\nNumeri (" +
                     countText(qlonglong(numbers.size())) + "): " + dashed(numbers) +
                     "\nCapogiochi: " + dashed(s.selection.fixedNumbers()));
    board_->setHighlighted(pron_->isChecked() ? numbers : std::vector<int>{});
}

void ColonneSulVideo::showCount() {
    if (refusedTotal_) {
        count_->setText("Colonne N°= " + countText(*refusedTotal_) + "   Max 100.000 colonne.");
        return;
    }
    count_->setText("Numero colonne = " + countText(view_->storedCount) +
                    (changed_ ? "   (modifiche non salvate)" : ""));
}

int ColonneSulVideo::selectedRow() const {
    const QModelIndexList rows = list_->selectionModel()->selectedRows();
    return rows.isEmpty() ? -1 : rows.first().row();
}

void ColonneSulVideo::selectRow(int row) {
    list_->selectRow(row);
    list_->scrollTo(model_->index(row, 0), QAbstractItemView::PositionAtCenter);
}

// The board shows the column chosen in the list, ready to be changed.
void ColonneSulVideo::rowChosen() {
    const int row = selectedRow();
    if (row >= 0) {
        const Column c = view_->column(row + 1);
        board_->setMarked(std::vector<int>(c.begin(), c.end()));
    }
    keys_[2]->setText(row >= 0 ? kChangeCaption : kInsertCaption);
}

void ColonneSulVideo::goToColumn() {
    const int n = find_->text().toInt();
    if (n < 1 || n > view_->storedCount) {
        Avviso::ask(Notice{"Avviso",
                           {"La colonna N° " + find_->text().toStdString() + " non esiste:",
                            "le colonne sono " + std::to_string(view_->storedCount)}},
                    this);
        return;
    }
    selectRow(ColumnListModel::rowOfColumn(n));
}

void ColonneSulVideo::insertOrChange() {
    Column c;
    if (const auto refused = columnOfMarks(board_->marked(), c)) {
        Avviso::ask(*refused, this);
        return;
    }
    const int row = selectedRow();
    if (row >= 0) {
        view_->store(row + 1, c);
        model_->reload();
        selectRow(row);
    } else {
        if (const auto full = appendColumn(*view_, c)) {
            Avviso::ask(*full, this);
            return;
        }
        model_->reload();
        list_->scrollToBottom();
        board_->setMarked({});
        rowChosen();
    }
    edited();
}

void ColonneSulVideo::removeSelected() {
    const int row = selectedRow();
    if (row < 0) {
        Avviso::ask(Notice{"Avviso", {"Evidenziare prima nella lista", "la colonna da eliminare."}},
                    this);
        return;
    }
    removeColumn(*view_, row + 1);
    model_->reload();
    board_->setMarked({});
    rowChosen();
    edited();
}

void ColonneSulVideo::edited() {
    changed_ = true;
    analyses_->columnsChanged();
    showCount();
    updateCommands();
}

void ColonneSulVideo::save() {
    if (!changed_) {
        shell().runCommand("Salva");
        return;
    }
    const std::string name = state().systemName;
    // Hand-made changes make a column-defined system of one built from conditions.
    if (!state().options.imported() &&
        Avviso::ask(keepChangesQuestion(name, false), this) != Avviso::Yes)
        return;
    write(name);
}

void ColonneSulVideo::saveAs() {
    NameDialog dialog("SalvaColonne", "Salva col nome:", qs(state().systemName), this);
    if (dialog.exec() != QDialog::Accepted)
        return;
    SaveAsDecision d = decideResultName(state().folder, dialog.name().toStdString(), {}, {});
    if (d.step == SaveAsStep::Refuse) {
        Avviso::ask(d.notice.value_or(Notice{}), this);
        return;
    }
    if (d.step == SaveAsStep::AskOverwrite && Avviso::ask(*d.notice, this) != Avviso::Yes)
        return;
    // The saved columns become the current system: the one it replaces may
    // have changes of its own.
    if (d.name != state().systemName)
        if (const auto question = savePrompt(state())) {
            const Avviso::Reply reply = Avviso::ask(*question, this);
            if (reply == Avviso::Cancel || (reply == Avviso::Yes && !shell().runCommand("Salva")))
                return;
        }
    write(d.name);
}

bool ColonneSulVideo::write(const std::string& name) {
    const TaskOutcome saved = saveColumnSystem(state().folder, name, columnsOf(*view_));
    if (!saved.done()) {
        if (saved.notice)
            Avviso::ask(*saved.notice, this);
        return false;
    }
    changed_ = false;
    Progress progress;
    const TaskOutcome opened = openSystem(state(), name, progress);
    if (opened.notice)
        Avviso::ask(*opened.notice, this);
    Q_EMIT shell().events().systemReplaced();
    shell().refresh();
    Avviso::ask(savedAsColumnsNotice(name), this);
    return opened.done();
}

// While an analysis or another window's job runs only "Esci" answers; a
// system too large for the view has nothing to edit.
void ColonneSulVideo::updateCommands() {
    const bool busy = analyses_->isRunning() || shell().isBusy();
    const bool editable = !busy && !refusedTotal_;
    for (auto it = keys_.begin(); it != keys_.end(); ++it)
        it.value()->setEnabled(it.key() == 0 || editable);
    newColumn_->setEnabled(editable);
}

void ColonneSulVideo::closeEvent(QCloseEvent* event) {
    // A calculation stops first; the window closes when it has.
    if (analyses_->closeWhenEnded([this] { closeWindow(); })) {
        event->ignore();
        return;
    }
    if (changed_) {
        switch (Avviso::ask(keepChangesQuestion(state().systemName, true), this)) {
        case Avviso::Yes:
            if (!write(state().systemName)) {
                event->ignore();
                return;
            }
            break;
        case Avviso::No:
            changed_ = false;
            break;
        default:
            event->ignore();
            return;
        }
    }
    reloadOnShow_ = true;
    ChildWindow::closeEvent(event);
}

} // namespace varnelo
