#include "shell/ui/Cadenze.h"

#include "core/NumberGroups.h"
#include "system/ProgramState.h"
#include "ui/DialogParts.h"
#include "ui/ForecastLock.h"
#include "ui/Shell.h"
#include "ui/Text.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace varnelo {

namespace {
// Families side by side, so the picker stays short.
constexpr int kFamilyColumns = 2;
} // namespace

Cadenze::Cadenze(Shell& shell) : ChildWindow(shell, "Cadenze", {119, 0}) {
    setWindowTitle("Cadenze:");
    auto* groups = new QGroupBox("Gruppi di numeri:", this);
    auto* grid = new QGridLayout(groups);
    grid->setHorizontalSpacing(10);
    const auto& families = numberGroupFamilies();
    for (int i = 0; i < static_cast<int>(families.size()); ++i) {
        const NumberGroupFamily& family = families[static_cast<std::size_t>(i)];
        auto* combo = new QComboBox(groups);
        combo->setObjectName(QString("ComboCadenze(%1)").arg(i));
        combo->setPlaceholderText("Scegliere...");
        for (const NumberGroup& g : family.groups)
            combo->addItem(qs(g.name));
        combo->setCurrentIndex(-1);
        connect(combo, &QComboBox::activated, this, [this, i, combo](int g) {
            choose(numberGroupFamilies()[static_cast<std::size_t>(i)]
                       .groups[static_cast<std::size_t>(g)]);
            combo->setCurrentIndex(-1);
        });
        auto* label = new QLabel(qs(family.name) + ":", groups);
        label->setBuddy(combo);
        const int row = i / kFamilyColumns;
        const int column = 2 * (i % kFamilyColumns);
        grid->addWidget(label, row, column);
        grid->addWidget(combo, row, column + 1);
    }
    grid->setColumnStretch(1, 1);
    grid->setColumnStretch(3, 1);

    chosen_ = new QLabel("Il gruppo scelto si aggiunge ai numeri del pronostico (in rosso);\n"
                         "i numeri fissi restano fissi.",
                         this);
    chosen_->setObjectName("LabNumeri");
    chosen_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    auto* close = namedButton("Chiudi", "CommChiudi", this);
    connect(close, &QPushButton::clicked, this, &Cadenze::closeWindow);
    auto* bottom = new QHBoxLayout;
    bottom->addWidget(chosen_, 1);
    bottom->addWidget(close, 0, Qt::AlignBottom);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(groups);
    layout->addLayout(bottom);
}

void Cadenze::choose(const NumberGroup& group) {
    ProgramState& s = state();
    if (refuseLockedForecast(s, this))
        return;
    int added = 0;
    for (const int n : group.numbers)
        if (s.selection.state(n) == Selection::NotChosen &&
            s.selection.setState(n, Selection::Chosen))
            ++added;
    chosen_->setText(QString("%1:  %2\nNumeri aggiunti al pronostico: %3")
                         .arg(qs(group.name), qs(numberGroupText(group.numbers)))
                         .arg(added));
    if (added == 0)
        return;
    s.modified = true;
    shell().refresh();
}

} // namespace varnelo
