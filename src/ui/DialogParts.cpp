#include "ui/DialogParts.h"

#include <QDialog>
#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QPushButton>

namespace varnelo {

QDialogButtonBox* okCancelButtons(QDialog* dialog, bool okAccepts) {
    auto* buttons = new QDialogButtonBox(dialog);
    QPushButton* ok = buttons->addButton("OK", QDialogButtonBox::AcceptRole);
    ok->setObjectName("OK");
    ok->setDefault(true);
    buttons->addButton("Annulla", QDialogButtonBox::RejectRole)->setObjectName("Annulla");
    if (okAccepts)
        QObject::connect(buttons, &QDialogButtonBox::accepted, dialog, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, dialog, &QDialog::reject);
    return buttons;
}

void fixDialogSize(QDialog* dialog) {
    dialog->setFixedSize(dialog->sizeHint().expandedTo(dialog->minimumSize()));
}

QPushButton* namedButton(const QString& caption, const QString& name, QWidget* parent) {
    auto* b = new QPushButton(caption, parent);
    b->setObjectName(name);
    return b;
}

QHBoxLayout* buttonRow(std::initializer_list<QWidget*> buttons) {
    auto* row = new QHBoxLayout;
    row->addStretch();
    for (QWidget* b : buttons)
        row->addWidget(b);
    return row;
}

} // namespace varnelo
