#include "stats/ui/StatComputer.h"

#include "core/AtomicWriter.h"
#include "core/TextFile.h"
#include "system/ProgramState.h"
#include "ui/Avviso.h"
#include "ui/DialogParts.h"
#include "ui/Shell.h"
#include "ui/TableModel.h"
#include "ui/Text.h"

#include <QComboBox>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>
#include <QTableView>
#include <QVBoxLayout>

namespace varnelo {

namespace {

const char* ruleExplanation(ForecastRule rule) {
    return rule == ForecastRule::RelativeDelay
               ? "Per ogni numero: intervallo medio = estrazioni della selezione / uscite; "
                 "ciclo = ritardo attuale / intervallo medio. Vengono scelti i numeri con il "
                 "ciclo più alto (a parità, il ritardo più lungo); un numero mai uscito nella "
                 "selezione viene prima di tutti."
               : "Per ogni numero: le uscite nelle ultime estrazioni della selezione. Vengono "
                 "scelti i numeri usciti più spesso (a parità, quelli usciti più volte in "
                 "tutta la selezione).";
}

} // namespace

StatComputer::StatComputer(Shell& shell) : ChildWindow(shell, "StatComputer") {
    setWindowTitle("Pronostico statistico");
    auto* caveat = new QLabel(kForecastCaveat, this);
    caveat->setObjectName("LabAvvertenza");
    caveat->setWordWrap(true);
    caveat->setStyleSheet("color: #8a1c00; font-weight: bold;");

    rule_ = new QComboBox(this);
    rule_->setObjectName("ComboRegola");
    for (ForecastRule r : {ForecastRule::RelativeDelay, ForecastRule::RecentFrequency})
        rule_->addItem(qs(forecastRuleName(r)), static_cast<int>(r));
    count_ = new QSpinBox(this);
    count_->setObjectName("SpinNumeri");
    count_->setRange(1, kMaxNumber);
    count_->setValue(10);
    recent_ = new QSpinBox(this);
    recent_->setObjectName("SpinUltime");
    recent_->setRange(1, 5000);
    recent_->setValue(50);
    auto* form = new QHBoxLayout;
    const std::pair<const char*, QWidget*> fields[] = {
        {"Regola:", rule_}, {"Numeri:", count_}, {"Ultime estrazioni:", recent_}};
    for (const auto& [caption, field] : fields) {
        auto* label = new QLabel(caption, this);
        label->setBuddy(field);
        form->addWidget(label);
        form->addWidget(field);
        form->addSpacing(12);
    }
    form->addStretch(1);
    ruleText_ = new QLabel(this);
    ruleText_->setObjectName("LabRegola");
    ruleText_->setWordWrap(true);

    model_ = new TableModel(this);
    // The reasons are long: the grid scrolls rather than cutting them.
    auto* view = makeStatisticsView(model_, "MSFPronostico", -1, this);
    summary_ = new QLabel(this);
    summary_->setObjectName("LabPronostico");
    summary_->setWordWrap(true);

    apply_ = namedButton("Metti nel Pronostico", "ComPronostico", this);
    export_ = namedButton("Esporta...", "StatEsportaPronostico", this);
    auto* close = namedButton("Chiudi", "ComChiudi", this);
    connect(apply_, &QPushButton::clicked, this, &StatComputer::applyToForecast);
    connect(export_, &QPushButton::clicked, this, &StatComputer::exportText);
    connect(close, &QPushButton::clicked, this, &StatComputer::closeWindow);
    auto* keys = new QHBoxLayout;
    keys->addWidget(apply_);
    keys->addWidget(export_);
    keys->addStretch(1);
    keys->addWidget(close);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(caveat);
    layout->addLayout(form);
    layout->addWidget(ruleText_);
    layout->addWidget(view, 1);
    layout->addWidget(summary_);
    layout->addLayout(keys);

    connect(rule_, &QComboBox::currentIndexChanged, this, &StatComputer::compute);
    connect(count_, &QSpinBox::valueChanged, this, &StatComputer::compute);
    connect(recent_, &QSpinBox::valueChanged, this, &StatComputer::compute);
    connect(&shell.events(), &ShellEvents::busyChanged, this, &StatComputer::enableCommands);
    compute();
}

QSize StatComputer::sizeHint() const {
    return {980, 600};
}

ForecastSettings StatComputer::settings() const {
    return {static_cast<ForecastRule>(rule_->currentData().toInt()), count_->value(),
            recent_->value()};
}

void StatComputer::compute() {
    const ForecastSettings s = settings();
    recent_->setEnabled(s.rule == ForecastRule::RecentFrequency);
    ruleText_->setText(ruleExplanation(s.rule));
    forecast_ = computeForecast(state().archive.selection, s);
    model_->setHeaders({"Pos.", "Numero", "Usciti", "Intervallo medio", "Ritardo", "Ciclo",
                        QString("Nelle ultime %1").arg(forecast_.recentDraws), "Perché"});
    QList<TableModel::Row> rows;
    int rank = 0;
    for (const ForecastEntry& e : forecast_.numbers)
        rows << TableModel::Row{
            TableModel::integer(++rank),       TableModel::integer(e.number),
            TableModel::integer(e.outs),       TableModel::decimal(e.mean / 10000.0),
            TableModel::integer(e.delay),      TableModel::decimal(e.cycle / 10000.0),
            TableModel::integer(e.recentOuts), TableModel::text(qs(e.reason))};
    model_->setRows(rows);
    if (forecast_.numbers.empty()) {
        summary_->setText("La selezione statistica non ha estrazioni: nessun pronostico. "
                          "Scegli le estrazioni con \"Impostazioni di Ricerca\" (menu Archivio).");
    } else {
        QStringList numbers;
        for (int n : forecastNumbers(forecast_))
            numbers << QString::number(n);
        summary_->setText(QString("Su %1 estrazioni della selezione: %2")
                              .arg(forecast_.drawCount)
                              .arg(numbers.join(' ')));
    }
    enableCommands();
}

void StatComputer::enableCommands() {
    const bool any = !forecast_.numbers.empty();
    apply_->setEnabled(any && !shell().isBusy());
    export_->setEnabled(any);
}

void StatComputer::exportText() {
    const QString suggested =
        qs(state().folder.root().string()) + "/" + qs(state().systemName) + "-pronostico.txt";
    const QString file =
        QFileDialog::getSaveFileName(this, "Esporta pronostico", suggested, "File testo (*.txt)");
    if (file.isEmpty())
        return;
    std::string error;
    if (!writeFileAtomically(file.toStdString(),
                             joinLines(forecastReport(forecast_, settings().rule)), error))
        Avviso::ask(Notice{"Esporta pronostico", {"File non salvato:", error}}, this);
}

// The forecast's numbers become the chosen ones; the fixed numbers and the
// Numeroni are the player's and stay.
void StatComputer::applyToForecast() {
    if (state().forecastLocked()) {
        Avviso::ask(Notice{"Pronostico statistico",
                           {"Il pronostico non si può cambiare ora:",
                            "è bloccato (\"Sblocca\" nella finestra Pronostico)",
                            "oppure viene da colonne importate."}},
                    this);
        return;
    }
    Selection& s = state().selection;
    for (int n = 1; n <= kMaxNumber; ++n)
        if (s.state(n) == Selection::Chosen)
            s.setState(n, Selection::NotChosen);
    for (int n : forecastNumbers(forecast_))
        if (s.state(n) != Selection::Fixed)
            s.setState(n, Selection::Chosen);
    state().modified = true;
    shell().refresh();
    shell().runCommand("Pronostico");
}

} // namespace varnelo
