#include "conditions/ui/Video.h"

#include "conditions/SystemConditions.h"
#include "system/SystemRun.h"
#include "ui/DialogParts.h"
#include "ui/PrintPreview.h"
#include "ui/Shell.h"
#include "ui/TableModel.h"
#include "ui/TaskDialog.h"
#include "ui/Text.h"

#include <QDate>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLocale>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QTableView>
#include <QVBoxLayout>

namespace varnelo {

namespace {
// Below this many columns the count takes less than a blink: no progress window.
constexpr std::int32_t kBackgroundFrom = 200000;
} // namespace

Video::Video(Shell& shell) : ChildWindow(shell, "video", {}) {
    setWindowTitle("Condizioni sul sistema in corso");
    count_ = new QLabel(this);
    count_->setObjectName("LabColonne");
    caption_ = new QLabel(this);
    caption_->setObjectName("LabPagina");
    QFont bold = caption_->font();
    bold.setBold(true);
    caption_->setFont(bold);
    auto* top = new QHBoxLayout;
    top->addWidget(caption_);
    top->addStretch(1);
    top->addWidget(count_);

    model_ = new TableModel(this);
    grid_ = new QTableView(this);
    grid_->setObjectName("MSFlexGrid1");
    grid_->setModel(model_);
    grid_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grid_->verticalHeader()->hide();
    grid_->verticalHeader()->setDefaultSectionSize(20);
    grid_->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    grid_->horizontalHeader()->setMinimumSectionSize(60);
    grid_->setMinimumSize(640, 340);

    auto* pages = new QGridLayout;
    const auto& captions = systemConditionPages();
    for (std::size_t i = 0; i < captions.size(); ++i) {
        auto* b = namedButton(qs(captions[i].caption), QString("Statvideo(%1)").arg(i), this);
        b->setCheckable(true);
        const int n = static_cast<int>(i);
        connect(b, &QPushButton::clicked, this, [this, n] { showPage(n); });
        pages->addWidget(b, n / 6, n % 6);
    }
    auto* print = namedButton("Stampa Finestra", "ComStampa(0)", this);
    auto* preview = namedButton("Anteprima di Stampa", "ComStampa(1)", this);
    connect(print, &QPushButton::clicked, this, &Video::printPage);
    connect(preview, &QPushButton::clicked, this, &Video::preview);
    auto* commands = new QHBoxLayout;
    commands->addStretch(1);
    commands->addWidget(print);
    commands->addWidget(preview);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(grid_, 1);
    layout->addLayout(pages);
    layout->addLayout(commands);
    resize(820, 560);
}

Video::~Video() = default;

bool Video::fill() {
    ProgramState& st = state();
    if (!st.columns.hasColumns || st.columns.storedCount == 0) {
        tally_.reset();
        tallied_ = -1;
        showPage(page_);
        return false;
    }
    const auto context = makeRunContext(st);
    auto tally = std::make_unique<SystemConditions>();
    const SystemConditions::Inputs inputs{context->metrics, st.families.sequele,
                                          st.families.picchetti};
    Progress progress;
    bool complete = false;
    tallying_ = true;
    if (st.columns.storedCount < kBackgroundFrom)
        complete = tally->tally(st.columns, inputs, progress);
    else
        TaskDialog::run(shell(), "Condizioni sul sistema", "Conteggio delle colonne del sistema",
                        progress, [&] { complete = tally->tally(st.columns, inputs, progress); });
    tallying_ = false;
    if (!complete)
        return false;
    tally_ = std::move(tally);
    tallied_ = st.columns.storedCount;
    showPage(page_);
    return true;
}

void Video::systemChanged() {
    // Busy changes refresh the shell too: count again only when the columns did.
    if (tallying_ || shell().isBusy() || !isVisible())
        return;
    if (!state().columns.hasColumns || state().columns.storedCount != tallied_)
        fill();
}

void Video::showPage(int page) {
    const auto& pages = systemConditionPages();
    page_ = std::clamp(page, 0, static_cast<int>(pages.size()) - 1);
    const SystemConditionPage& p = pages[static_cast<std::size_t>(page_)];
    caption_->setText(qs(p.caption));
    count_->setText("Col.Elaborate = " + countText(tally_ ? tally_->columns() : 0));
    QStringList heads{"Valore"};
    for (const SystemMetric& m : p.metrics)
        heads << qs(m.name);
    model_->setHeaders(heads);
    QList<TableModel::Row> rows;
    if (tally_)
        for (const SystemConditionRow& r : tally_->pageRows(page_)) {
            TableModel::Row cells{TableModel::text(qs(r.label))};
            for (std::int64_t n : r.counts)
                cells << TableModel::integer(n);
            rows << cells;
        }
    model_->setRows(std::move(rows));
    for (int i = 0; i < static_cast<int>(pages.size()); ++i)
        findChild<QPushButton*>(QString("Statvideo(%1)").arg(i))->setChecked(i == page_);
}

QString Video::printHeading() const {
    const QString date =
        QLocale(QLocale::Italian).toString(QDate::currentDate(), "dddd d MMMM  yyyy");
    return "Nome Sistema = " + qs(state().systemName) + "    " + date;
}

QStringList Video::printedLines() const {
    QStringList lines;
    if (tally_)
        for (const std::string& l : tally_->pageText(page_))
            lines << qs(l);
    return lines;
}

void Video::printPage() {
    QPrinter printer;
    QPrintDialog dialog(&printer, this);
    if (dialog.exec() == QDialog::Accepted)
        textPages(printHeading(), printedLines())(printer);
}

void Video::preview() {
    showPrintPreview(this, "Anteprima di Stampa", textPages(printHeading(), printedLines()));
}

} // namespace varnelo
