#include "columns/ui/FilterFields.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QSpinBox>

namespace varnelo {

RangeBox::RangeBox(const QString& title, const QString& firstLabel, const QString& lastLabel,
                   const QString& name, QWidget* parent)
    : QGroupBox(title, parent) {
    auto* layout = new QHBoxLayout(this);
    const QString labels[2] = {firstLabel, lastLabel};
    for (int i = 0; i < 2; ++i) {
        boxes_[i] = new QSpinBox(this);
        boxes_[i]->setObjectName(QString("%1(%2)").arg(name).arg(i));
        boxes_[i]->setAlignment(Qt::AlignRight);
        boxes_[i]->setMinimumWidth(80);
        auto* label = new QLabel(labels[i], this);
        label->setBuddy(boxes_[i]);
        if (i > 0)
            layout->addSpacing(12);
        layout->addWidget(label);
        layout->addWidget(boxes_[i]);
    }
    layout->addStretch();
}

void RangeBox::setBounds(int lowest, int highest) {
    for (QSpinBox* b : boxes_)
        b->setRange(lowest, highest);
}

void RangeBox::setValues(int first, int last) {
    boxes_[0]->setValue(first);
    boxes_[1]->setValue(last);
}

int RangeBox::first() const {
    return boxes_[0]->value();
}

int RangeBox::last() const {
    return boxes_[1]->value();
}

std::pair<std::size_t, std::size_t> RangeBox::positions() const {
    return {static_cast<std::size_t>(first()), static_cast<std::size_t>(last())};
}

RangeBox* hitRangeBox(const QString& title, const QString& name, QWidget* parent) {
    auto* box = new RangeBox(title, "Min.", "Max.", name, parent);
    box->setBounds(0, 5);
    box->setValues(0, 5);
    return box;
}

} // namespace varnelo
