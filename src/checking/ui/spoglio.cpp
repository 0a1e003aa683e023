#include "checking/ui/spoglio.h"

#include "checking/RandomCombination.h"
#include "checking/WinningColumnFile.h"
#include "checking/ui/AnalysisPanel.h"
#include "checking/ui/ArchiveFrame.h"
#include "checking/ui/CategoryChart.h"
#include "checking/ui/CategoryTable.h"
#include "checking/ui/WinsModel.h"
#include "system/ProgramState.h"
#include "system/SavedSystemsCheck.h"
#include "ui/Avviso.h"
#include "ui/BackgroundJob.h"
#include "ui/BarChart.h"
#include "ui/DialogParts.h"
#include "ui/NumberBoard.h"
#include "ui/Shell.h"
#include "ui/Text.h"

#include <QChartView>
#include <QCheckBox>
#include <QCloseEvent>
#include <QDateTime>
#include <QGridLayout>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTabWidget>
#include <QTableView>
#include <QTimer>
#include <QVBoxLayout>

namespace varnelo {

namespace {

// A check this large (or one that reads the overflow file) runs in the
// background, where Stop and closing can reach it.
constexpr std::int64_t kBackgroundColumns = 500000;

enum Tab { WinsTab, ChartTab, AnalysisTab };

} // namespace

spoglio::spoglio(Shell& shell) : ChildWindow(shell, "spoglio") {
    setWindowTitle("Spoglio:");
    summary_ = new QLabel(this);
    summary_->setObjectName("LabSpoglio");
    summary_->setWordWrap(true);
    summary_->setMinimumHeight(summary_->fontMetrics().lineSpacing() * 2 + 4);

    wins_ = new WinsModel(this);
    winsView_ = new QTableView(this);
    winsView_->setObjectName("MSFVincite");
    winsView_->setModel(wins_);
    winsView_->verticalHeader()->hide();
    winsView_->verticalHeader()->setDefaultSectionSize(20);
    winsView_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    winsView_->setSelectionBehavior(QAbstractItemView::SelectRows);
    winsView_->horizontalHeader()->setStretchLastSection(true);

    chart_ = makeBarChart("GraficoSpoglio", this);
    // The exact figures beside the bars: a bar too short to see still has its line.
    figures_ = new CategoryTable("MSFRiepilogo", {"Colonne", "Scommesse"}, this);
    auto* chartPage = new QWidget(this);
    auto* chartLayout = new QHBoxLayout(chartPage);
    chartLayout->addWidget(chart_, 1);
    chartLayout->addWidget(figures_, 0, Qt::AlignTop);
    analysis_ = new AnalysisPanel(this);
    connect(analysis_->refreshButton(), &QPushButton::clicked, this, [this] { command(7); });
    commands_[7] = analysis_->refreshButton();

    tabs_ = new QTabWidget(this);
    tabs_->setObjectName("TabSpoglio");
    tabs_->addTab(winsView_, " Vincite ");
    tabs_->addTab(chartPage, " Grafico ");
    tabs_->addTab(analysis_, " Condizioni ");
    // The analysis follows the marks whenever its page is shown.
    connect(tabs_, &QTabWidget::currentChanged, this, [this](int tab) {
        if (tab == AnalysisTab && !isRunning())
            refreshAnalysis();
    });

    auto* right = new QVBoxLayout;
    right->addWidget(summary_);
    right->addWidget(tabs_, 1);
    auto* left = new QVBoxLayout;
    left->addWidget(makeBoards());
    archive_ = new ArchiveFrame(this);
    left->addWidget(archive_);
    left->addWidget(makeCommands());
    left->addStretch(1);
    auto* layout = new QHBoxLayout(this);
    layout->addLayout(left);
    layout->addLayout(right, 1);

    connect(archive_, &ArchiveFrame::drawChosen, this, [this](const Draw& d) {
        setCombination(combinationOfDraw(d));
        if (!this->shell().isBusy())
            command(1);
    });
    job_ = new BackgroundJob(shell, this);
    connect(job_, &BackgroundJob::tick, this, &spoglio::showProgress);
    connect(job_, &BackgroundJob::finished, this, &spoglio::ended);
    connect(&shell.events(), &ShellEvents::busyChanged, this, &spoglio::updateCommands);
    updateCommands();
    showWins({}, "Colonne per categoria");
    summary_->setText("Segna la combinazione e premi \"Spoglio\", oppure scegli "
                      "un'estrazione dell'archivio.");
    fitWinsColumns();
}

void spoglio::showWins(const WinTally& t, const QString& title) {
    showCategoryBars(chart_, title, t);
    figures_->setFigures({t.columns, t.bets});
}

QWidget* spoglio::makeBoards() {
    auto* frame = new QGroupBox("Combinazione da controllare", this);
    numbers_ = new MarkBoard("MSFSpoglio", frame);
    numeroni_ = new MarkBoard("MSFlEuroNum", frame, 1, 10);
    numeroni_->setMarkColour(kBoardFixed);
    auto* layout = new QVBoxLayout(frame);
    layout->addWidget(numbers_->widget());
    layout->addWidget(new QLabel("EuroNum", frame));
    layout->addWidget(numeroni_->widget());
    return frame;
}

QWidget* spoglio::makeCommands() {
    auto* frame = new QGroupBox("Comandi", this);
    auto* grid = new QGridLayout(frame);
    const struct {
        int index;
        const char* caption;
    } keys[] = {{1, "Spoglio"},
                {4, "Spoglio sistemi salvati"},
                {8, "Combinazione casuale"},
                {0, "Cancella numeri"},
                {2, "Stop"},
                {3, "Esci"}};
    int at = 0;
    for (const auto& k : keys) {
        QPushButton* b = namedButton(k.caption, QString("SpoglioVai(%1)").arg(k.index), frame);
        const int index = k.index;
        connect(b, &QPushButton::clicked, this, [this, index] { command(index); });
        grid->addWidget(b, at / 2, at % 2);
        commands_[index] = b;
        ++at;
    }
    commands_[1]->setDefault(true);
    analyseAfter_ = new QCheckBox("Analisi delle condizioni dopo lo spoglio", frame);
    analyseAfter_->setObjectName("Check1");
    grid->addWidget(analyseAfter_, at / 2 + 1, 0, 1, 2);
    return frame;
}

QSize spoglio::sizeHint() const {
    return {1120, 640};
}

Combination spoglio::combination() const {
    Combination c;
    for (int n : numbers_->marked())
        c.numbers[static_cast<std::size_t>(n)] = true;
    for (int e : numeroni_->marked())
        c.numeroni[static_cast<std::size_t>(e)] = true;
    return c;
}

void spoglio::setCombination(const Combination& c) {
    numbers_->setMarked(c.markedNumbers());
    numeroni_->setMarked(c.markedNumeroni());
}

bool spoglio::isRunning() const {
    return job_->isRunning();
}

void spoglio::command(int index) {
    if ((isRunning() || shell().isBusy()) && index != 2 && index != 3)
        return;
    switch (index) {
    case 0:
        numbers_->setMarked({});
        break;
    case 1:
        checkSystem();
        break;
    case 2:
        job_->cancel();
        break;
    case 3:
        closeWindow();
        break;
    case 4:
        checkSavedSystems();
        break;
    case 7:
        refreshAnalysis();
        break;
    case 8:
        setCombination(randomCombination(
            state().selection, static_cast<std::uint64_t>(QDateTime::currentMSecsSinceEpoch())));
        break;
    default:
        break;
    }
}

void spoglio::checkSystem() {
    const ColumnStore& columns = state().columns;
    const bool large =
        columns.systemTotal > kBackgroundColumns || columns.systemTotal > columns.storedCount;
    const Combination drawn = combination();
    run(
        large,
        [this, drawn] {
            systemCheck_ = varnelo::checkSystem(state().columns, state().folder, state().selection,
                                                drawn, progress_);
        },
        [this] {
            if (systemCheck_.failure)
                Avviso::ask(*systemCheck_.failure, this);
            const WinTally& t = systemCheck_.tally;
            const int best = t.best();
            QString text = "Sistema " + qs(state().systemName) + ": " + countText(t.checked) +
                           " colonne controllate" +
                           (systemCheck_.cancelled ? " (interrotto)" : "") + ", " +
                           countText(systemCheck_.split.without + systemCheck_.split.with) +
                           " scommesse per colonna, " + countText(systemCheck_.split.with) +
                           " con il Numerone.";
            if (best >= 0)
                text += "  Categoria più alta: " + qs(categoryLabel(best));
            summary_->setText(text);
            showWins(t, "Sistema " + qs(state().systemName) + ": colonne per categoria");
            wins_->setTable(WinsTable(state().systemName, std::move(systemCheck_)));
            fitWinsColumns();
            if (analyseAfter_->isChecked())
                refreshAnalysis();
        });
}

void spoglio::checkSavedSystems() {
    const Combination drawn = combination();
    run(
        true,
        [this, drawn] {
            savedCheck_ = varnelo::checkSavedSystems(state().folder, drawn, progress_);
        },
        [this] {
            int unreadable = 0;
            for (const SavedSystemResult& r : savedCheck_.rows)
                unreadable += !r.problem.empty();
            summary_->setText(
                "Sistemi salvati controllati: " + countText(savedCheck_.rows.size()) +
                (unreadable ? ", " + countText(unreadable) + " non leggibili (vedi Note)" : "") +
                (savedCheck_.cancelled ? " (interrotto)." : "."));
            wins_->setTable(WinsTable(std::move(savedCheck_)));
            fitWinsColumns();
            tabs_->setCurrentIndex(WinsTab);
        });
}

// Each column as wide as its heading and its widest figure, which is in the
// totals row (or a saved system's row): no figure is ever cut, however large.
void spoglio::fitWinsColumns() {
    QFont bold = winsView_->font();
    bold.setBold(true);
    const QFontMetrics metrics(bold);
    const WinsTable& t = wins_->table();
    for (int c = 0; c < WinsTable::kColumns - 1; ++c) {
        int widest = metrics.horizontalAdvance(qs(t.header(c)));
        for (int r = std::max(0, t.rows() - 3); r < t.rows(); ++r)
            widest = std::max(widest, metrics.horizontalAdvance(qs(t.text(r, c))));
        if (t.kind(0) == WinsTable::RowKind::System)
            for (int r = 0; r < t.rows(); ++r)
                widest = std::max(widest, metrics.horizontalAdvance(qs(t.text(r, c))));
        winsView_->setColumnWidth(c, widest + 10);
    }
}

void spoglio::refreshAnalysis() {
    analysis_->analyse(state(), combination());
}

void spoglio::run(bool inBackground, std::function<void()> work, std::function<void()> shown) {
    progress_.done = 0;
    progress_.total = 0;
    shown_ = std::move(shown);
    if (!inBackground) {
        progress_.cancel = false;
        work();
        shown_();
        return;
    }
    job_->start(std::move(work), progress_.cancel);
}

void spoglio::showProgress() {
    if (isRunning())
        summary_->setText("Controllo in corso: " + countText(progress_.done.load()) + " di " +
                          countText(progress_.total.load()));
}

void spoglio::ended() {
    shown_();
}

// While a check runs only Stop and Esci answer; while another window's job
// runs (a development writing the columns) nothing may start, only Esci.
void spoglio::updateCommands() {
    const bool running = isRunning();
    const bool idle = !running && !shell().isBusy();
    for (auto it = commands_.begin(); it != commands_.end(); ++it)
        it.value()->setEnabled(it.key() == 2 ? running : it.key() == 3 || idle);
    analyseAfter_->setEnabled(idle);
    numbers_->widget()->setEnabled(idle);
    numeroni_->widget()->setEnabled(idle);
    archive_->setStepsEnabled(idle);
}

void spoglio::systemChanged() {
    numbers_->setHighlighted(state().selection.chosenNumbers());
}

void spoglio::showEvent(QShowEvent* event) {
    ChildWindow::showEvent(event);
    if (event->spontaneous())
        return;
    std::vector<Notice> notices;
    archive_->setDraws(loadArchiveView(state().folder, notices));
    Combination remembered;
    if (auto notice = loadWinningColumn(state().folder, remembered))
        notices.push_back(*notice);
    numbers_->setMarked(remembered.markedNumbers());
    systemChanged();
    // Problems are told once the window stands on the screen.
    if (!notices.empty())
        QTimer::singleShot(0, this, [this, notices] { showNotices(notices, this); });
}

void spoglio::closeEvent(QCloseEvent* event) {
    // The run ends first; the window closes when it has.
    if (job_->closeWhenEnded([this] { closeWindow(); })) {
        event->ignore();
        return;
    }
    std::string error;
    if (!saveWinningColumn(state().folder, combination(), error))
        Avviso::ask(
            Notice{"Colonna vincente:", {"La colonna controllata non è stata salvata:", error}},
            this);
    ChildWindow::closeEvent(event);
}

} // namespace varnelo
