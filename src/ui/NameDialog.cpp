#include "ui/NameDialog.h"

#include "system/SystemName.h"
#include "ui/DialogParts.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

#include <algorithm>

namespace varnelo {

NameDialog::NameDialog(const QString& objectName, const QString& caption, const QString& name,
                       QWidget* parent)
    : QDialog(parent) {
    setObjectName(objectName);
    setWindowTitle("Salva col nome:");
    name_ = new QLineEdit(name, this);
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
    layout->addWidget(new QLabel(caption, this));
    layout->addWidget(name_);
    layout->addWidget(buttons);
    setMinimumWidth(320);
    fixDialogSize(this);
}

QString NameDialog::name() const {
    return name_->text();
}

} // namespace varnelo
