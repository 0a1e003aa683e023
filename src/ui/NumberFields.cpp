#include "ui/NumberFields.h"

#include "ui/DialogParts.h"

#include <QDialog>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QSpinBox>
#include <QVBoxLayout>

namespace varnelo {

std::optional<std::vector<int>> askNumberFields(QWidget* parent, const QString& title,
                                                const QString& text,
                                                const std::vector<NumberField>& fields) {
    QDialog dialog(parent);
    dialog.setWindowTitle(title);
    auto* layout = new QVBoxLayout(&dialog);
    if (!text.isEmpty())
        layout->addWidget(new QLabel(text, &dialog));
    auto* form = new QFormLayout;
    std::vector<QSpinBox*> boxes;
    for (std::size_t i = 0; i < fields.size(); ++i) {
        auto* box = new QSpinBox(&dialog);
        box->setObjectName(QString("TxtCampo(%1)").arg(i));
        box->setRange(fields[i].min, fields[i].max);
        box->setValue(fields[i].value);
        form->addRow(fields[i].caption, box);
        boxes.push_back(box);
    }
    layout->addLayout(form);
    layout->addWidget(okCancelButtons(&dialog));
    fixDialogSize(&dialog);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    std::vector<int> values;
    for (QSpinBox* box : boxes)
        values.push_back(box->value());
    return values;
}

} // namespace varnelo
