#include "conditions/ui/CondizTre.h"

#include "conditions/ParityPatterns.h"
#include "ui/Text.h"

#include <QLabel>

namespace varnelo {

namespace {
// The pattern itself is the caption: a player reads the shape, not a number.
std::vector<ValueConditionEditor::SubCondition> patternSlots() {
    std::vector<ValueConditionEditor::SubCondition> out;
    for (int p = 1; p <= kParityPatternCount; ++p)
        out.push_back({kParityPatternSlot + p - 1,
                       QString("%1)  %2").arg(p, 2).arg(qs(parityPatternText(p)))});
    return out;
}
} // namespace

CondizTre::CondizTre(Shell& shell)
    : ValueConditionEditor(shell, "CondizTre", "Pari e dispari:", {91, 93}, patternSlots()) {
    auto* rule = new QLabel("Valore: quante delle cinque posizioni, dal numero più basso al più "
                            "alto, seguono lo schema (P pari, D dispari).",
                            this);
    rule->setWordWrap(true);
    addFamilyFrame(rule);
}

} // namespace varnelo
