#include "printing/ui/ImpostaStampaTabulato.h"

#include "core/SettingsLines.h"
#include "printing/PrintFiles.h"
#include "system/ProgramState.h"
#include "ui/Avviso.h"
#include "ui/DialogParts.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPrinterInfo>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

namespace varnelo {

namespace {

constexpr const char* kDefaultPrinter = "Stampante predefinita";

// The installed printers after the default; a printer named in the file
// but gone since stays on the list, so that choosing nothing keeps it.
QComboBox* printerBox(const QString& name, const std::string& chosen, QWidget* parent) {
    auto* box = new QComboBox(parent);
    box->setObjectName(name);
    box->addItem(kDefaultPrinter, QString());
    for (const QString& p : QPrinterInfo::availablePrinterNames())
        box->addItem(p, p);
    const QString wanted = QString::fromStdString(chosen);
    if (!wanted.isEmpty() && box->findData(wanted) < 0)
        box->addItem(wanted, wanted);
    box->setCurrentIndex(std::max(0, box->findData(wanted)));
    return box;
}

// The lines of enal/cedolina.txt with their fields in the window.
// The picture flag stays as read: "Con Disegno" of the slip window decides.
enum ShopLine { Name = 0, Kind, Street, Phone, Advert, Personal, Picture, Town };

} // namespace

ImpostaStampaTabulato::ImpostaStampaTabulato(Shell& shell)
    : ChildWindow(shell, "ImpostaStampaTabulato") {
    setWindowTitle("Imposta stampa");
    const PrinterChoice choice = printerChoice(state().printSettings.printer);
    const auto& shop = state().printSettings.couponLayout;

    auto* printers = new QGroupBox("Stampanti", this);
    slips_ = printerBox("StampanteSchedine", choice.slips, printers);
    receipts_ = printerBox("StampanteCedolina", choice.receipts, printers);
    copies_ = new QSpinBox(printers);
    copies_->setObjectName("CopieCedolina");
    copies_->setRange(1, 5);
    copies_->setValue(choice.receiptCopies);
    confirm_ = new QCheckBox("Chiedi conferma prima di stampare le schedine", printers);
    confirm_->setObjectName("Conferma");
    confirm_->setChecked(choice.confirm);
    auto* printerForm = new QFormLayout(printers);
    printerForm->addRow("Stampante Schedine:", slips_);
    printerForm->addRow("Stampante Cedolina:", receipts_);
    printerForm->addRow("Copie della cedolina:", copies_);
    printerForm->addRow(confirm_);

    // The receipt says whose shop it comes from: without these fields the
    // player would have no place to write them.
    auto* shopBox = new QGroupBox("Dati della ricevitoria per la cedolina", this);
    auto* shopForm = new QFormLayout(shopBox);
    kind_ = new QComboBox(shopBox);
    kind_->setObjectName("TipoRicevitoria");
    kind_->addItems({"Ricevitoria", "Bar", "Tabacchi", "Edicola"});
    const int kind = shop[Kind].size() == 1 ? shop[Kind][0] - '0' : 0;
    kind_->setCurrentIndex(kind >= 0 && kind < kind_->count() ? kind : 0);
    const std::array<std::pair<ShopLine, const char*>, 6> fields{
        {{Name, "Nome:"},
         {Street, "Via:"},
         {Phone, "Tel.:"},
         {Town, "Località:"},
         {Advert, "Spazio Pubblicitario:"},
         {Personal, "Scritta Personale:"}}};
    shopForm->addRow("Tipo:", kind_);
    for (const auto& [line, label] : fields) {
        auto* edit = new QLineEdit(QString::fromStdString(shop[line]), shopBox);
        edit->setObjectName(QString("Cedolina(%1)").arg(line));
        edit->setMinimumWidth(280);
        texts_[line] = edit;
        shopForm->addRow(label, edit);
    }

    auto* ok = namedButton("OK", "OK", this);
    auto* cancel = namedButton("Annulla", "Annulla", this);
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, [this] {
        if (keep())
            closeWindow();
    });
    connect(cancel, &QPushButton::clicked, this, [this] { closeWindow(); });
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(printers);
    layout->addWidget(shopBox);
    layout->addLayout(buttonRow({ok, cancel}));
}

bool ImpostaStampaTabulato::keep() {
    PrintSettings s = state().printSettings;
    s.printer = printerValues({slips_->currentData().toString().toStdString(),
                               receipts_->currentData().toString().toStdString(), copies_->value(),
                               confirm_->isChecked()});
    for (std::size_t i = 0; i < texts_.size(); ++i)
        if (texts_[i])
            s.couponLayout[i] = texts_[i]->text().toStdString();
    s.couponLayout[Kind] = std::to_string(kind_->currentIndex());
    std::string error;
    if (!writeSettingsLines(state().folder.path("enal/stampante.csv"),
                            {s.printer.begin(), s.printer.end()}, error) ||
        !writeSettingsLines(state().folder.path("enal/cedolina.txt"),
                            {s.couponLayout.begin(), s.couponLayout.end()}, error)) {
        Avviso::ask(Notice{"Imposta stampa", {"Le impostazioni non sono state salvate:", error}},
                    this);
        return false;
    }
    state().printSettings = s;
    return true;
}

} // namespace varnelo
