#include "checking/ui/DebuGG.h"

#include "checking/ui/AnalysisPanel.h"
#include "checking/ui/ArchiveFrame.h"
#include "system/ProgramState.h"
#include "ui/Avviso.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QShowEvent>
#include <QTimer>
#include <QVBoxLayout>

namespace varnelo {

DebuGG::DebuGG(Shell& shell) : ChildWindow(shell, "DebuGG") {
    setWindowTitle("Debug della colonna Vincente");
    auto* hint = new QLabel("Scegli un'estrazione dell'archivio: la sua combinazione è "
                            "giudicata come una colonna del sistema, condizione per condizione, "
                            "con le Link, i quadri e i livelli.",
                            this);
    hint->setWordWrap(true);
    hint->setMaximumWidth(260);
    archive_ = new ArchiveFrame(this);
    analysis_ = new AnalysisPanel(this);
    connect(analysis_->refreshButton(), &QPushButton::clicked, this, &DebuGG::analyse);
    connect(archive_, &ArchiveFrame::drawChosen, this, [this](const Draw& d) {
        draw_ = d;
        analyse();
    });
    auto* left = new QVBoxLayout;
    left->addWidget(hint);
    left->addWidget(archive_);
    left->addStretch(1);
    auto* layout = new QHBoxLayout(this);
    layout->addLayout(left);
    layout->addWidget(analysis_, 1);
}

QSize DebuGG::sizeHint() const {
    return {1000, 600};
}

void DebuGG::analyse() {
    analysis_->analyse(state(), draw_ ? combinationOfDraw(*draw_) : Combination{});
}

void DebuGG::systemChanged() {
    analyse();
}

void DebuGG::showEvent(QShowEvent* event) {
    ChildWindow::showEvent(event);
    if (event->spontaneous())
        return;
    std::vector<Notice> notices;
    std::vector<Draw> draws = loadArchiveView(state().folder, notices);
    draw_.reset();
    if (!draws.empty())
        draw_ = draws.back();
    archive_->setDraws(std::move(draws));
    analyse();
    if (!notices.empty())
        QTimer::singleShot(0, this, [this, notices] { showNotices(notices, this); });
}

} // namespace varnelo
