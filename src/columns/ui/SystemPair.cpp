#include "columns/ui/SystemPair.h"

#include "columns/ui/GestioneUnione.h"
#include "system/ColumnSystems.h"
#include "ui/Avviso.h"
#include "ui/DialogParts.h"
#include "ui/NameDialog.h"
#include "ui/Text.h"

#include <QGridLayout>
#include <QLabel>
#include <QPushButton>

namespace varnelo {

SystemPair::SystemPair(const ProgramFolder& folder, QWidget* parent)
    : QGroupBox("Sistemi", parent), folder_(folder) {
    auto* layout = new QGridLayout(this);
    for (int i = 0; i < 2; ++i) {
        auto* pickButton = namedButton(QString("Sistema %1").arg(i + 1),
                                       QString("CommSistema%1").arg(i + 1), this);
        connect(pickButton, &QPushButton::clicked, this, [this, i] { pick(i); });
        labels_[i] = new QLabel(this);
        labels_[i]->setObjectName(QString("LabSistema%1").arg(i + 1));
        labels_[i]->setMinimumWidth(320);
        layout->addWidget(pickButton, i, 0);
        layout->addWidget(labels_[i], i, 1);
    }
    layout->setColumnStretch(1, 1);
}

bool SystemPair::choose(int which, const std::string& name) {
    std::vector<Column> columns;
    if (const auto refused = readColumnSystem(folder_, name, columns)) {
        Avviso::ask(*refused, this);
        return false;
    }
    inputs_[which] = {name, std::move(columns)};
    show();
    Q_EMIT changed();
    return true;
}

void SystemPair::clear() {
    inputs_[0] = inputs_[1] = {};
    show();
    Q_EMIT changed();
}

void SystemPair::pick(int which) {
    GestioneUnione chooser(folder_, this);
    if (chooser.exec() == QDialog::Accepted && !chooser.chosenName().isEmpty())
        choose(which, chooser.chosenName().toStdString());
}

std::optional<std::string> SystemPair::askResultName(const QString& dialogName) {
    NameDialog dialog(dialogName, "Salva col nome:", QString(), this);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    SaveAsDecision d = decideResultName(folder_, dialog.name().toStdString(), name(0), name(1));
    if (d.step == SaveAsStep::Refuse) {
        Avviso::ask(d.notice.value_or(Notice{}), this);
        return std::nullopt;
    }
    if (d.step == SaveAsStep::AskOverwrite && Avviso::ask(*d.notice, this) != Avviso::Yes)
        return std::nullopt;
    return std::move(d.name);
}

void SystemPair::reportSave(const TaskOutcome& saved) {
    if (!saved.done() && saved.notice)
        Avviso::ask(*saved.notice, this);
}

void SystemPair::show() {
    for (int i = 0; i < 2; ++i)
        labels_[i]->setText(
            inputs_[i].name.empty()
                ? QString()
                : QString("%1° Sistema = %2   colonne = %3")
                      .arg(i + 1)
                      .arg(qs(inputs_[i].name), countText(qlonglong(inputs_[i].columns.size()))));
}

} // namespace varnelo
