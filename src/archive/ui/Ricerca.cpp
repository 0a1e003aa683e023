#include "archive/ui/Ricerca.h"

#include "ui/OkCancel.h"

#include "core/Delays.h"
#include "system/ArchiveTables.h"
#include "ui/Avviso.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QSpinBox>
#include <QVBoxLayout>

namespace varnelo {

namespace {
const char* kMonths[12] = {"gennaio", "Febbraio", "Marzo",     "Aprile",  "Maggio",   "Giugno",
                           "Luglio",  "Agosto",   "Settembre", "Ottobre", "Novembre", "Dicembre"};
const char* kDays[7] = {"Lunedi",  "Martedi", "Mercoledi", "Giovedi",
                        "Venerdi", "Sabato",  "Domenica"};

void showAll(const std::vector<Notice>& notices, QWidget* parent) {
    for (const Notice& n : notices)
        Avviso::ask(n, parent);
}
} // namespace

Ricerca::Ricerca(ProgramState& state, QWidget* parent) : QDialog(parent), state_(state) {
    setObjectName("Ricerca");
    setWindowTitle("Impostazione di Ricerca   -  Sull'archivio delle colonne vincenti:");

    ArchiveContents contents;
    std::string error;
    if (readArchive(state_.folder.path("enal/archivio.cna"), kMaxArchiveLines, contents, error))
        archive_ = std::move(contents.draws);
    const int drawCount = static_cast<int>(archive_.size());

    auto* monthBox = new QGroupBox("Mesi:", this);
    auto* monthGrid = new QGridLayout(monthBox);
    for (int i = 0; i < 12; ++i) {
        months_[i] = new QCheckBox(kMonths[i], monthBox);
        months_[i]->setObjectName(QString("CheMese(%1)").arg(i + 1));
        monthGrid->addWidget(months_[i], i % 6, i / 6);
    }
    auto* posBox = new QGroupBox("Posizione nel mese:", this);
    auto* posGrid = new QGridLayout(posBox);
    for (int i = 0; i < 14; ++i) {
        positions_[i] = new QCheckBox(QString("%1° Concorso Mensile").arg(i + 1), posBox);
        positions_[i]->setObjectName(QString("CheSettimane(%1)").arg(i + 1));
        posGrid->addWidget(positions_[i], i % 7, i / 7);
    }
    auto* dayBox = new QGroupBox("Giorni:", this);
    auto* dayLayout = new QVBoxLayout(dayBox);
    for (int i = 0; i < 7; ++i) {
        weekdays_[i] = new QCheckBox(kDays[i], dayBox);
        weekdays_[i]->setObjectName(QString("CheGiorno(%1)").arg(i + 1));
        dayLayout->addWidget(weekdays_[i]);
    }

    auto* rangeBox = new QGroupBox("Concorsi da esaminare:", this);
    auto* rangeGrid = new QGridLayout(rangeBox);
    examine_[0] = new QRadioButton("Selezione dei concorsi", rangeBox);
    examine_[1] = new QRadioButton("Tutti i concorsi in Archivio", rangeBox);
    for (int i = 0; i < 2; ++i) {
        examine_[i]->setObjectName(QString("OptEsaminare(%1)").arg(i));
        rangeGrid->addWidget(examine_[i], 0, i);
        range_[i] = new QSpinBox(rangeBox);
        range_[i]->setObjectName(QString("TextColUsc(%1)").arg(i));
        range_[i]->setRange(1, std::max(1, drawCount));
        scroll_[i] = new QScrollBar(Qt::Horizontal, rangeBox);
        scroll_[i]->setObjectName(QString("Scrol1(%1)").arg(i));
        scroll_[i]->setRange(1, std::max(1, drawCount));
        rangeLabel_[i] = new QLabel(rangeBox);
        rangeLabel_[i]->setMinimumWidth(150);
        rangeGrid->addWidget(new QLabel(i == 0 ? "Dal concorso" : "Al concorso", rangeBox), 1 + i,
                             0);
        rangeGrid->addWidget(range_[i], 1 + i, 1);
        rangeGrid->addWidget(scroll_[i], 1 + i, 2);
        rangeGrid->addWidget(rangeLabel_[i], 1 + i, 3);
        connect(range_[i], &QSpinBox::valueChanged, scroll_[i], &QScrollBar::setValue);
        connect(scroll_[i], &QScrollBar::valueChanged, range_[i], &QSpinBox::setValue);
        connect(range_[i], &QSpinBox::valueChanged, this, [this] { updateCount(); });
    }
    rangeGrid->setColumnStretch(2, 1);
    connect(examine_[1], &QRadioButton::toggled, this, [this, drawCount](bool all) {
        if (all && drawCount > 0) {
            range_[0]->setValue(1);
            range_[1]->setValue(drawCount);
        }
        for (int i = 0; i < 2; ++i) {
            range_[i]->setEnabled(!all);
            scroll_[i]->setEnabled(!all);
        }
    });

    count_ = new QLabel(this);
    count_->setObjectName("LabConcorsiInGioco");
    QFont bold = count_->font();
    bold.setBold(true);
    count_->setFont(bold);

    auto* personalBox = new QGroupBox("Archivi personali:", this);
    auto* personalLayout = new QHBoxLayout(personalBox);
    personal_ = new QComboBox(personalBox);
    personal_->setObjectName("ComboArchivi");
    for (const auto& name : personalArchives(state_.folder))
        personal_->addItem(QString::fromStdString(name));
    auto* usePersonalButton = new QPushButton("Usa questo archivio", personalBox);
    usePersonalButton->setObjectName("CommArchivio");
    usePersonalButton->setEnabled(personal_->count() > 0);
    connect(usePersonalButton, &QPushButton::clicked, this, &Ricerca::usePersonal);
    personalLayout->addWidget(personal_, 1);
    personalLayout->addWidget(usePersonalButton);

    for (QCheckBox* b : months_)
        connect(b, &QCheckBox::toggled, this, [this] { updateCount(); });
    for (QCheckBox* b : positions_)
        connect(b, &QCheckBox::toggled, this, [this] { updateCount(); });
    for (QCheckBox* b : weekdays_)
        connect(b, &QCheckBox::toggled, this, [this] { updateCount(); });

    auto* buttons = okCancelButtons(this, false);
    connect(buttons, &QDialogButtonBox::accepted, this, [this] {
        if (apply())
            accept();
    });
    auto* top = new QHBoxLayout;
    top->addWidget(monthBox);
    top->addWidget(posBox);
    top->addWidget(dayBox);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(rangeBox);
    layout->addWidget(count_);
    layout->addWidget(personalBox);
    layout->addWidget(buttons);
    load(loadSearchSettings(state_.folder));
}

void Ricerca::load(const SearchSettings& s) {
    loading_ = true;
    for (int i = 0; i < 12; ++i)
        months_[i]->setChecked(s.months[static_cast<std::size_t>(i)]);
    for (int i = 0; i < 14; ++i)
        positions_[i]->setChecked(s.positions[static_cast<std::size_t>(i)]);
    for (int i = 0; i < 7; ++i)
        weekdays_[i]->setChecked(s.weekdays[static_cast<std::size_t>(i)]);
    // Stored ranges may reach past the archive: the boxes show them clamped.
    range_[0]->setValue(s.first);
    range_[1]->setValue(std::min<std::int32_t>(s.last, range_[1]->maximum()));
    examine_[s.examine[1] ? 1 : 0]->setChecked(true);
    loading_ = false;
    updateCount();
}

SearchSettings Ricerca::settings() const {
    SearchSettings s;
    for (int i = 0; i < 12; ++i)
        s.months[static_cast<std::size_t>(i)] = months_[i]->isChecked();
    for (int i = 0; i < 14; ++i)
        s.positions[static_cast<std::size_t>(i)] = positions_[i]->isChecked();
    for (int i = 0; i < 7; ++i)
        s.weekdays[static_cast<std::size_t>(i)] = weekdays_[i]->isChecked();
    s.examine = {examine_[0]->isChecked() ? 1 : 0, examine_[1]->isChecked() ? 1 : 0};
    s.first = range_[0]->value();
    s.last = range_[1]->value();
    return s;
}

void Ricerca::updateCount() {
    if (loading_)
        return;
    const SearchSettings s = settings();
    const auto selected = selectDraws(archive_, s);
    count_->setText(
        QString::fromStdString(selectionCountText(static_cast<std::int32_t>(selected.size()))));
    for (int i = 0; i < 2; ++i) {
        const int index = range_[i]->value();
        rangeLabel_[i]->setText(
            index >= 1 && index <= static_cast<int>(archive_.size())
                ? QString::fromStdString(rangeLabel(archive_[static_cast<std::size_t>(index - 1)]))
                : QString());
    }
}

bool Ricerca::apply() {
    const SearchSettings s = settings();
    const SelectionOutcome out = buildStatisticsSelection(state_.folder, s);
    showAll(out.notices, this);
    if (!out.ok)
        return false;
    std::string error;
    if (!saveSearchSettings(state_.folder, s, error))
        Avviso::ask({"Avviso:", {error}}, this);
    showAll(refreshArchiveTables(state_), this);
    return true;
}

void Ricerca::usePersonal() {
    const SelectionOutcome out =
        usePersonalArchive(state_.folder, personal_->currentText().toStdString());
    showAll(out.notices, this);
    if (out.ok) {
        showAll(refreshArchiveTables(state_), this);
        accept();
    }
}

} // namespace varnelo
