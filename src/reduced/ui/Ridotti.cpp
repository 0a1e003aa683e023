#include "reduced/ui/Ridotti.h"

#include "conditions/FamilyFiles.h"
#include "system/ProgramState.h"
#include "ui/Avviso.h"
#include "ui/DialogParts.h"
#include "ui/NameDialog.h"
#include "ui/NumberBoard.h"
#include "ui/Shell.h"
#include "ui/TableModel.h"
#include "ui/Text.h"

#include <QCloseEvent>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTableView>
#include <QVBoxLayout>

#include <algorithm>

namespace varnelo {

namespace {

const QString kTitle = "Ridotti personali";

QPushButton* command(const QString& caption, const QString& name, QWidget* parent,
                     const QString& tip) {
    QPushButton* b = namedButton(caption, name, parent);
    b->setToolTip(tip);
    return b;
}

} // namespace

Ridotti::Ridotti(Shell& shell) : ChildWindow(shell, "Ridotti") {
    auto* left = new QVBoxLayout;
    left->addWidget(makeBoardFrame());
    left->addWidget(makeHeaderFrame());
    left->addWidget(makeColumnCommands());
    left->addStretch();
    auto* top = new QHBoxLayout;
    top->addLayout(left);
    top->addWidget(makeListFrame(), 1);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top, 1);
    layout->addLayout(makeTableCommands());
    showTable();
}

QGroupBox* Ridotti::makeBoardFrame() {
    auto* frame = new QGroupBox("Posizioni della colonnina:", this);
    board_ = new MarkBoard("MSFCV", frame);
    changing_ = new QLabel(frame);
    changing_->setObjectName("LabModifica");
    changing_->setStyleSheet("color: #b00000;");
    auto* hint = new QLabel("Segna cinque caselle (clic, oppure Spazio sulla casella\n"
                            "scelta con le frecce), poi \"Inserisci colonnina\".",
                            frame);
    auto* layout = new QVBoxLayout(frame);
    layout->addWidget(board_->widget());
    layout->addWidget(hint);
    layout->addWidget(changing_);
    return frame;
}

QGroupBox* Ridotti::makeHeaderFrame() {
    auto* frame = new QGroupBox("Dati del ridotto:", this);
    inPlay_ = new QSpinBox(frame);
    inPlay_->setObjectName("TextNumeri");
    inPlay_->setRange(0, kMaxNumber);
    leaders_ = new QSpinBox(frame);
    leaders_->setObjectName("TextCapogiochi");
    leaders_->setRange(0, kMaxFixed);
    connect(inPlay_, &QSpinBox::valueChanged, this, [this](int n) { edit_.setNumbersInPlay(n); });
    connect(leaders_, &QSpinBox::valueChanged, this, [this](int n) { edit_.setLeaders(n); });
    auto* guarantees = new QHBoxLayout;
    for (int i = 0; i < 3; ++i) {
        guarantee_[i] = new QRadioButton(QString("Garanzia   %1").arg(i + 2), frame);
        guarantee_[i]->setObjectName(QString("OptGaranzia(%1)").arg(i));
        connect(guarantee_[i], &QRadioButton::toggled, this, [this, i](bool on) {
            if (on)
                edit_.setGuarantee(i + 2);
        });
        guarantees->addWidget(guarantee_[i]);
    }
    guarantees->addStretch();
    auto* fields = new QHBoxLayout;
    fields->addWidget(new QLabel("Numeri in gioco", frame));
    fields->addWidget(inPlay_);
    fields->addSpacing(16);
    fields->addWidget(new QLabel("Numeri capogiochi", frame));
    fields->addWidget(leaders_);
    fields->addStretch();
    auto* layout = new QVBoxLayout(frame);
    layout->addLayout(fields);
    layout->addLayout(guarantees);
    return frame;
}

QGroupBox* Ridotti::makeColumnCommands() {
    auto* frame = new QGroupBox("Colonnina:", this);
    const struct {
        const char* caption;
        const char* name;
        const char* tip;
        void (Ridotti::*act)();
    } defs[] = {
        {"Inserisci colonnina", "CommInserisci", "Aggiunge in fondo alla lista le caselle segnate",
         &Ridotti::insertColumn},
        {"Modifica colonnina", "CommModifica",
         "Riporta sul quadro la colonnina evidenziata nella lista", &Ridotti::beginChange},
        {"Inserisci modifica colonnina", "CommInserisciModifica",
         "Scrive le caselle segnate al posto della colonnina in modifica", &Ridotti::endChange},
        {"Elimina colonnina evidenziata", "CommElimina",
         "Toglie dalla lista la colonnina evidenziata", &Ridotti::eraseColumn},
        {"Annulla inserimento", "CommAnnulla", "Pulisce il quadro e lascia la lista com'è",
         &Ridotti::cancelInsertion},
    };
    auto* layout = new QGridLayout(frame);
    int at = 0;
    for (const auto& d : defs) {
        QPushButton* b = command(d.caption, d.name, frame, d.tip);
        connect(b, &QPushButton::clicked, this, d.act);
        layout->addWidget(b, at / 2, at % 2);
        ++at;
    }
    return frame;
}

QGroupBox* Ridotti::makeListFrame() {
    auto* frame = new QGroupBox("Colonnine del ridotto:", this);
    columns_ = new TableModel(this);
    columns_->setHeaders({"N°", "Pos. 1", "Pos. 2", "Pos. 3", "Pos. 4", "Pos. 5"});
    // Sorting would part the rows from the columns they stand for.
    list_ = makeStatisticsView(columns_, "MSFlexGrid1", -1, frame);
    list_->setSortingEnabled(false);
    list_->setSelectionMode(QAbstractItemView::SingleSelection);
    list_->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    list_->setMinimumSize(6 * 58 + 24, 300);
    connect(list_, &QTableView::doubleClicked, this, &Ridotti::beginChange);
    count_ = new QLabel(frame);
    count_->setObjectName("LabColonne");
    auto* layout = new QVBoxLayout(frame);
    layout->addWidget(list_, 1);
    layout->addWidget(count_);
    return frame;
}

QLayout* Ridotti::makeTableCommands() {
    auto* newButton = command("Nuovo", "CommNuovo", this, "Comincia un ridotto vuoto");
    connect(newButton, &QPushButton::clicked, this, &Ridotti::newTable);
    auto* open = command("Apri", "CommApri", this, "Apre un ridotto della cartella ridotti");
    connect(open, &QPushButton::clicked, this, [this] { shell().runCommand("GestioneRidotto"); });
    auto* saveButton = command("Salva", "CommSalva", this, "Salva il ridotto col suo nome");
    connect(saveButton, &QPushButton::clicked, this, [this] { save(false); });
    auto* saveAs = command("Salva col nome", "CommSalvaNome", this, "Salva il ridotto con un nome");
    connect(saveAs, &QPushButton::clicked, this, [this] { save(true); });
    auto* verifyButton = command("Verifica garanzia", "CommVerifica", this,
                                 "Controlla che il ridotto dia davvero la garanzia scelta");
    connect(verifyButton, &QPushButton::clicked, this, &Ridotti::verify);
    auto* close = command("Chiudi", "CommChiudi", this, "Chiude la finestra");
    connect(close, &QPushButton::clicked, this, [this] { closeWindow(); });
    auto* row = new QHBoxLayout;
    for (QPushButton* b : {newButton, open, saveButton, saveAs, verifyButton})
        row->addWidget(b);
    row->addStretch();
    row->addWidget(close);
    return row;
}

bool Ridotti::accepted(const std::optional<Notice>& notice) {
    if (!notice)
        return true;
    Avviso::ask(*notice, this);
    return false;
}

std::optional<std::size_t> Ridotti::highlighted() const {
    const QModelIndexList rows = list_->selectionModel()->selectedRows();
    if (rows.isEmpty())
        return std::nullopt;
    return static_cast<std::size_t>(rows.front().row());
}

void Ridotti::showTable(std::optional<std::size_t> row) {
    const PersonalTable& t = edit_.table();
    QList<TableModel::Row> rows;
    rows.reserve(static_cast<qsizetype>(t.columns.size()));
    for (std::size_t i = 0; i < t.columns.size(); ++i) {
        TableModel::Row cells = {TableModel::integer(static_cast<qint64>(i + 1))};
        for (const auto p : t.columns[i])
            cells << TableModel::integer(p);
        rows << cells;
    }
    columns_->setRows(std::move(rows));
    if (row && *row < t.columns.size()) {
        list_->selectRow(static_cast<int>(*row));
        list_->scrollTo(list_->model()->index(static_cast<int>(*row), 0));
    }
    count_->setText("Colonnine = " + countText(static_cast<qlonglong>(t.columns.size())));
    // The fields show the table; only the player's own changes go back to it.
    const QSignalBlocker blockInPlay(inPlay_), blockLeaders(leaders_);
    inPlay_->setValue(t.numbersInPlay);
    leaders_->setValue(t.leaders);
    for (int i = 0; i < 3; ++i) {
        const QSignalBlocker block(guarantee_[i]);
        guarantee_[i]->setChecked(t.guarantee == i + 2);
    }
    setWindowTitle(edit_.name().empty() ? kTitle
                                        : kTitle + "   ...Nome sistema = " + qs(edit_.name()));
    showChanging();
}

void Ridotti::showChanging() {
    const auto row = edit_.changing();
    changing_->setText(row ? QString("Colonnina N° %1 in modifica: segna le caselle nuove\n"
                                     "e premi \"Inserisci modifica colonnina\".")
                                 .arg(*row + 1)
                           : QString());
}

void Ridotti::insertColumn() {
    if (!accepted(edit_.insert(board_->marked())))
        return;
    board_->setMarked({});
    showTable(edit_.table().columns.size() - 1);
}

void Ridotti::beginChange() {
    std::vector<int> marked;
    if (!accepted(edit_.beginChange(highlighted(), marked)))
        return;
    board_->setMarked(marked);
    showChanging();
}

void Ridotti::endChange() {
    const auto row = edit_.changing();
    if (!accepted(edit_.endChange(board_->marked())))
        return;
    board_->setMarked({});
    showTable(row);
}

void Ridotti::eraseColumn() {
    const auto row = highlighted();
    if (!accepted(edit_.erase(row)))
        return;
    const std::size_t left = edit_.table().columns.size();
    showTable(left == 0 ? std::nullopt : std::optional(std::min(*row, left - 1)));
}

void Ridotti::cancelInsertion() {
    edit_.cancelChange();
    board_->setMarked({});
    showChanging();
}

void Ridotti::newTable() {
    if (!settled())
        return;
    edit_.start({}, "");
    board_->setMarked({});
    showTable();
}

bool Ridotti::openTable(PersonalTable table, const std::string& name) {
    if (!settled())
        return false;
    edit_.start(std::move(table), name);
    board_->setMarked({});
    showTable(edit_.table().columns.empty() ? std::nullopt : std::optional<std::size_t>(0));
    shell().showChild(this);
    return true;
}

bool Ridotti::save(bool askName) {
    if (edit_.table().columns.empty())
        return accepted(Notice{"Avviso:", {"Il ridotto non ha colonnine da salvare."}});
    const ProgramFolder& folder = state().folder;
    std::string name = edit_.name();
    if (askName || name.empty()) {
        NameDialog dialog("SalvaRidotto", "Nome del ridotto:", qs(defaultPersonalName(folder)),
                          this);
        if (dialog.exec() != QDialog::Accepted)
            return false;
        name = dialog.name().trimmed().toStdString();
        if (name.empty() || (personalTableExists(folder, name) &&
                             Avviso::ask(replaceFileQuestion("ridotti/" + name + ".rid", name),
                                         this) != Avviso::Yes))
            return false;
    }
    if (!accepted(savePersonalTable(folder, name, edit_.table())))
        return false;
    edit_.saved(name);
    showTable(highlighted());
    return true;
}

void Ridotti::verify() {
    Avviso::ask(personalGuaranteeReport(edit_.table()), this);
}

bool Ridotti::settled() {
    if (!edit_.modified())
        return true;
    const std::string& name = edit_.name();
    const Notice question{
        "Ridotti personali:",
        name.empty() ? std::vector<std::string>{"Il nuovo ridotto non è stato "
                                                "salvato.",
                                                "Salvarlo ora?"}
                     : std::vector<std::string>{"Il ridotto = " + name + " è stato modificato.",
                                                "Salvare le modifiche?"},
        kNoticeYesNoCancel};
    switch (Avviso::ask(question, this)) {
    case Avviso::Yes:
        return save(false);
    case Avviso::No:
        return true;
    default:
        return false;
    }
}

void Ridotti::closeEvent(QCloseEvent* event) {
    if (!settled()) {
        event->ignore();
        return;
    }
    // Changes the player chose to drop are not there when the window opens again.
    if (edit_.modified()) {
        edit_.start({}, "");
        board_->setMarked({});
        showTable();
    }
    ChildWindow::closeEvent(event);
}

} // namespace varnelo
