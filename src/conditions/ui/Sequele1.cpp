#include "conditions/ui/Sequele1.h"

#include "conditions/SlotEditor.h"
#include "conditions/ui/ValueCellsAccept.h"
#include "system/ProgramState.h"
#include "ui/DialogParts.h"
#include "ui/RecoveryLevelBox.h"
#include "ui/Shell.h"
#include "ui/ValueCellsView.h"
#include "ui/ValueGridModel.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>
#include <QVBoxLayout>

#include <algorithm>
#include <array>

namespace varnelo {

namespace {

struct Row {
    int slot;
    const char* caption;
};

// The named metrics first, in the order players know them; then the other
// six-valued ones of the catalogue, so that none is missing from the view.
constexpr std::array<Row, 39> kRows = {{
    {1, "Pari"},
    {3, "Dispari"},
    {2, "Pari consecutivi"},
    {4, "Dispari consecutivi"},
    {5, "Consecutivi 4"},
    {6, "Consecutivi 3"},
    {7, "Consecutivi 2"},
    {8, "Consecutivi 2  P.n"},
    {9, "Simmetrie totali"},
    {10, "Simmetrie dirette"},
    {11, "Simmetrie inverse"},
    {12, "Gemelli"},
    {13, "Ponte"},
    {14, "Ponte Passo n"},
    {15, "Interruzioni"},
    {16, "Interruzioni pari"},
    {17, "Interruzioni dispari"},
    {18, "Interr. consecutivi"},
    {19, "Distanze pari"},
    {20, "Distanze dispari"},
    {21, "Gruppi pari"},
    {22, "Gruppi dispari"},
    {45, "Decine differenti"},
    {63, "Consecutivi Totali"},
    {64, "Consecutivi Max"},
    {48, "Cons. Pronostico 4"},
    {49, "Cons. Pronostico 3"},
    {50, "Cons. Pronostico 2"},
    {62, "Unità differenti"},
    {34, "Vortice diretto"},
    {35, "Bracci diretto"},
    {36, "Vortice inverso"},
    {37, "Bracci inverso"},
    {38, "Sequenze 1"},
    {39, "Sequenze 2"},
    {40, "Sequenze 3"},
    {41, "Sequenze 4"},
    {46, "Confr. col. vincente"},
    {47, "Confr. col. vin. -1 +1"},
}};

} // namespace

Sequele1::Sequele1(Shell& shell) : ChildWindow(shell, "Sequele1", {95, 97}) {
    setWindowTitle("Condizioni uno:");
    cells_ = new ValueCellsView(this);
    cells_->setObjectName("MSFlexGrid1");
    cells_->horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    cells_->horizontalHeader()->setDefaultSectionSize(52);
    cells_->horizontalHeader()->setStretchLastSection(true);
    level_ = new RecoveryLevelBox(cells_, this);

    auto* legend = new QLabel("Clic su un valore: bianco → blu (ammesso) → rosso (recupero) → "
                              "bianco. Clic su \"Stato\": Attivo / Disattivo.",
                              this);
    legend->setWordWrap(true);
    auto* ok = namedButton("OK", "CommOk", this);
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &Sequele1::accept);
    auto* cancel = namedButton("Annulla", "CommAnnulla", this);
    connect(cancel, &QPushButton::clicked, this, &Sequele1::closeWindow);

    auto* levelRow = new QHBoxLayout;
    levelRow->addWidget(new QLabel("Livello della casella rossa:", this));
    levelRow->addWidget(level_);
    levelRow->addStretch();
    levelRow->addWidget(cancel);
    levelRow->addWidget(ok);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(cells_, 1);
    layout->addWidget(legend);
    layout->addLayout(levelRow);
}

// Wide enough for every value and "Stato", tall enough for most rows.
QSize Sequele1::sizeHint() const {
    int names = 0;
    for (const Row& r : kRows)
        names = std::max(names, fontMetrics().horizontalAdvance(QString::fromUtf8(r.caption)));
    const int width =
        names + 24 + 6 * 52 + 100 + cells_->verticalScrollBar()->sizeHint().width() + 40;
    return {std::max(width, ChildWindow::sizeHint().width()), 640};
}

Sequele1::~Sequele1() = default;

// Every opening is a session of its own: "Annulla" goes back to this moment.
void Sequele1::showEvent(QShowEvent* event) {
    if (!session_) {
        std::vector<int> slots;
        QStringList captions;
        for (const Row& r : kRows) {
            slots.push_back(r.slot);
            captions << QString::fromUtf8(r.caption);
        }
        session_ = std::make_unique<SlotEditor>(state().conditions, slots);
        auto* model = new ValueGridModel(*session_, Qt::Horizontal, cells_);
        model->setStateColumn(true);
        model->setSlotCaptions(captions);
        cells_->setValueModel(model);
        delete model_;
        model_ = model;
        cells_->setCurrentIndex(model_->index(0, 0));
        level_->follow();
    }
    ChildWindow::showEvent(event);
}

void Sequele1::accept() {
    if (!session_)
        return;
    if (const auto place = acceptValueCells(*session_, state(), false, this)) {
        level_->askFor(model_->indexOf(place->slot, place->value));
        return;
    }
    endSession();
    closeWindow();
    shell().refresh();
}

void Sequele1::endSession() {
    cells_->setValueModel(nullptr);
    delete model_;
    model_ = nullptr;
    session_.reset();
}

// Closing by "Annulla", Escape or the close box drops the edits.
void Sequele1::closeEvent(QCloseEvent* event) {
    if (session_) {
        session_->cancel();
        endSession();
        shell().refresh();
    }
    ChildWindow::closeEvent(event);
}

bool Sequele1::forgetEdits() {
    if (!session_)
        return false;
    endSession();
    return true;
}

} // namespace varnelo
