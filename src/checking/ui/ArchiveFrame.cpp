#include "checking/ui/ArchiveFrame.h"

#include "ui/DialogParts.h"
#include "ui/Text.h"

#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>

namespace varnelo {

ArchiveFrame::ArchiveFrame(QWidget* parent) : QGroupBox(parent) {
    setObjectName("Frame1");
    date_ = new QLabel(this);
    date_->setObjectName("LabArch");
    numbers_ = new QLabel(this);
    numbers_->setObjectName("LabArchNumeri");
    QFont bold = numbers_->font();
    bold.setBold(true);
    numbers_->setFont(bold);
    scroll_ = new QScrollBar(Qt::Horizontal, this);
    scroll_->setObjectName("HScroll2");
    connect(scroll_, &QScrollBar::valueChanged, this, [this](int v) {
        if (v != index_) {
            showDraw(v);
            Q_EMIT drawChosen(draws_[static_cast<std::size_t>(index_ - 1)]);
        }
    });
    auto* grid = new QGridLayout(this);
    grid->addWidget(date_, 0, 0, 1, 4);
    grid->addWidget(numbers_, 1, 0, 1, 4);
    // In the order a player reads them; the indexes are the command array's.
    const struct {
        int index;
        const char* caption;
        const char* tip;
        ArchiveStep step;
    } keys[] = {{2, "|<", "Prima estrazione", ArchiveStep::First},
                {0, "<", "Estrazione precedente", ArchiveStep::Previous},
                {1, ">", "Estrazione successiva", ArchiveStep::Next},
                {3, ">|", "Ultima estrazione", ArchiveStep::Last}};
    int column = 0;
    for (const auto& k : keys) {
        QPushButton* b = namedButton(k.caption, QString("CommArc(%1)").arg(k.index), this);
        b->setToolTip(k.tip);
        const ArchiveStep s = k.step;
        connect(b, &QPushButton::clicked, this, [this, s] { step(s); });
        grid->addWidget(b, 2, column++);
        steps_.push_back(b);
    }
    grid->addWidget(scroll_, 3, 0, 1, 4);
    showDraw(0);
}

void ArchiveFrame::setDraws(std::vector<Draw> draws) {
    draws_ = std::move(draws);
    scroll_->blockSignals(true);
    scroll_->setRange(draws_.empty() ? 0 : 1, count());
    scroll_->setPageStep(std::max(1, count() / 20));
    scroll_->blockSignals(false);
    showDraw(count());
    setStepsEnabled(true);
}

void ArchiveFrame::step(ArchiveStep s) {
    const int next = stepArchive(index_, count(), s);
    if (next == index_ || next == 0)
        return;
    showDraw(next);
    Q_EMIT drawChosen(draws_[static_cast<std::size_t>(index_ - 1)]);
}

void ArchiveFrame::setStepsEnabled(bool on) {
    for (QPushButton* b : steps_)
        b->setEnabled(on && count() > 0);
    scroll_->setEnabled(on && count() > 0);
}

void ArchiveFrame::showDraw(int index) {
    index_ = index;
    if (index <= 0) {
        setTitle("Archivio");
        date_->setText("Archivio delle estrazioni vuoto");
        numbers_->clear();
        return;
    }
    const Draw& d = draws_[static_cast<std::size_t>(index - 1)];
    setTitle(qs(archiveCaption(index)));
    date_->setText(qs(archiveDateLabel(d)));
    numbers_->setText(qs(d.numbersText()) + QString("    EuroNum %1 - %2")
                                                .arg(d.numeroni[0], 2, 10, QChar('0'))
                                                .arg(d.numeroni[1], 2, 10, QChar('0')));
    scroll_->blockSignals(true);
    scroll_->setValue(index);
    scroll_->blockSignals(false);
}

} // namespace varnelo
