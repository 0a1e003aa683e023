#include "ui/OptionButtons.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QRadioButton>
#include <QVBoxLayout>

namespace varnelo {

QGroupBox* optionGroup(QWidget* parent, const QString& title, const QString& name,
                       const QStringList& captions, int checked, QList<QRadioButton*>& out,
                       bool across) {
    auto* box = new QGroupBox(title, parent);
    QBoxLayout* layout = across ? static_cast<QBoxLayout*>(new QHBoxLayout(box))
                                : static_cast<QBoxLayout*>(new QVBoxLayout(box));
    out.clear();
    for (qsizetype i = 0; i < captions.size(); ++i) {
        auto* b = new QRadioButton(captions[i], box);
        b->setObjectName(QString("%1(%2)").arg(name).arg(i));
        b->setChecked(i == checked);
        layout->addWidget(b);
        out << b;
    }
    if (across)
        layout->addStretch();
    return box;
}

int chosenOption(const QList<QRadioButton*>& options) {
    for (qsizetype i = 0; i < options.size(); ++i)
        if (options[i]->isChecked())
            return static_cast<int>(i);
    return 0;
}

} // namespace varnelo
