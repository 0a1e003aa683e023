#include "shell/ui/Sviluppatore.h"

#include "core/SettingsFiles.h"
#include "shell/ui/Sounds.h"
#include "system/ProgramState.h"
#include "ui/Avviso.h"
#include "ui/Shell.h"
#include "ui/Text.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QIntValidator>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMdiSubWindow>
#include <QMouseEvent>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QSpinBox>
#include <QVBoxLayout>

namespace varnelo {

namespace {
constexpr double kPriceStep = 0.05;

template <typename T> T* named(T* w, const QString& name) {
    w->setObjectName(name);
    return w;
}
} // namespace

Sviluppatore::Sviluppatore(Shell& shell)
    : ChildWindow(shell, "Sviluppatore", {WindowPositions::kSetupWindowLeft, 0}) {
    setWindowTitle("Imposta sistema:");

    auto* cancel = named(new QPushButton("Annulla", this), "CalcSviluppo(0)");
    auto* ok = named(new QPushButton("OK", this), "CalcSviluppo(1)");
    ok->setDefault(true);
    connect(cancel, &QPushButton::clicked, this, [this] { closeWindow(); });
    connect(ok, &QPushButton::clicked, this, [this] { accept(); });
    auto* help = named(new QPushButton(" Help ", this), "ImageHelp");
    connect(help, &QPushButton::clicked, this, [this] { showHelp(); });

    auto* left = new QVBoxLayout;
    left->addWidget(makeDevelopmentFrame());
    left->addWidget(makeKindFrame());
    left->addStretch();
    auto* right = new QVBoxLayout;
    right->addWidget(makeOptionsFrame());
    right->addWidget(makeRecalculationFrame());
    right->addWidget(makeSlipFrame());
    right->addStretch();
    auto* columns = new QHBoxLayout;
    columns->addLayout(left);
    columns->addLayout(right);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(help);
    buttons->addStretch();
    buttons->addWidget(cancel);
    buttons->addWidget(ok);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(columns);
    layout->addLayout(buttons);
    load();
}

// Frame "Sviluppo:": the development level and the coverage.
QWidget* Sviluppatore::makeDevelopmentFrame() {
    auto* frame = new QGroupBox("Sviluppo:", this);
    auto* layout = new QVBoxLayout(frame);
    const char* levels[] = {"  Integrale", " Garanzia 4", " Garanzia 3", " Garanzia 2",
                            " Garanzia 1"};
    for (int i = 0; i < 5; ++i) {
        level_[i] = named(new QRadioButton(levels[i], frame), QString("Option1(%1)").arg(i));
        layout->addWidget(level_[i]);
        connect(level_[i], &QRadioButton::toggled, this, [this] { updateEnabled(); });
    }
    layout->addWidget(new QLabel("Copertura del sistema %", frame));
    auto* row = new QHBoxLayout;
    coverageScroll_ = named(new QScrollBar(Qt::Horizontal, frame), "HScroll1");
    coverageScroll_->setRange(0, 1000);
    coverageText_ = named(new QLineEdit(frame), "Text1");
    coverageText_->setMaximumWidth(70);
    row->addWidget(coverageScroll_, 1);
    row->addWidget(coverageText_);
    layout->addLayout(row);
    coverageNote_ = named(new QLabel(frame), "LabCopertura");
    coverageNote_->setStyleSheet("color: #b00000;");
    layout->addWidget(coverageNote_);
    connect(coverageScroll_, &QScrollBar::valueChanged, this, [this](int v) {
        if (!coverageText_->hasFocus())
            coverageText_->setText(QLocale().toString(v / 10.0, 'f', 1));
        showCoverageNote();
    });
    connect(coverageText_, &QLineEdit::textEdited, this, [this](const QString& t) {
        coverageScroll_->setValue(static_cast<int>(coverageFromText(t.toStdString()) * 10));
        showCoverageNote();
    });
    return frame;
}

// Difference and orthogonal development.
QWidget* Sviluppatore::makeKindFrame() {
    auto* frame = new QGroupBox("Altri sviluppi:", this);
    auto* layout = new QGridLayout(frame);
    differenceOn_ = named(new QCheckBox("Differenza  tra Colonne:", frame), "Check2");
    difference_ = named(new QSpinBox(frame), "TexMR");
    difference_->setRange(1, 5);
    orthogonalOn_ = named(new QCheckBox("Sviluppo Ortogonale", frame), "Check3");
    guarantee_ = named(new QComboBox(frame), "Combs");
    for (int i = 0; i < 9; ++i)
        guarantee_->addItem(orthogonalEntry(i));
    layout->addWidget(differenceOn_, 0, 0);
    layout->addWidget(difference_, 0, 1);
    layout->addWidget(orthogonalOn_, 1, 0);
    layout->addWidget(guarantee_, 1, 1);
    layout->addWidget(new QLabel("             Estratti", frame), 2, 1);
    connect(differenceOn_, &QCheckBox::toggled, this, [this] { updateEnabled(); });
    connect(orthogonalOn_, &QCheckBox::toggled, this, [this] { updateEnabled(); });
    return frame;
}

QWidget* Sviluppatore::makeOptionsFrame() {
    auto* frame = new QGroupBox("Opzioni:", this);
    auto* layout = new QVBoxLayout(frame);
    shuffle_ = named(new QCheckBox("Mescola le Colonne dello Sviluppo:", frame), "Check7");
    warn_ = named(new QCheckBox("Avvisa alla fine del calcolo", frame), "Check5");
    sound_[0] = named(new QRadioButton("Suono breve", frame), "Option2(0)");
    sound_[1] = named(new QRadioButton("Suono doppio", frame), "Option2(1)");
    saveColumns_ = named(new QCheckBox("Salva le Colonne insieme al sistema:", frame), "Check4");
    showConditions_ =
        named(new QCheckBox("Visualizza finestra: condizioni sul sistema.", frame), "Check1");
    layout->addWidget(shuffle_);
    layout->addWidget(warn_);
    auto* soundRow = new QHBoxLayout;
    soundRow->addSpacing(20);
    soundRow->addWidget(sound_[0]);
    soundRow->addWidget(sound_[1]);
    layout->addLayout(soundRow);
    layout->addWidget(saveColumns_);
    layout->addWidget(showConditions_);
    connect(warn_, &QCheckBox::toggled, this, [this] { updateEnabled(); });
    for (int i = 0; i < 2; ++i)
        connect(sound_[i], &QRadioButton::clicked, this, [i] { playWarning(i); });
    connect(showConditions_, &QCheckBox::clicked, this, [this](bool on) {
        if (on)
            Avviso::ask({"Visualizza condizioni",
                         {"Selezionando questa casella si ridurra di molto",
                          "la velocità dello sviluppo o calcolo del programma,",
                          "per il semplice motivo che il programma dovra trovare",
                          "in base al pronostico inserito tutti i valori delle condizioni."}},
                        this);
    });
    return frame;
}

QWidget* Sviluppatore::makeRecalculationFrame() {
    auto* frame = new QGroupBox("Ricalcolo automatico:", this);
    auto* layout = new QGridLayout(frame);
    immediate_ = named(new QCheckBox("Calcolo Immediato:", frame), "Check8");
    immediateReal_ = named(new QRadioButton("Calcolo Reale", frame), "OptImmediato");
    contest_ = named(new QLineEdit(frame), "TexNumConcorso");
    contest_->setValidator(new QIntValidator(0, 99999, contest_));
    contest_->setMaximumWidth(70);
    layout->addWidget(immediate_, 0, 0);
    layout->addWidget(immediateReal_, 0, 1);
    layout->addWidget(new QLabel("Concorso N.", frame), 1, 0);
    layout->addWidget(contest_, 1, 1);
    connect(immediate_, &QCheckBox::toggled, this, [this] { updateEnabled(); });
    return frame;
}

QWidget* Sviluppatore::makeSlipFrame() {
    auto* frame = new QGroupBox("Schedine e costo:", this);
    auto* layout = new QGridLayout(frame);
    slip_[0] = named(new QRadioButton("Stampa Schedine Italiane", frame), "OptItaEst(0)");
    slip_[1] = named(new QRadioButton("Stampa Schedine Estere", frame), "OptItaEst(1)");
    auto* price = named(new QPushButton("Costo della colonna:", frame), "CmdCosto");
    price->setToolTip("Clic: aumenta di 0,05   Clic destro o Giù: diminuisce");
    price->installEventFilter(this);
    priceButton_ = price;
    priceLabel_ = named(new QLabel(frame), "Label2");
    layout->addWidget(slip_[0], 0, 0);
    layout->addWidget(slip_[1], 0, 1);
    layout->addWidget(price, 1, 0);
    layout->addWidget(priceLabel_, 1, 1);
    return frame;
}

// A coverage the program cannot take as typed is said beside the field.
void Sviluppatore::showCoverageNote() {
    const std::string typed = coverageText_->text().toStdString();
    coverageNote_->setText(coverageTextExact(typed)
                               ? QString()
                               : "Valore non valido: sarà usato " +
                                     QLocale().toString(coverageFromText(typed), 'f', 1));
}

void Sviluppatore::showHelp() {
    Avviso::ask({"Imposta sistema:",
                 {"Integrale: tutte le colonne che passano le condizioni. Garanzia 4..1: "
                  "le colonne vengono ridotte mantenendo la garanzia scelta sulla copertura "
                  "indicata.",
                  "Differenza tra Colonne: ogni colonna tenuta differisce dalle altre di "
                  "almeno tanti numeri. Sviluppo Ortogonale: colonne che si sovrappongono "
                  "poco, con la garanzia scelta nella lista.",
                  "OK applica le scelte al sistema in corso, Annulla (o Esc) le scarta."}},
                this);
}

void Sviluppatore::showEvent(QShowEvent* event) {
    load();
    ChildWindow::showEvent(event);
}

void Sviluppatore::load() {
    loading_ = true;
    const ProgramState& st = state();
    const SetupForm f = SetupForm::fromState(st.options, st.settings);
    level_[f.levelIndex]->setChecked(true);
    coverageScroll_->setValue(static_cast<int>(f.coverage * 10));
    coverageText_->setText(QLocale().toString(f.coverage, 'f', 1));
    differenceOn_->setChecked(f.differenceOn);
    difference_->setValue(f.difference);
    orthogonalOn_->setChecked(f.orthogonalOn);
    guarantee_->setCurrentIndex(f.guaranteeIndex);
    const ProgramSettings& s = f.settings;
    shuffle_->setChecked(s.shuffle);
    warn_->setChecked(s.endWarning);
    sound_[s.warningSound == 1 ? 1 : 0]->setChecked(true);
    saveColumns_->setChecked(s.saveColumns);
    showConditions_->setChecked(s.displayOptions & 1);
    immediate_->setChecked(s.displayOptions & 2);
    immediateReal_->setChecked(s.recalcFlag1 != 0);
    contest_->setText(QString::number(s.contestNumber));
    slip_[s.slipFormat == 1 ? 1 : 0]->setChecked(true);
    price_ = s.columnPrice;
    showPrice();
    loading_ = false;
    updateEnabled();
    showCoverageNote();
}

SetupForm Sviluppatore::form() const {
    SetupForm f = SetupForm::fromState(state().options, state().settings);
    for (int i = 0; i < 5; ++i)
        if (level_[i]->isChecked())
            f.levelIndex = i;
    f.coverage = coverageFromText(coverageText_->text().toStdString());
    f.differenceOn = differenceOn_->isChecked();
    f.difference = difference_->value();
    f.orthogonalOn = orthogonalOn_->isChecked();
    f.guaranteeIndex = guarantee_->currentIndex();
    ProgramSettings& s = f.settings;
    s.shuffle = shuffle_->isChecked();
    s.endWarning = warn_->isChecked();
    s.warningSound = sound_[1]->isChecked() ? 1 : 0;
    s.saveColumns = saveColumns_->isChecked();
    s.displayOptions = (showConditions_->isChecked() ? 1 : 0) | (immediate_->isChecked() ? 2 : 0);
    s.recalcFlag1 = immediate_->isChecked() && immediateReal_->isChecked() ? 1 : 0;
    s.recalcFlag2 = immediate_->isChecked() && !immediateReal_->isChecked() ? 1 : 0;
    s.contestNumber = contestFromText(contest_->text().toStdString());
    s.slipFormat = slip_[1]->isChecked() ? 1 : 0;
    s.columnPrice = price_;
    return f;
}

void Sviluppatore::updateEnabled() {
    if (loading_)
        return;
    const SetupForm f = form();
    for (QRadioButton* b : level_)
        b->setEnabled(f.levelsEnabled());
    coverageScroll_->setEnabled(f.coverageEnabled());
    coverageText_->setEnabled(f.coverageEnabled());
    difference_->setEnabled(f.differenceEnabled());
    differenceOn_->setEnabled(!f.orthogonalOn);
    guarantee_->setEnabled(f.guaranteeEnabled());
    sound_[0]->setEnabled(warn_->isChecked());
    sound_[1]->setEnabled(warn_->isChecked());
    immediateReal_->setEnabled(immediate_->isChecked());
    contest_->setEnabled(immediate_->isChecked());
}

void Sviluppatore::showPrice() {
    priceLabel_->setText(QLocale().toString(price_, 'f', 2) + " Euro");
}

bool Sviluppatore::eventFilter(QObject* watched, QEvent* event) {
    if (watched == priceButton_) {
        if (event->type() == QEvent::MouseButtonRelease) {
            auto* me = static_cast<QMouseEvent*>(event);
            price_ += me->button() == Qt::RightButton ? -kPriceStep : kPriceStep;
        } else if (event->type() == QEvent::KeyPress) {
            const int key = static_cast<QKeyEvent*>(event)->key();
            if (key != Qt::Key_Up && key != Qt::Key_Down)
                return false;
            price_ += key == Qt::Key_Up ? kPriceStep : -kPriceStep;
        } else {
            return false;
        }
        price_ = std::max(kPriceStep, std::round(price_ * 100) / 100);
        showPrice();
        return event->type() == QEvent::KeyPress;
    }
    return ChildWindow::eventFilter(watched, event);
}

void Sviluppatore::accept() {
    ProgramState& st = state();
    const ProgramSettings before = st.settings;
    form().applyTo(st.options, st.settings);
    st.modified = true;
    std::optional<Notice> notice;
    if (st.settings != before && !saveProgramSettings(st.folder, st.settings, notice) && notice)
        Avviso::ask(*notice, this);
    Q_EMIT applied();
    closeWindow();
    shell().refresh();
}

} // namespace varnelo
