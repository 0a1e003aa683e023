#include "conditions/ui/ColAndOrUscite.h"

#include "conditions/QuadroTools.h"
#include "system/ProgramState.h"
#include "ui/Text.h"

#include <QGridLayout>
#include <QLabel>
#include <QListWidget>
#include <QScrollBar>
#include <QSpinBox>
#include <QVBoxLayout>

namespace varnelo {

ColAndOrUscite::ColAndOrUscite(Shell& shell, QuadroImport& target)
    : QuadroImportWindow(shell, "ColAndOrUscite", "Importazione colonne vincenti:", target) {
    from_ = new QScrollBar(Qt::Horizontal, this);
    from_->setObjectName("Scrol1");
    from_->setMinimumWidth(260);
    fromText_ = new QLabel(this);
    fromText_->setObjectName("LabDa");
    count_ = new QSpinBox(this);
    count_->setObjectName("TxtQuante");
    count_->setRange(1, static_cast<int>(kMaxQuadroColumns));
    count_->setValue(10);
    chosen_ = new QListWidget(this);
    chosen_->setObjectName("ListEstrazioni");
    chosen_->setMinimumHeight(160);
    connect(from_, &QScrollBar::valueChanged, this, &ColAndOrUscite::showChosen);
    connect(count_, &QSpinBox::valueChanged, this, &ColAndOrUscite::showChosen);

    auto* grid = new QGridLayout;
    grid->addWidget(new QLabel("Da:", this), 0, 0);
    grid->addWidget(from_, 0, 1);
    grid->addWidget(fromText_, 1, 1);
    grid->addWidget(new QLabel("Estrazioni:", this), 2, 0);
    grid->addWidget(count_, 2, 1, Qt::AlignLeft);
    body()->addLayout(grid);
    body()->addWidget(new QLabel("Estrazioni scelte (dalla selezione statistica):", this));
    body()->addWidget(chosen_, 1);
}

// The newest draws are offered first.
void ColAndOrUscite::showEvent(QShowEvent* event) {
    const int draws = static_cast<int>(state().archive.selection.size());
    from_->setRange(1, std::max(1, draws));
    from_->setValue(std::max(1, draws - count_->value() + 1));
    showChosen();
    QuadroImportWindow::showEvent(event);
}

void ColAndOrUscite::showChosen() {
    const auto& draws = state().archive.selection;
    chosen_->clear();
    if (draws.empty()) {
        fromText_->setText("Nessuna estrazione selezionata");
        return;
    }
    const auto first = static_cast<std::size_t>(from_->value() - 1);
    fromText_->setText(
        QString("Estrazione N° %1 del %2").arg(from_->value()).arg(qs(draws[first].date())));
    const std::size_t last =
        std::min(draws.size(), first + static_cast<std::size_t>(count_->value()));
    for (std::size_t i = first; i < last; ++i)
        chosen_->addItem(QString("%1   %2").arg(qs(draws[i].numbersText()), qs(draws[i].date())));
}

bool ColAndOrUscite::importInto(AndOrQuadro& quadro, int minHits, int maxHits,
                                std::optional<Notice>& notice) {
    const auto& draws = state().archive.selection;
    if (draws.empty())
        return false;
    const auto first = static_cast<std::size_t>(from_->value() - 1);
    const std::size_t last =
        std::min(draws.size(), first + static_cast<std::size_t>(count_->value()));
    std::vector<Column> columns;
    for (std::size_t i = first; i < last; ++i)
        columns.push_back(draws[i].numbers);
    notice = addQuadroColumns(quadro, quadroColumnsOf(columns, minHits, maxHits));
    return true;
}

} // namespace varnelo
