#include "reduced/ui/PersonalTableChooser.h"

#include "system/ProgramState.h"
#include "system/SystemList.h"
#include "ui/Avviso.h"
#include "ui/DialogParts.h"
#include "ui/Shell.h"
#include "ui/TableModel.h"
#include "ui/Text.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QSortFilterProxyModel>
#include <QTableView>
#include <QVBoxLayout>

namespace varnelo {

namespace {

const QString kTablePattern = "*.rid";

// A pattern with an extension names whole files; without one it is taken
// for the name alone, so that "qor1" finds the system qor1 too.
bool matches(const QString& pattern, const std::string& name, const char* extension) {
    const QString p = pattern.trimmed().isEmpty() ? QString("*") : pattern.trimmed();
    const QRegularExpression re(QRegularExpression::wildcardToRegularExpression(p),
                                QRegularExpression::CaseInsensitiveOption);
    return re.match(qs(name + extension)).hasMatch() ||
           (!p.contains('.') && re.match(qs(name)).hasMatch());
}

} // namespace

PersonalTableChooser::PersonalTableChooser(Shell& shell, const QString& name, const QString& title)
    : ChildWindow(shell, name) {
    setWindowTitle(title);
    pattern_ = new QLineEdit(kTablePattern, this);
    pattern_->setObjectName("TextFile");
    pattern_->setToolTip("*.rid: i ridotti personali   *.sse: i sistemi   *: tutto");
    connect(pattern_, &QLineEdit::textChanged, this, &PersonalTableChooser::fill);
    auto* patternRow = new QHBoxLayout;
    patternRow->addWidget(new QLabel("File:", this));
    patternRow->addWidget(pattern_, 1);

    model_ = new TableModel(this);
    model_->setHeaders({"Nome", "Tipo", "Colonne", "Numeri in gioco", "Capogiochi", "Garanzia"});
    list_ = makeStatisticsView(model_, "ListRidotti", -1, this);
    sorted_ = static_cast<QSortFilterProxyModel*>(list_->model());
    list_->setSelectionMode(QAbstractItemView::SingleSelection);
    // Every heading shows whole; a long name takes what is left.
    list_->horizontalHeader()->setSectionResizeMode(0, QHeaderView::Stretch);
    list_->setMinimumSize(620, 240);
    connect(list_, &QTableView::doubleClicked, this, &PersonalTableChooser::open);

    open_ = namedButton("Apri", "CommApri", this);
    open_->setDefault(true);
    connect(open_, &QPushButton::clicked, this, &PersonalTableChooser::open);
    // A table is not applied nor opened while a development runs.
    connect(&shell.events(), &ShellEvents::busyChanged, open_, &QPushButton::setDisabled);
    auto* erase = namedButton(" Elimina sistema evidenziato ", "CommElimina", this);
    connect(erase, &QPushButton::clicked, this, &PersonalTableChooser::erase);
    auto* close = namedButton("Chiudi", "CommChiudi", this);
    connect(close, &QPushButton::clicked, this, [this] { closeWindow(); });
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(erase);
    buttons->addStretch();
    buttons->addWidget(open_);
    buttons->addWidget(close);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(patternRow);
    layout->addWidget(list_, 1);
    layout->addLayout(buttons);
    fill();
}

void PersonalTableChooser::showEvent(QShowEvent* event) {
    fill();
    ChildWindow::showEvent(event);
}

void PersonalTableChooser::fill() {
    const QString pattern = pattern_->text();
    const std::optional<Entry> was = highlighted();
    entries_.clear();
    QList<TableModel::Row> rows;
    for (const PersonalTableEntry& e : listPersonalTables(state().folder)) {
        if (!matches(pattern, e.name, ".rid"))
            continue;
        entries_.push_back({e.name, false});
        if (e.damaged) {
            rows << TableModel::Row{TableModel::text(qs(e.name)), TableModel::text("Danneggiato")};
            continue;
        }
        rows << TableModel::Row{TableModel::text(qs(e.name)),
                                TableModel::text("Ridotto"),
                                TableModel::integer(static_cast<qint64>(e.columns)),
                                TableModel::integer(e.numbersInPlay),
                                TableModel::integer(e.leaders),
                                TableModel::integer(e.guarantee)};
    }
    for (const SystemEntry& e : listSystems(state().folder)) {
        if (!matches(pattern, e.name, ".sse"))
            continue;
        entries_.push_back({e.name, true});
        rows << TableModel::Row{TableModel::text(qs(e.name)), TableModel::text("Sistema")};
    }
    model_->setRows(std::move(rows));
    // The row highlighted before stays so after a delete or a new pattern.
    int row = entries_.empty() ? -1 : 0;
    for (std::size_t i = 0; was && i < entries_.size(); ++i)
        if (entries_[i].name == was->name && entries_[i].system == was->system)
            row = static_cast<int>(i);
    if (row >= 0)
        list_->selectRow(sorted_->mapFromSource(model_->index(row, 0)).row());
}

std::optional<PersonalTableChooser::Entry> PersonalTableChooser::highlighted() const {
    const QModelIndexList rows = list_->selectionModel()->selectedRows();
    if (rows.isEmpty())
        return std::nullopt;
    const int row = sorted_->mapToSource(rows.front()).row();
    if (row < 0 || row >= static_cast<int>(entries_.size()))
        return std::nullopt;
    return entries_[static_cast<std::size_t>(row)];
}

bool PersonalTableChooser::refusedSystem(const Entry& e) {
    if (!e.system)
        return false;
    Avviso::ask(
        {"Avviso:",
         {"Questo e un Sistema!", "I sistemi si aprono e si eliminano", "da Gestione sistemi."}},
        this);
    return true;
}

void PersonalTableChooser::open() {
    const std::optional<Entry> e = highlighted();
    if (!e || refusedSystem(*e) || !open_->isEnabled())
        return;
    PersonalTable table;
    if (const auto damaged = loadPersonalTable(state().folder, e->name, table)) {
        Avviso::ask(*damaged, this);
        return;
    }
    openTable(table, e->name);
}

void PersonalTableChooser::erase() {
    const std::optional<Entry> e = highlighted();
    if (!e || refusedSystem(*e))
        return;
    if (Avviso::ask({"Ridotti personali:",
                     {"Eliminare il mio ridotto personale = " + e->name + " ?"},
                     kNoticeYesNo,
                     true},
                    this) != Avviso::Yes)
        return;
    if (const auto failed = deletePersonalTable(state().folder, e->name))
        Avviso::ask(*failed, this);
    fill();
}

} // namespace varnelo
