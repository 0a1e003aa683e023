#include "system/ui/ImportaDaTesto.h"

#include "ui/DialogParts.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace varnelo {

ImportaDaTesto::ImportaDaTesto(QWidget* parent) : QDialog(parent) {
    setObjectName("ImportaDaTesto");
    setWindowTitle("Importa da testo..");
    auto* layout = new QVBoxLayout(this);
    const char* texts[2][2] = {
        {"Le colonne verranno aggiunte al sistema in corso.. il pronostico del sistema non potrà "
         "essere modificato perché il sistema sarà convertito alla rielaborazione.",
         "Il sistema e le colonne verranno salvate automaticamente"},
        {"Le colonne caricate Verranno salvate con un nuovo nome. Verrà inserito un nome di "
         "default dal programma per le colonne caricate.",
         "Le colonne verranno salvate automaticamente."}};
    for (int i = 0; i < 2; ++i) {
        choice_[i] = new QRadioButton(this);
        choice_[i]->setObjectName(QString("OptImporta(%1)").arg(i));
        auto* text = new QLabel(texts[i][0], this);
        text->setWordWrap(true);
        text->setBuddy(choice_[i]);
        auto* note = new QLabel(texts[i][1], this);
        note->setStyleSheet("color: #505050; font-style: italic;");
        auto* row = new QHBoxLayout;
        row->addWidget(choice_[i], 0, Qt::AlignTop);
        auto* words = new QVBoxLayout;
        words->addWidget(text);
        words->addWidget(note);
        row->addLayout(words, 1);
        layout->addLayout(row);
        layout->addSpacing(6);
    }
    choice_[0]->setChecked(true);
    auto* buttons = okCancelButtons(this);
    layout->addWidget(buttons);
    setMinimumWidth(460);
    fixDialogSize(this);
}

bool ImportaDaTesto::intoNewSystem() const {
    return choice_[1]->isChecked();
}

} // namespace varnelo
