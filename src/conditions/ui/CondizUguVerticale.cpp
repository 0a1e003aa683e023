#include "conditions/ui/CondizUguVerticale.h"

#include "conditions/ComparisonDraws.h"
#include "conditions/FamilyFiles.h"
#include "system/ProgramState.h"
#include "ui/Avviso.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QTableWidget>
#include <QTimer>
#include <QVBoxLayout>

#include <algorithm>

namespace varnelo {

namespace {
constexpr int kRowHeight = 18;
} // namespace

CondizUguVerticale::CondizUguVerticale(Shell& shell)
    : ValueConditionEditor(shell, "CondizUguVerticale",
                           "Confronta colonne vincenti:    Uguali + Distanza di:  (1 or -1) :",
                           {15, 17}, {{46, "Numeri Uguali"}, {47, "Distanza di: +1 Or -1"}}) {
    frame_ = new QGroupBox(this);
    frame_->setObjectName("FrameVincenti");
    scroll_ = new QScrollBar(Qt::Horizontal, frame_);
    scroll_->setObjectName("Scrol1");
    scroll_->setRange(kMinComparisonDraws, kMaxComparisonDraws);
    scroll_->setPageStep(1);
    scroll_->setToolTip("Quante estrazioni, dalla più recente, danno i numeri di confronto");
    draws_ = new QTableWidget(0, 1 + kColumnSize, frame_);
    draws_->setObjectName("MSFlCVincenti");
    QStringList headers{"Data"};
    for (int p = 1; p <= kColumnSize; ++p)
        headers << QString("%1°").arg(p);
    draws_->setHorizontalHeaderLabels(headers);
    draws_->verticalHeader()->hide();
    draws_->verticalHeader()->setDefaultSectionSize(kRowHeight);
    draws_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    draws_->setSelectionMode(QAbstractItemView::NoSelection);
    draws_->setFocusPolicy(Qt::NoFocus);
    draws_->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    draws_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    draws_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    // Room for every draw K can reach, so the list never scrolls.
    draws_->setFixedHeight(draws_->horizontalHeader()->sizeHint().height() +
                           kMaxComparisonDraws * kRowHeight + 2 * draws_->frameWidth());
    numbers_ = new QLabel(frame_);
    numbers_->setObjectName("LabConfronto");
    numbers_->setToolTip("Quanti numeri diversi hanno le estrazioni di confronto");
    auto* top = new QHBoxLayout;
    top->addWidget(scroll_, 1);
    top->addWidget(numbers_);
    auto* layout = new QVBoxLayout(frame_);
    layout->addLayout(top);
    layout->addWidget(draws_, 0, Qt::AlignLeft);
    addFamilyFrame(frame_, FramePlace::UnderSubConditions);
    // Filled now too, so the first size of the window has room for it.
    showDraws();
    connect(scroll_, &QScrollBar::valueChanged, this, [this](int k) {
        comparisonDraws() = k;
        showDraws();
        // The figures shown were of another K.
        showSlot(shownSlot_);
    });
}

int& CondizUguVerticale::comparisonDraws() {
    return state().families.comparisonDraws;
}

// The file is read on every opening; a file that cannot be taken leaves K.
void CondizUguVerticale::sessionStarted() {
    opened_ = comparisonDraws();
    int k = opened_;
    // The notice waits until the window shows.
    if (auto notice = loadComparisonDraws(state().folder, k))
        QTimer::singleShot(0, this, [this, n = std::move(*notice)] { Avviso::ask(n, this); });
    else
        comparisonDraws() = k;
    const QSignalBlocker quiet(scroll_);
    scroll_->setValue(comparisonDraws());
    showDraws();
}

void CondizUguVerticale::slotShown(int slot) {
    shownSlot_ = slot;
}

void CondizUguVerticale::showDraws() {
    const int k = comparisonDraws();
    frame_->setTitle(QString("Confronta colonne vincenti N°: %1").arg(k));
    const std::vector<Draw>& selection = state().archive.selection;
    const int rows = std::min(k, static_cast<int>(selection.size()));
    draws_->setRowCount(rows);
    std::vector<Column> last;
    for (int r = 0; r < rows; ++r) {
        const Draw& d = selection[selection.size() - 1 - static_cast<std::size_t>(r)];
        last.push_back(d.numbers);
        auto* date = new QTableWidgetItem(QString::fromStdString(d.date()));
        draws_->setItem(r, 0, date);
        for (int p = 0; p < kColumnSize; ++p) {
            auto* n = new QTableWidgetItem(QString::number(d.numbers[static_cast<std::size_t>(p)]));
            n->setTextAlignment(Qt::AlignCenter);
            draws_->setItem(r, p + 1, n);
        }
    }
    // Wide enough for the dates and numbers shown, never a scroll bar.
    draws_->setFixedWidth(draws_->horizontalHeader()->length() + 2 * draws_->frameWidth());
    const auto counts = comparisonNumbers(last, k);
    const auto different = std::count_if(counts.begin(), counts.end(), [](int c) { return c > 0; });
    numbers_->setText(QString("Numeri di confronto: %1").arg(different));
}

bool CondizUguVerticale::committed() {
    return comparisonDraws() != opened_;
}

void CondizUguVerticale::accepted() {
    if (const auto notice = saveComparisonDraws(state().folder, comparisonDraws()))
        Avviso::ask(*notice, this);
}

void CondizUguVerticale::cancelled() {
    comparisonDraws() = opened_;
}

} // namespace varnelo
