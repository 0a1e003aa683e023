#include "columns/ui/SalvaColonneFiltro.h"

#include "conditions/FamilyFiles.h"
#include "ui/Avviso.h"
#include "ui/DialogParts.h"
#include "ui/Text.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLineEdit>
#include <QRadioButton>
#include <QVBoxLayout>

namespace varnelo {

SalvaColonneFiltro::SalvaColonneFiltro(const ProgramFolder& folder, const FilterList& list,
                                       const std::string& name, QWidget* parent)
    : QDialog(parent), folder_(folder), list_(list) {
    setObjectName("SalvaColonneFiltro");
    setWindowTitle("Salva le colonne del quadro");
    name_ = new QLineEdit(qs(name), this);
    name_->setObjectName("TextNome");
    name_->setMinimumWidth(260);
    kinds_[0] = new QRadioButton("Colonne filtro con i punti (.car)", this);
    kinds_[1] = new QRadioButton("Solo i numeri (.cac)", this);
    for (int i = 0; i < 2; ++i)
        kinds_[i]->setObjectName(QString("OptFile(%1)").arg(i));
    kinds_[0]->setChecked(true);
    auto* form = new QFormLayout;
    form->addRow("Nome colonne filtro:", name_);
    form->addRow("", kinds_[0]);
    form->addRow("", kinds_[1]);
    auto* buttons = okCancelButtons(this, false);
    connect(buttons, &QDialogButtonBox::accepted, this, [this] {
        if (save())
            accept();
    });
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(buttons);
    fixDialogSize(this);
}

std::string SalvaColonneFiltro::savedName() const {
    return name_->text().trimmed().toStdString();
}

bool SalvaColonneFiltro::save() {
    const std::string name = savedName();
    if (list_.columns.empty()) {
        Avviso::ask({"Avviso:", {"Non e inserito nessuna colonna filtro."}}, this);
        return false;
    }
    if (name.empty())
        return false;
    const bool car = kinds_[0]->isChecked();
    const char* extension = car ? ".car" : ".cac";
    if (filterFileExists(folder_, name, extension) &&
        Avviso::ask(replaceFileQuestion(name + extension, name), this) != Avviso::Yes)
        return false;
    const auto notice = car ? saveCar(folder_, name, filterListToCar(list_, name))
                            : saveCac(folder_, name, list_.columns);
    if (notice) {
        Avviso::ask(*notice, this);
        return false;
    }
    return true;
}

} // namespace varnelo
