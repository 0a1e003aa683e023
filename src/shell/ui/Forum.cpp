#include "shell/ui/Forum.h"

#include "ui/DialogParts.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QVBoxLayout>

namespace varnelo {

Forum::Forum(QWidget* parent) : QDialog(parent) {
    setObjectName("Forum");
    setWindowTitle("Informazioni su Varnelo");
    auto* name = new QLabel("<h2>Varnelo</h2>", this);
    auto* version = new QLabel("Versione " VARNELO_VERSION, this);
    version->setObjectName("Versione");
    auto* text = new QLabel(
        "Sviluppo, riduzione, controllo e stampa di sistemi per il 5 su 49 con i Numeroni.\n\n"
        "L'archivio delle estrazioni fornito con il programma è simulato: serve a provare il\n"
        "programma. Per giocare davvero inserisci le estrazioni reali con \"Aggiornamento\n"
        "archivio\" o ripristina un tuo archivio dal menu \"Archivio\".",
        this);
    text->setObjectName("Archivio");
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(name);
    layout->addWidget(version);
    layout->addSpacing(8);
    layout->addWidget(text);
    layout->addWidget(buttons);
    fixDialogSize(this);
}

} // namespace varnelo
