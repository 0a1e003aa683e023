#include "conditions/ui/SequeleDue.h"

#include "system/ProgramState.h"

#include <QComboBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>

namespace varnelo {

namespace {
std::vector<ValueConditionEditor::SubCondition> patternSlots() {
    std::vector<ValueConditionEditor::SubCondition> out;
    for (int p = 1; p <= kSequeleCount; ++p)
        out.push_back({kSequeleSlot + p - 1, QString("%1) Sequela").arg(p, 2)});
    return out;
}
} // namespace

SequeleDue::SequeleDue(Shell& shell)
    : ValueConditionEditor(shell, "SequeleDue", "Sequele pari dispari", {79, 81}, patternSlots(),
                           "SeqMiee") {
    auto* frame = new QGroupBox("Posizioni (P pari, D dispari, - qualsiasi):", this);
    auto* row = new QHBoxLayout(frame);
    for (int p = 0; p < kColumnSize; ++p) {
        row->addWidget(new QLabel(QString("%1°").arg(p + 1), frame));
        auto* mark = new QComboBox(frame);
        mark->setObjectName(QString("ComboSequela(%1)").arg(p));
        mark->addItems({"-", "P", "D"}); // in the order of ParityMark
        marks_[static_cast<std::size_t>(p)] = mark;
        row->addWidget(mark);
        connect(mark, &QComboBox::activated, this, [this, p](int m) {
            patterns().setMark(pattern_, p + 1, static_cast<ParityMark>(m));
        });
    }
    addFamilyFrame(frame);
}

SequelePatterns& SequeleDue::patterns() {
    return state().families.sequele;
}

void SequeleDue::sessionStarted() {
    opened_ = patterns();
}

void SequeleDue::slotShown(int slot) {
    pattern_ = slot - kSequeleSlot + 1;
    for (int p = 0; p < kColumnSize; ++p)
        marks_[static_cast<std::size_t>(p)]->setCurrentIndex(
            static_cast<int>(patterns().mark(pattern_, p + 1)));
}

bool SequeleDue::committed() {
    return !(patterns() == opened_);
}

void SequeleDue::cancelled() {
    patterns() = opened_;
}

} // namespace varnelo
