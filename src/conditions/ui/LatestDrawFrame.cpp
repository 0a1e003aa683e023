#include "conditions/ui/LatestDrawFrame.h"

#include "system/ProgramState.h"
#include "ui/Text.h"

#include <QLabel>
#include <QVBoxLayout>

#include <algorithm>

namespace varnelo {

LatestDrawFrame::LatestDrawFrame(QStringList captions, QWidget* parent)
    : QGroupBox("Ultima Colonna di Ricerca ", parent), captions_(std::move(captions)) {
    setObjectName("FrameUltima");
    auto* layout = new QVBoxLayout(this);
    numbers_ = new QLabel(this);
    numbers_->setObjectName("LabColonna");
    layout->addWidget(numbers_);
    for (int i = 0; i < captions_.size(); ++i) {
        auto* line = new QLabel(captions_[i], this);
        line->setObjectName(QString("LabUltima(%1)").arg(i));
        lines_.push_back(line);
        layout->addWidget(line);
    }
    layout->addStretch();
}

LatestDrawFigures LatestDrawFrame::figures(const ProgramState& state) {
    const std::vector<Column> draws = drawNumbers(state.archive.selection);
    const std::size_t from = draws.size() - std::min(draws.size(), kDelayWindow);
    return latestDrawFigures(std::span<const Column>(draws).subspan(from));
}

void LatestDrawFrame::fill(const ProgramState& state, const std::vector<std::int64_t>& values) {
    const auto& draws = state.archive.selection;
    setTitle("Ultima Colonna di Ricerca " + (draws.empty() ? QString() : qs(draws.back().date())));
    numbers_->setText(draws.empty() ? "Nessuna estrazione selezionata"
                                    : "Numeri: " + qs(draws.back().numbersText()));
    for (std::size_t i = 0; i < lines_.size(); ++i)
        lines_[i]->setText(
            captions_[static_cast<qsizetype>(i)] +
            (i < values.size() && !draws.empty() ? QString::number(values[i]) : QString()));
}

} // namespace varnelo
