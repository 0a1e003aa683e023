#include "printing/ui/ImpostaStampante.h"

#include "printing/TestSlip.h"
#include "ui/OptionButtons.h"
#include "printing/ui/PrintOutput.h"
#include "system/ProgramState.h"
#include "ui/Avviso.h"
#include "ui/DialogParts.h"

#include <QButtonGroup>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLocale>
#include <QPixmap>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>
#include <QVBoxLayout>

namespace varnelo {

namespace {

// The slip on screen: a little under its real size on a common monitor.
constexpr int kScreenDotsPerInch = 72;
constexpr int kMaxShift = 2000; // twips, either way
constexpr int kMarkers = kSlipGrids + 1;

QSlider* shiftSlider(const QString& name, int value, QWidget* parent) {
    auto* s = new QSlider(Qt::Horizontal, parent);
    s->setObjectName(name);
    s->setRange(-kMaxShift, kMaxShift);
    s->setSingleStep(14);    // a quarter of a millimetre
    s->setPageStep(567 / 2); // half a centimetre
    s->setValue(value);
    s->setMinimumWidth(260);
    return s;
}

QString millimetres(int twips) {
    return QLocale().toString(twips * 10.0 / 567.0, 'f', 1) + " mm";
}

} // namespace

ImpostaStampante::ImpostaStampante(Shell& shell) : ChildWindow(shell, "ImpostaStampante") {
    setWindowTitle("Taratura Schedine:");
    std::optional<Notice> notice;
    layout_ = readSlipLayout(state().folder, notice).value_or(defaultSlipLayout());
    if (notice)
        Avviso::ask(*notice, this);
    notice.reset();
    settings_ = readCalibration(state().folder, notice);
    if (notice)
        Avviso::ask(*notice, this);

    auto* entryBox = optionGroup(this, "Entrata della schedina", "OptionStASC",
                                 {"Stampa a Sinistra", "Stampa  Centrale"},
                                 static_cast<int>(settings_.shift.entry), entry_, true);
    auto* inkBox =
        optionGroup(this, "Consumo Inh. Taratura:", "ConInkTar", {"Tutti", "Metta", "Pochi"},
                    static_cast<int>(settings_.ink), ink_, true);

    auto* shiftBox = new QGroupBox("Discrepanza della stampante:", this);
    across_ = shiftSlider("Slider1", settings_.shift.dx, shiftBox);
    down_ = shiftSlider("Slider2", settings_.shift.dy, shiftBox);
    acrossText_ = new QLabel(shiftBox);
    downText_ = new QLabel(shiftBox);
    for (QLabel* l : {acrossText_, downText_})
        l->setMinimumWidth(70);
    auto* shiftGrid = new QGridLayout(shiftBox);
    shiftGrid->addWidget(new QLabel("Verso destra", shiftBox), 0, 0);
    shiftGrid->addWidget(across_, 0, 1);
    shiftGrid->addWidget(acrossText_, 0, 2);
    shiftGrid->addWidget(new QLabel("Verso il basso", shiftBox), 1, 0);
    shiftGrid->addWidget(down_, 1, 1);
    shiftGrid->addWidget(downText_, 1, 2);
    shiftGrid->addWidget(
        new QLabel("Per controllare la discrepanza, premere il tasto Anteprima:", shiftBox), 2, 0,
        1, 3);

    // Which grids the test slip marks: all of them, or one to look at closely.
    auto* markerBox = new QGroupBox("Marcatore:", this);
    auto* markerRow = new QHBoxLayout(markerBox);
    marker_ = new QButtonGroup(this);
    for (int i = 0; i < kMarkers; ++i) {
        auto* b = namedButton(i == 0 ? QString("Tutte le griglie") : QString("Griglia %1").arg(i),
                              QString("ComSpazAB(%1)").arg(i), markerBox);
        b->setCheckable(true);
        marker_->addButton(b, i);
        markerRow->addWidget(b);
    }
    marker_->button(std::clamp(settings_.marker, 0, kMarkers - 1))->setChecked(true);

    picture_ = new QLabel(this);
    picture_->setObjectName("AnteprimaSchedina");
    picture_->setAlignment(Qt::AlignCenter);

    auto* test = namedButton("  Prova Stampa  ", "ProvaStampa", this);
    auto* preview = namedButton("  Anteprima di stampa  ", "Anteprima", this);
    auto* pdf = namedButton("Salva PDF", "SalvaPdf", this);
    auto* original = namedButton("   Impostazioni Originali   ", "Originali", this);
    auto* close = namedButton("Chiudi", "Chiudi", this);
    connect(test, &QPushButton::clicked, this,
            [this] { printPages(*this, false, 1, [this](PrintJob*) { return testPage(false); }); });
    connect(preview, &QPushButton::clicked, this,
            [this] { showPrintPreview(this, "  Anteprima di stampa  ", testPage(true)); });
    connect(pdf, &QPushButton::clicked, this,
            [this] { offerPdf(*this, "taratura", [this](PrintJob*) { return testPage(false); }); });
    connect(original, &QPushButton::clicked, this, [this] { restoreOriginal(); });
    connect(close, &QPushButton::clicked, this, [this] { closeWindow(); });

    for (auto* group : {&entry_, &ink_})
        for (QRadioButton* b : *group)
            connect(b, &QRadioButton::toggled, this, [this](bool on) {
                if (on)
                    changed();
            });
    for (QSlider* s : {across_, down_}) {
        connect(s, &QSlider::valueChanged, this, [this, s] {
            changed();
            if (!s->isSliderDown())
                keep();
        });
        connect(s, &QSlider::sliderReleased, this, [this] { keep(); });
    }
    connect(marker_, &QButtonGroup::idClicked, this, [this] {
        changed();
        keep();
    });

    auto* buttons = new QHBoxLayout;
    for (auto* b : {test, preview, pdf, original, close})
        buttons->addWidget(b);
    auto* grid = new QGridLayout(this);
    grid->addWidget(entryBox, 0, 0);
    grid->addWidget(inkBox, 0, 1);
    grid->addWidget(shiftBox, 1, 0, 1, 2);
    grid->addWidget(markerBox, 2, 0, 1, 2);
    grid->addWidget(picture_, 3, 0, 1, 2);
    grid->addLayout(buttons, 4, 0, 1, 2);
    changed();
}

CalibrationSettings ImpostaStampante::chosen() const {
    CalibrationSettings s = settings_;
    s.shift = {static_cast<SlipEntry>(chosenOption(entry_)), across_->value(), down_->value()};
    s.marker = std::max(0, marker_->checkedId());
    s.ink = static_cast<TestInk>(chosenOption(ink_));
    return s;
}

SlipJob ImpostaStampante::testJob(bool outline) const {
    SlipJob job;
    job.layout = layout_;
    job.shift = chosen().shift;
    job.outline = outline;
    return job;
}

PagePainter ImpostaStampante::testPage(bool outline) const {
    return [job = testJob(outline), buffer = testSlip(chosen().ink, chosen().marker)](
               QPagedPaintDevice& d) { paintSlipPage(d, job, buffer); };
}

void ImpostaStampante::changed() {
    const CalibrationSettings s = chosen();
    acrossText_->setText(millimetres(s.shift.dx));
    downText_->setText(millimetres(s.shift.dy));
    picture_->setPixmap(QPixmap::fromImage(
        slipPicture(testJob(true), testSlip(s.ink, s.marker), kScreenDotsPerInch)));
    if (s.shift.entry != settings_.shift.entry || s.ink != settings_.ink)
        keep();
}

void ImpostaStampante::keep() {
    const CalibrationSettings s = chosen();
    if (s == settings_)
        return;
    std::string error;
    if (!writeCalibration(state().folder, s, error)) {
        Avviso::ask(Notice{"Taratura Schedine:", {error}}, this);
        return;
    }
    settings_ = s;
}

void ImpostaStampante::restoreOriginal() {
    layout_ = defaultSlipLayout();
    std::string error;
    if (!writeSlipLayout(state().folder, layout_, error))
        Avviso::ask(Notice{"Taratura Schedine:", {error}}, this);
    across_->setValue(0);
    down_->setValue(0);
    changed();
}

} // namespace varnelo
