#include "UiTestSupport.h"
#include "WidgetDriving.h"
#include "checking/ArchiveView.h"
#include "checking/SystemCheck.h"
#include "checking/ui/AnalysisPanel.h"
#include "checking/ui/Confrontiamo.h"
#include "checking/ui/WinsModel.h"
#include "checking/ui/spoglio.h"
#include "engine/ui/SviluppoS.h"
#include "shell/ui/Pronostico.h"
#include "ui/ModelRoles.h"

#include <QBarSeries>
#include <QBarSet>
#include <QChart>
#include <QChartView>
#include <QCheckBox>
#include <QGroupBox>
#include <QMdiSubWindow>
#include <QPrintPreviewDialog>
#include <QPushButton>
#include <QScatterSeries>
#include <QTabWidget>

#include <fstream>

using namespace varnelo;

namespace {

// What `varnelo-cli spoglio` prints, line by line.
QStringList commandLineCheck(const TestProgram& p, const QString& system, const Draw& d) {
    QStringList numbers;
    for (const auto n : d.numbers)
        numbers << QString::number(n);
    QProcess cli;
    cli.start(QFileInfo(VARNELO_GUI_PATH).dir().filePath("varnelo-cli"),
              {"spoglio", "--cartella", p.dir.path(), "--sistema", system, "--numeri",
               numbers.join(','), "--numerone",
               QString("%1,%2").arg(d.numeroni[0]).arg(d.numeroni[1])});
    if (!cli.waitForFinished(60000) || cli.exitCode() != 0)
        return {"varnelo-cli: " + QString::fromUtf8(cli.readAllStandardError())};
    return QString::fromUtf8(cli.readAllStandardOutput()).split('\n', Qt::SkipEmptyParts);
}

QList<double> barValues(QWidget* w) {
    QList<double> values;
    auto* view = w->findChild<QChartView*>("GraficoSpoglio");
    for (QAbstractSeries* s : view->chart()->series())
        if (auto* bars = qobject_cast<QBarSeries*>(s))
            for (QBarSet* set : bars->barSets())
                for (int i = 0; i < set->count(); ++i)
                    values << set->at(i);
    return values;
}

} // namespace

class SpoglioTest : public QObject {
    Q_OBJECT

    std::unique_ptr<MainWindowUnderTest> app_;
    ProgramState* state_ = nullptr;

    Varnelo& main() { return app_->main; }
    spoglio* openSpoglio() {
        return qobject_cast<spoglio*>(openFromMenu(&main(), "ColonneSistema(2)", "spoglio"));
    }
  private Q_SLOTS:
    void initTestCase() { prepareWindowTests(); }
    void init() {
        app_ = std::make_unique<MainWindowUnderTest>();
        state_ = app_->program.state.get();
    }
    void cleanup() { app_.reset(); }

    // Ten numbers holding a draw three steps back in the archive: the grid's
    // totals and the chart's bars say what the command line says.
    void tenNumbersCheckedOnAnArchiveDrawMatchTheCommandLine() {
        std::vector<Notice> notices;
        const std::vector<Draw> draws = loadArchiveView(state_->folder, notices);
        QVERIFY(draws.size() > 10);
        const Draw target = draws[draws.size() - 4];
        std::vector<int> numbers(target.numbers.begin(), target.numbers.end());
        for (int n = 1; numbers.size() < 10; ++n)
            if (std::find(numbers.begin(), numbers.end(), n) == numbers.end())
                numbers.push_back(n);
        // The draw's first Numerone and one it did not bring: one bet of each column hits.
        int other = 1;
        while (other == target.numeroni[0] || other == target.numeroni[1])
            ++other;
        QVERIFY(!openSpoglio()); // no columns yet: the menu is shut
        developAtPronostico(main(), numbers, {target.numeroni[0], other});
        QCOMPARE(app_->status(), QString("Colonne finali = 252"));
        QVERIFY(main().findChild<QAction*>("MenuFile(4)")->isEnabled());
        main().findChild<QAction*>("MenuFile(4)")->trigger(); // saved for the command line

        spoglio* w = openSpoglio();
        QVERIFY(w);
        auto* frame = w->findChild<QGroupBox*>("Frame1");
        QCOMPARE(frame->title(), QString("Archivio %1").arg(draws.size()));
        clickButton(w, "CommArc(1)"); // past the last: stays
        QCOMPARE(frame->title(), QString("Archivio %1").arg(draws.size()));
        for (int i = 0; i < 3; ++i)
            clickButton(w, "CommArc(0)");
        QCOMPARE(frame->title(), QString("Archivio %1").arg(draws.size() - 3));
        QCOMPARE(w->findChild<QLabel*>("LabArch")->text(),
                 QString::fromStdString(archiveDateLabel(target)));
        QCOMPARE(w->combination(), combinationOfDraw(target));

        const WinsModel& wins = w->wins();
        QCOMPARE(wins.rowCount(), 253); // 252 columns and the totals
        const int totals = wins.rowCount() - 1;
        QCOMPARE(wins.index(totals, 0).data().toString(), QString("Vincite"));
        QStringList fromWindow;
        const QList<double> bars = barValues(w);
        QCOMPARE(bars.size(), kCategoryCount);
        for (int c = 0; c < kCategoryCount; ++c)
            fromWindow << QString::fromStdString(std::string(categoryLabel(c))) + ' ' +
                              wins.index(totals, c + 1).data().toString() + ' ' +
                              QString::number(static_cast<qint64>(bars[c]));
        QCOMPARE(fromWindow, commandLineCheck(app_->program,
                                              QString::fromStdString(state_->systemName), target));
        // The draw is among the ten numbers and one Numerone is the system's.
        QCOMPARE(bars[11], 1.0);
        QCOMPARE(wins.index(totals, 12).data().toString(), QString("1"));

        w->findChild<QTabWidget*>("TabSpoglio")->setCurrentIndex(1);
        saveScreenshot(w, "spoglio-grafico");
        w->findChild<QTabWidget*>("TabSpoglio")->setCurrentIndex(0);
        saveScreenshot(w, "spoglio-vincite");

        clickButton(w, "CommArc(2)");
        QCOMPARE(frame->title(), QString("Archivio 1"));
        clickButton(w, "CommArc(0)"); // before the first: stays
        QCOMPARE(frame->title(), QString("Archivio 1"));
    }

    // Marks by hand, the analysis after the check, its debug print as a PDF.
    void conditionAnalysisOfMarkedNumbers() {
        developAtPronostico(main(), {1, 2, 3, 4, 5, 6, 7}, {1, 2});
        state_->conditions.setActive(111, true); // "Somma Totale" 20..30 only
        for (int v = 20; v <= 30; ++v)
            state_->conditions.setCell(111, v, {CellStatus::Admitted, 0});
        spoglio* w = openSpoglio();
        QVERIFY(w);
        clickButton(w, "SpoglioVai(0)");
        QVERIFY(w->combination().markedNumbers().empty());
        for (int n : {1, 2, 3, 4, 40})
            clickBoardCell(w, "MSFSpoglio", n);
        w->findChild<QCheckBox*>("Check1")->setChecked(true);
        clickButton(w, "SpoglioVai(1)");
        QCOMPARE(w->wins().rowCount(), 22); // 21 columns and the totals
        const std::vector<AnalysisRow>& rows = w->analysis().rows();
        auto sum = std::find_if(rows.begin(), rows.end(),
                                [](const AnalysisRow& r) { return r.name == "Somma Totale"; });
        QVERIFY(sum != rows.end());
        QCOMPARE(sum->value, std::string("50"));
        QCOMPARE(verdictText(*sum), std::string("NON AMMESSO"));
        w->findChild<QTabWidget*>("TabSpoglio")->setCurrentIndex(2);
        saveScreenshot(w, "spoglio-condizioni");

        QString title;
        whenModalShows([&title](QWidget* m) {
            title = m->windowTitle();
            m->close();
        });
        clickButton(w, "ComStampaDebug(1)");
        QCOMPARE(title, QString("Stampa Debug Errori"));

        const QString pdf = app_->program.path("debug.pdf");
        QVERIFY(savePdf(pdf, w->analysis().debugDocument(true)));
        QProcess text;
        text.start("pdftotext", {"-layout", pdf, "-"});
        QVERIFY(text.waitForFinished(30000));
        const QString printed = QString::fromUtf8(text.readAllStandardOutput());
        QVERIFY2(printed.contains("Analisi delle condizioni: 1 2 3 4 40"), qPrintable(printed));
        QVERIFY(printed.contains(QRegularExpression("Somma Totale +50 +NON AMMESSO")));
        QVERIFY(!printed.contains("Ammesso"));
    }

    // Closing during a large check: the run ends first, then the window
    // closes and keeps the marks for the next time.
    void closingDuringACheckWaitsAndKeepsTheMarks() {
        std::vector<Column> all;
        all.reserve(kAllColumns);
        Column c{};
        for (c[0] = 1; c[0] <= 45; ++c[0])
            for (c[1] = c[0] + 1; c[1] <= 46; ++c[1])
                for (c[2] = c[1] + 1; c[2] <= 47; ++c[2])
                    for (c[3] = c[2] + 1; c[3] <= 48; ++c[3])
                        for (c[4] = c[3] + 1; c[4] <= 49; ++c[4])
                            all.push_back(c);
        for (int n = 1; n <= 49; ++n)
            state_->selection.setState(n, Selection::Chosen);
        fillColumns(*state_, all);
        main().refresh();
        spoglio* w = openSpoglio();
        QVERIFY(w);
        clickButton(w, "SpoglioVai(0)");
        for (int n : {7, 14, 21, 28, 35})
            clickBoardCell(w, "MSFSpoglio", n);
        clickButton(w, "SpoglioVai(1)");
        QVERIFY(w->isRunning());
        QVERIFY(!w->findChild<QPushButton*>("SpoglioVai(4)")->isEnabled());
        QVERIFY(w->findChild<QPushButton*>("SpoglioVai(2)")->isEnabled());
        auto* frame = qobject_cast<QMdiSubWindow*>(w->parentWidget());
        frame->close();
        QTRY_VERIFY(!w->isRunning());
        QTRY_VERIFY(!w->isVisible());
        QFile file(app_->program.path("enal/colonnavincente.txt"));
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QList<QByteArray> lines = file.readAll().split('\n');
        QCOMPARE(lines[6].trimmed(), QByteArray("1"));
        QCOMPARE(lines[7].trimmed(), QByteArray("0"));
        QVERIFY(openSpoglio());
        QCOMPARE(w->combination().markedNumbers(), (std::vector<int>{7, 14, 21, 28, 35}));
    }

    // Another window's job (a development rewriting the columns) holds
    // every command but Esci until it ends.
    void nothingStartsWhileAnotherJobRuns() {
        developAtPronostico(main(), {1, 2, 3, 4, 5, 6}, {1, 2});
        spoglio* w = openSpoglio();
        QVERIFY(w);
        main().setBusy(true);
        for (const char* key : {"SpoglioVai(1)", "SpoglioVai(4)", "SpoglioVai(8)", "CommArc(0)"})
            QVERIFY2(!w->findChild<QPushButton*>(key)->isEnabled(), key);
        QVERIFY(w->findChild<QPushButton*>("SpoglioVai(3)")->isEnabled());
        main().setBusy(false);
        QVERIFY(w->findChild<QPushButton*>("SpoglioVai(1)")->isEnabled());
        QVERIFY(!w->findChild<QPushButton*>("SpoglioVai(2)")->isEnabled()); // nothing to stop
    }

    void randomCombinationAndSavedSystems() {
        developAtPronostico(main(), {5, 10, 15, 20, 25, 30}, {3, 4});
        main().findChild<QAction*>("MenuFile(4)")->trigger();
        std::ofstream(app_->program.path("qor/rotto.cna").toStdString()) << "1 2 3\n";
        spoglio* w = openSpoglio();
        QVERIFY(w);
        clickButton(w, "SpoglioVai(8)");
        const Combination drawn = w->combination();
        QCOMPARE(drawn.markedNumbers().size(), std::size_t{5});
        for (int n : drawn.markedNumbers())
            QCOMPARE(n % 5, 0);
        QCOMPARE(drawn.markedNumeroni().size(), std::size_t{1});

        clickButton(w, "SpoglioVai(4)");
        QTRY_VERIFY(!w->isRunning());
        const WinsModel& wins = w->wins();
        QCOMPARE(wins.headerData(13, Qt::Horizontal).toString(), QString("N° Sch."));
        QStringList names;
        for (int r = 0; r < wins.rowCount(); ++r)
            names << wins.index(r, 0).data().toString();
        QVERIFY(names.contains(QString::fromStdString(state_->systemName)));
        const int broken = static_cast<int>(names.indexOf("rotto"));
        QVERIFY(broken >= 0);
        QVERIFY(!wins.index(broken, 14).data().toString().isEmpty()); // why it was not read
        const int mine =
            static_cast<int>(names.indexOf(QString::fromStdString(state_->systemName)));
        QCOMPARE(wins.index(mine, 13).data().toString(), QString("6"));
    }

    // From its toolbar key: every draw of the statistics selection, newest
    // first, each scored as a check of that draw alone would score it.
    void confrontiamoScoresEveryDrawOfTheSelection() {
        auto* key = main().findChild<QAction*>("ConfrontoStema");
        QVERIFY(key && !key->isEnabled()); // no columns yet
        developAtPronostico(main(), {3, 11, 19, 27, 35, 43, 8}, {5, 9});
        QVERIFY(key->isEnabled());
        key->trigger();
        auto* w = main().findChild<Confrontiamo*>("Confrontiamo");
        QVERIFY(w && w->isVisible());
        QTRY_VERIFY_WITH_TIMEOUT(!w->isRunning(), 60000);
        const std::vector<Draw>& selection = state_->archive.selection;
        auto* table = w->findChild<QTableView*>("MSFConfronto");
        QCOMPARE(table->model()->rowCount(), static_cast<int>(selection.size()));
        QCOMPARE(table->model()->index(0, 0).data().toString(),
                 QString::fromStdString(selection.back().date()));
        WinTally totals;
        for (const Draw& d : selection) {
            Progress p;
            totals.add(checkSystem(state_->columns, state_->folder, state_->selection,
                                   combinationOfDraw(d), p)
                           .tally);
        }
        QCOMPARE(w->result().totals, totals);
        auto* sums = w->findChild<QTableView*>("MSFTotali");
        QCOMPARE(sums->model()->index(6, 1).data(SortRole).toLongLong(), totals.bets[6]); // "3"
        qsizetype points = 0;
        for (QAbstractSeries* s : w->findChild<QChartView*>("GraficoConfronto")->chart()->series())
            points += qobject_cast<QScatterSeries*>(s)->count();
        QCOMPARE(points, static_cast<qsizetype>(selection.size()));
        saveScreenshot(w, "Confrontiamo");
        w->findChild<QTabWidget*>("TabConfronto")->setCurrentIndex(1);
        saveScreenshot(w, "Confrontiamo-grafico");
    }
};

QTEST_MAIN(SpoglioTest)
#include "tst_spoglio.moc"
