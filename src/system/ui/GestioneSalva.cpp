#include "system/ui/GestioneSalva.h"

#include "ui/DialogParts.h"

#include "system/SystemName.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace varnelo {

GestioneSalva::GestioneSalva(const QString& currentName, QWidget* parent) : QDialog(parent) {
    setObjectName("GestioneSalva");
    setWindowTitle("Salva col nome:");
    name_ = new QLineEdit(currentName, this);
    name_->setObjectName("TextNome");
    name_->setMaxLength(60);
    connect(name_, &QLineEdit::textEdited, this, [this](const QString& typed) {
        const QString kept = QString::fromStdString(typedSystemName(typed.toStdString()));
        if (kept == typed)
            return;
        const int cursor = name_->cursorPosition() - static_cast<int>(typed.size() - kept.size());
        name_->setText(kept);
        name_->setCursorPosition(std::max(0, cursor));
    });
    auto* buttons = okCancelButtons(this);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel("Nome del sistema:", this));
    layout->addWidget(name_);
    layout->addWidget(buttons);
    setMinimumWidth(320);
    fixDialogSize(this);
}

QString GestioneSalva::name() const {
    return name_->text();
}

} // namespace varnelo
