#include "archive/ui/ColonneUscite.h"

#include "core/Delays.h"
#include "system/ArchiveTables.h"
#include "ui/Avviso.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QIntValidator>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

namespace varnelo {

ColonneUscite::ColonneUscite(ProgramState& state, QWidget* parent)
    : QDialog(parent), state_(state) {
    setObjectName("ColonneUscite");
    setWindowTitle("Aggiornamento archivio:");

    grid_ = new QTableWidget(0, 4, this);
    grid_->setObjectName("MSFlexGrid6");
    grid_->setHorizontalHeaderLabels({"Data", "Colonna vincente", "EuroNum 1", "EuroNum 2"});
    grid_->verticalHeader()->setDefaultSectionSize(20);
    grid_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grid_->setSelectionBehavior(QAbstractItemView::SelectRows);
    grid_->setSelectionMode(QAbstractItemView::SingleSelection);
    // The columns take what their text needs and the last one the rest, so
    // the grid never shows an empty band at its side.
    for (int c = 0; c < 3; ++c)
        grid_->horizontalHeader()->setSectionResizeMode(c, QHeaderView::ResizeToContents);
    grid_->horizontalHeader()->setSectionResizeMode(3, QHeaderView::Stretch);
    QFont mono("Monospace");
    mono.setStyleHint(QFont::TypeWriter);
    grid_->setFont(mono);

    auto* entry = new QGroupBox("Nuova estrazione:", this);
    auto* numbersRow = new QHBoxLayout;
    numbersRow->addWidget(new QLabel("Numeri", entry));
    auto* dateRow = new QHBoxLayout;
    dateRow->addWidget(new QLabel("Data", entry));
    auto box = [entry](const QString& name, int length, int width) {
        auto* f = new QLineEdit(entry);
        f->setObjectName(name);
        f->setMaxLength(length);
        f->setFixedWidth(width);
        f->setAlignment(Qt::AlignCenter);
        f->setValidator(new QIntValidator(0, 9999, f));
        return f;
    };
    for (int i = 0; i < 7; ++i) {
        if (i == 5) {
            numbersRow->addSpacing(12);
            numbersRow->addWidget(new QLabel("5+", entry));
        }
        numbers_[i] = box(QString("TextNumCol(%1)").arg(i), 2, 40);
        numbersRow->addWidget(numbers_[i]);
    }
    numbersRow->addStretch();
    const char* dateTips[3] = {"giorno", "mese", "anno"};
    for (int i = 0; i < 3; ++i) {
        date_[i] = box(QString("TextNumUsc(%1)").arg(i), i == 2 ? 4 : 2, i == 2 ? 60 : 40);
        date_[i]->setPlaceholderText(dateTips[i]);
        dateRow->addWidget(date_[i]);
    }
    dateRow->addStretch();
    auto* add = new QPushButton("Aggiungi", entry);
    add->setObjectName("CommAggiungi");
    connect(add, &QPushButton::clicked, this, &ColonneUscite::addFromFields);
    dateRow->addWidget(add);
    auto* entryLayout = new QVBoxLayout(entry);
    entryLayout->addLayout(numbersRow);
    entryLayout->addLayout(dateRow);

    count_ = new QLabel(this);
    count_->setObjectName("LabConcorsi");
    auto* remove = new QPushButton("Elimina", this);
    remove->setObjectName("CommElimina");
    connect(remove, &QPushButton::clicked, this, &ColonneUscite::removeSelected);
    auto* ok = new QPushButton("OK", this);
    ok->setObjectName("OK");
    connect(ok, &QPushButton::clicked, this, [this] {
        if (commit())
            accept();
    });
    auto* cancel = new QPushButton("Annulla", this);
    cancel->setObjectName("Annulla");
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(count_);
    buttons->addStretch();
    buttons->addWidget(remove);
    buttons->addWidget(ok);
    buttons->addWidget(cancel);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(grid_, 1);
    layout->addWidget(entry);
    layout->addLayout(buttons);
    resize(560, 560);

    std::vector<Notice> notices;
    open_ = editor_.open(state_.folder, notices);
    showNotices(notices, parent);
    fillGrid();
}

void ColonneUscite::fillGrid() {
    const auto& rows = editor_.rows();
    grid_->setRowCount(static_cast<int>(rows.size()));
    for (int r = 0; r < static_cast<int>(rows.size()); ++r) {
        const EditorRow& row = rows[static_cast<std::size_t>(r)];
        const std::string cells[4] = {row.date, row.numbers, row.numerone1, row.numerone2};
        for (int c = 0; c < 4; ++c)
            grid_->setItem(r, c, new QTableWidgetItem(QString::fromStdString(cells[c])));
    }
    // The newest draw, the one just added, shows on the last line.
    if (const int last = grid_->rowCount() - 1; last >= 0) {
        grid_->setCurrentCell(last, 0);
        grid_->scrollToItem(grid_->item(last, 0), QAbstractItemView::PositionAtBottom);
    }
    count_->setText(
        QString("Estrazioni nella griglia: %1").arg(QLocale().toString(grid_->rowCount())));
}

void ColonneUscite::addFromFields() {
    EditorEntry e;
    for (int i = 0; i < 5; ++i)
        e.numbers[static_cast<std::size_t>(i)] = numbers_[i]->text().toStdString();
    for (int i = 0; i < 2; ++i)
        e.numeroni[static_cast<std::size_t>(i)] = numbers_[5 + i]->text().toStdString();
    e.day = date_[0]->text().toStdString();
    e.month = date_[1]->text().toStdString();
    e.year = date_[2]->text().toStdString();
    if (const auto notice = editor_.add(e)) {
        Avviso::ask(*notice, this);
        return;
    }
    for (QLineEdit* f : numbers_)
        f->clear();
    changed_ = true;
    fillGrid();
    numbers_[0]->setFocus();
}

void ColonneUscite::removeSelected() {
    const int r = grid_->currentRow();
    if (r < 0)
        return;
    const Notice q{"Aggiornamento archivio:",
                   {editor_.removeQuestion(static_cast<std::size_t>(r))},
                   kNoticeYesNo,
                   true};
    if (Avviso::ask(q, this) != Avviso::Yes)
        return;
    editor_.remove(static_cast<std::size_t>(r));
    changed_ = true;
    fillGrid();
}

// Escape, the close box and "Annulla" never drop added or deleted draws
// without asking.
void ColonneUscite::reject() {
    if (changed_) {
        const Notice q{"Aggiornamento archivio:",
                       {"Salvare le modifiche all'archivio delle estrazioni?"},
                       kNoticeYesNoCancel};
        switch (Avviso::ask(q, this)) {
        case Avviso::Yes:
            if (commit())
                accept();
            return;
        case Avviso::No:
            break;
        default:
            return;
        }
    }
    QDialog::reject();
}

bool ColonneUscite::commit() {
    if (!open_)
        return true;
    const TaskOutcome out = editor_.commit(state_.folder);
    if (out.notice)
        Avviso::ask(*out.notice, this);
    if (out.status != TaskStatus::Done)
        return false;
    showNotices(refreshArchiveTables(state_), this);
    return true;
}

} // namespace varnelo
