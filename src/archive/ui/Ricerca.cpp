#include "archive/ui/Ricerca.h"

#include "ui/DialogParts.h"

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

#include <functional>

namespace varnelo {

namespace {
const char* kMonths[12] = {"gennaio", "Febbraio", "Marzo",     "Aprile",  "Maggio",   "Giugno",
                           "Luglio",  "Agosto",   "Settembre", "Ottobre", "Novembre", "Dicembre"};
const char* kDays[7] = {"Lunedi",  "Martedi", "Mercoledi", "Giovedi",
                        "Venerdi", "Sabato",  "Domenica"};

} // namespace

Ricerca::Ricerca(ProgramState& state, QWidget* parent) : QDialog(parent), state_(state) {
    setObjectName("Ricerca");
    setWindowTitle("Impostazione di Ricerca   -  Sull'archivio delle colonne vincenti:");

    ArchiveContents contents;
    std::string error;
    if (readArchive(state_.folder.path("enal/archivio.cna"), kMaxArchiveLines, contents, error))
        archive_ = std::move(contents.draws);
    const int drawCount = static_cast<int>(archive_.size());

    auto* top = new QHBoxLayout;
    top->addWidget(checkFrame("Mesi:", "CheMese(%1)", 6, months_, 12,
                              [](int i) { return QString(kMonths[i]); }));
    top->addWidget(checkFrame("Posizione nel mese:", "CheSettimane(%1)", 7, positions_, 14,
                              [](int i) { return QString("%1° Concorso Mensile").arg(i + 1); }));
    top->addWidget(checkFrame("Giorni:", "CheGiorno(%1)", 7, weekdays_, 7,
                              [](int i) { return QString(kDays[i]); }));
    QWidget* range = makeRangeFrame(drawCount);

    count_ = new QLabel(this);
    count_->setObjectName("LabConcorsiInGioco");
    QFont bold = count_->font();
    bold.setBold(true);
    count_->setFont(bold);

    auto* buttons = okCancelButtons(this, false);
    connect(buttons, &QDialogButtonBox::accepted, this, [this] {
        if (apply())
            accept();
    });
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(range);
    layout->addWidget(count_);
    layout->addWidget(makePersonalFrame());
    layout->addWidget(buttons);
    load(loadSearchSettings(state_.folder));
    fixDialogSize(this);
}

// A frame of check boxes in columns of `rows`; each box recounts the draws.
QWidget* Ricerca::checkFrame(const QString& title, const QString& names, int rows,
                             QCheckBox** boxes, int count,
                             const std::function<QString(int)>& caption) {
    auto* frame = new QGroupBox(title, this);
    auto* grid = new QGridLayout(frame);
    for (int i = 0; i < count; ++i) {
        boxes[i] = new QCheckBox(caption(i), frame);
        boxes[i]->setObjectName(names.arg(i + 1));
        grid->addWidget(boxes[i], i % rows, i / rows);
        connect(boxes[i], &QCheckBox::toggled, this, [this] { updateCount(); });
    }
    return frame;
}

QWidget* Ricerca::makeRangeFrame(int drawCount) {
    auto* frame = new QGroupBox("Concorsi da esaminare:", this);
    auto* grid = new QGridLayout(frame);
    examine_[0] = new QRadioButton("Selezione dei concorsi", frame);
    examine_[1] = new QRadioButton("Tutti i concorsi in Archivio", frame);
    for (int i = 0; i < 2; ++i) {
        examine_[i]->setObjectName(QString("OptEsaminare(%1)").arg(i));
        grid->addWidget(examine_[i], 0, i);
        range_[i] = new QSpinBox(frame);
        range_[i]->setObjectName(QString("TextColUsc(%1)").arg(i));
        range_[i]->setRange(1, std::max(1, drawCount));
        scroll_[i] = new QScrollBar(Qt::Horizontal, frame);
        scroll_[i]->setObjectName(QString("Scrol1(%1)").arg(i));
        scroll_[i]->setRange(1, std::max(1, drawCount));
        rangeLabel_[i] = new QLabel(frame);
        rangeLabel_[i]->setMinimumWidth(150);
        grid->addWidget(new QLabel(i == 0 ? "Dal concorso" : "Al concorso", frame), 1 + i, 0);
        grid->addWidget(range_[i], 1 + i, 1);
        grid->addWidget(scroll_[i], 1 + i, 2);
        grid->addWidget(rangeLabel_[i], 1 + i, 3);
        connect(range_[i], &QSpinBox::valueChanged, scroll_[i], &QScrollBar::setValue);
        connect(scroll_[i], &QScrollBar::valueChanged, range_[i], &QSpinBox::setValue);
        connect(range_[i], &QSpinBox::valueChanged, this, [this] { updateCount(); });
    }
    grid->setColumnStretch(2, 1);
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
    return frame;
}

QWidget* Ricerca::makePersonalFrame() {
    auto* frame = new QGroupBox("Archivi personali:", this);
    auto* layout = new QHBoxLayout(frame);
    personal_ = new QComboBox(frame);
    personal_->setObjectName("ComboArchivi");
    for (const auto& name : personalArchives(state_.folder))
        personal_->addItem(QString::fromStdString(name));
    auto* use = new QPushButton("Usa questo archivio", frame);
    use->setObjectName("CommArchivio");
    use->setEnabled(personal_->count() > 0);
    connect(use, &QPushButton::clicked, this, &Ricerca::usePersonal);
    layout->addWidget(personal_, 1);
    layout->addWidget(use);
    return frame;
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
    showNotices(out.notices, this);
    if (!out.ok)
        return false;
    std::string error;
    if (!saveSearchSettings(state_.folder, s, error))
        Avviso::ask({"Avviso:", {error}}, this);
    showNotices(refreshArchiveTables(state_), this);
    return true;
}

void Ricerca::usePersonal() {
    const SelectionOutcome out =
        usePersonalArchive(state_.folder, personal_->currentText().toStdString());
    showNotices(out.notices, this);
    if (out.ok) {
        showNotices(refreshArchiveTables(state_), this);
        accept();
    }
}

} // namespace varnelo
