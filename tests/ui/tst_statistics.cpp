#include "UiTestSupport.h"
#include "WidgetDriving.h"
#include "WorkbookReading.h"
#include "shell/ui/Pronostico.h"
#include "shell/ui/Varnelo.h"
#include "stats/ComboGaps.h"
#include "stats/NumberTables.h"
#include "stats/PositionDelays.h"
#include "stats/SpyNumbers.h"

#include <QAction>
#include <QChartView>
#include <QComboBox>
#include <QElapsedTimer>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QSpinBox>
#include <QTableView>
#include <QtTest>

#include <algorithm>

using namespace varnelo;

namespace {

QTableView* gridOf(QWidget* window) {
    return window->findChild<QTableView*>("GrigliaStatistiche");
}

QString cellText(QWidget* window, int row, int column) {
    const QAbstractItemModel* m = gridOf(window)->model();
    return m->index(row, column).data().toString();
}

// Clicks a heading of the grid as a player does to sort on it.
void clickHeading(QWidget* window, int column) {
    QHeaderView* header = gridOf(window)->horizontalHeader();
    const int x = header->sectionViewportPosition(column) + header->sectionSize(column) / 2;
    QTest::mouseClick(header->viewport(), Qt::LeftButton, {}, QPoint(x, header->height() / 2));
}

void setSpin(QWidget* window, int value) {
    auto* spin = window->findChild<QSpinBox*>("TestoParametro");
    QVERIFY(spin);
    spin->selectAll();
    QTest::keyClicks(spin, QString::number(value));
    QTest::keyClick(spin, Qt::Key_Return);
    QCOMPARE(spin->value(), value);
}

} // namespace

// The statistics of the archive as a player reaches them: every item of
// the "Statistiche" menu, the tables against the core's figures, sorting,
// the filter of the triples, the exports read back, the delayed numbers
// made the forecast.
class StatisticsTest : public QObject {
    Q_OBJECT

    std::unique_ptr<MainWindowUnderTest> w_;
    Varnelo& main() { return w_->main; }
    ProgramState& state() { return *w_->program.state; }
    const std::vector<Draw>& draws() { return state().archive.selection; }

  private Q_SLOTS:
    void initTestCase() { prepareWindowTests(); }
    void init() { w_ = std::make_unique<MainWindowUnderTest>(); }
    void cleanup() { w_.reset(); }

    void everyItemOpensItsWindow() {
        QVERIFY(draws().size() > 1000);
        const struct {
            const char* action;
            const char* name;
            const char* title;
            int rows;
            bool chart;
        } items[] = {
            {"StatistTutte(1)", "StatisticheS", "Statistiche sui Ritardi", 49, true},
            {"StatistTutte(2)", "StatAnalisi", "Analisi sulle Combinazioni", 6, true},
            {"StatistTutte(3)", "StatAnalisi2", "Analisi sulle Combinazioni 2", 5, true},
            {"StatistTutte(4)", "StatAnalisi3", "Frequenza Numeri in Cicli", 49, false},
            {"StatistTutte(5)", "StatAnalisi4", "Frequenza dei 49 Numeri", 49, true},
            {"StatistTutte(6)", "NumeriSpia", "Numeri Spia", 49, true},
            {"StatistTutte(7)", "StatAmbi", "Tutti gli Ambi", 1176, false},
            {"StatistTutte(8)", "StataaTerni", "Tutti i Terni", 18424, false},
            {"StatistTutte(10)", "StatisticheSEuroNum", "Ritardi EuroNumeri", 10, true},
            {"StatistTutte(11)", "StatAnalisi5", "Statistiche EuroNumeri", 10, true},
            {"StatistTutte(14)", "StatRitardatari", "Giochiamo sui Ritardi", 10, true},
        };
        for (const auto& item : items) {
            QAction* action = main().findChild<QAction*>(item.action);
            QVERIFY2(action && action->isVisible(), item.action);
            QWidget* window = openFromMenu(&main(), item.action, item.name);
            QVERIFY2(window, item.name);
            QCOMPARE(window->windowTitle(), QString(item.title));
            QCOMPARE(gridOf(window)->model()->rowCount(), item.rows);
            auto* chart = window->findChild<QChartView*>("GraficoStatistiche");
            QCOMPARE(chart != nullptr && chart->isVisible(), item.chart);
            QVERIFY(window->findChild<QLabel*>("LabConcorsi")
                        ->text()
                        .startsWith(QString("Concorsi esaminati: %1").arg(draws().size())));
            saveScreenshot(window, item.name);
        }
    }

    void delaysByPositionSortAndExport() {
        QWidget* window = openFromMenu(&main(), "StatistTutte(1)", "StatisticheS");
        QVERIFY(window);
        auto* chooser = window->findChild<QComboBox*>("ComboTabella");
        QCOMPARE(chooser->count(), 6);
        chooser->setCurrentIndex(3);
        QCOMPARE(chooser->currentText(), QString("3° estratto"));
        const std::vector<StatTable> expected =
            positionDelayTables(computePositionDelays(draws(), DrawPart::Numbers));
        for (int row : {0, 20, 48})
            for (int c = 0; c < 6; ++c)
                QCOMPARE(cellText(window, row, c),
                         QString::fromStdString(expected[3].rows[row][c].text));

        // Sorted on "Ritardo" by its value, not its text: 9 before 10.
        clickHeading(window, 3);
        const int rows = gridOf(window)->model()->rowCount();
        for (int r = 1; r < rows; ++r)
            QVERIFY(cellText(window, r - 1, 3).toInt() <= cellText(window, r, 3).toInt());
        clickHeading(window, 3);
        std::int32_t longest = 0;
        for (const StatRow& r : expected[3].rows)
            longest = std::max(longest, static_cast<std::int32_t>(r[3].value));
        QCOMPARE(cellText(window, 0, 3).toInt(), longest);

        const QString text = w_->program.path("ritardi.txt");
        answerFileDialog(text);
        clickButton(window, "ComandiF(0)");
        QFile saved(text);
        QVERIFY(saved.open(QIODevice::ReadOnly));
        const QString all = QString::fromUtf8(saved.readAll());
        QVERIFY(all.startsWith("Statistiche sui Ritardi - Concorsi esaminati: "));
        for (const char* title : {"Tutte le posizioni", "1° estratto", "5° estratto"})
            QVERIFY2(all.contains(QString("\r\n%1\r\n").arg(title)), title);

        const QString book = w_->program.path("ritardi.xlsx");
        answerFileDialog(book);
        clickButton(window, "ComandiF(1)");
        QCOMPARE(sheetNames(book), (QStringList{"Tutte le posizioni", "1° estratto", "2° estratto",
                                                "3° estratto", "4° estratto", "5° estratto"}));
        const std::map<QString, QString> cells = sheetCells(book, 4);
        const QStringList heads{"Val", "Usciti", "Frequenza", "Ritardo", "Rit.Max", "Ciclo"};
        for (int c = 0; c < 6; ++c)
            QCOMPARE(cells.at(QChar('A' + c) + QString("1")), heads[c]);
        for (std::size_t r = 0; r < 49; ++r)
            for (int c = 0; c < 6; ++c) {
                const StatCell& want = expected[3].rows[r][static_cast<std::size_t>(c)];
                const QString ref = QChar('A' + c) + QString::number(r + 2);
                QVERIFY2(qAbs(cells.at(ref).toDouble() - want.value) < 1e-9, qPrintable(ref));
            }
    }

    void triplesFilterAndSort() {
        QElapsedTimer clock;
        clock.start();
        QWidget* window = openFromMenu(&main(), "StatistTutte(8)", "StataaTerni");
        QVERIFY(window);
        qInfo("Tutti i Terni: opened in %lld ms", clock.elapsed());
        QTableView* grid = gridOf(window);
        QCOMPARE(grid->model()->rowCount(), 18424);
        const std::vector<ComboGaps> triples = computeTripleGaps(draws());
        const auto most = std::max_element(
            triples.begin(), triples.end(),
            [](const ComboGaps& a, const ComboGaps& b) { return a.gaps.outs < b.gaps.outs; });

        clock.restart();
        clickHeading(window, 1); // ascending
        clickHeading(window, 1); // descending
        qInfo("Tutti i Terni: two sorts of 18424 rows in %lld ms", clock.elapsed());
        QCOMPARE(cellText(window, 0, 1).toInt(), most->gaps.outs);

        QTest::keyClicks(window->findChild<QLineEdit*>("TestoFiltro"), "7 21");
        QCOMPARE(grid->model()->rowCount(), 47); // the third number: any of the other 47
        for (int r = 0; r < 47; ++r) {
            const QStringList parts = cellText(window, r, 0).split('-');
            QVERIFY(parts.contains("07") && parts.contains("21"));
        }
        // Still sorted, most outs first.
        for (int r = 1; r < 47; ++r)
            QVERIFY(cellText(window, r - 1, 1).toInt() >= cellText(window, r, 1).toInt());
        window->findChild<QLineEdit*>("TestoFiltro")->clear();
        QCOMPARE(grid->model()->rowCount(), 18424);
    }

    void spyNumberChosen() {
        QWidget* window = openFromMenu(&main(), "StatistTutte(6)", "NumeriSpia");
        QVERIFY(window);
        setSpin(window, 14);
        QCOMPARE(window->findChild<QComboBox*>("ComboTabella")->currentText(),
                 QString("Numeri usciti dopo il 14"));
        const StatTable expected = spyTable(computeSpyNumbers(draws(), 14));
        for (int c = 0; c < 5; ++c)
            QCOMPARE(cellText(window, 0, c), QString::fromStdString(expected.rows[0][c].text));
    }

    void numeroneTables() {
        QWidget* window = openFromMenu(&main(), "StatistTutte(11)", "StatAnalisi5");
        QVERIFY(window);
        auto* chooser = window->findChild<QComboBox*>("ComboTabella");
        chooser->setCurrentIndex(1);
        QCOMPARE(chooser->currentText(), QString("Coppie di Numeroni"));
        QCOMPARE(gridOf(window)->model()->rowCount(), 45);
        const std::vector<ComboGaps> pairs = computeNumeronePairGaps(draws());
        for (int r : {0, 44}) {
            QCOMPARE(cellText(window, r, 0), QString::fromStdString(comboText(pairs[r].values)));
            QCOMPARE(cellText(window, r, 1).toInt(), pairs[r].gaps.outs);
            QCOMPARE(cellText(window, r, 3).toInt(), pairs[r].gaps.delay);
        }
        // Every draw with two different Numeroni makes one pair.
        int outs = 0;
        for (int r = 0; r < 45; ++r)
            outs += cellText(window, r, 1).toInt();
        const auto different = std::count_if(draws().begin(), draws().end(), [](const Draw& d) {
            return d.numeroni[0] != d.numeroni[1];
        });
        QCOMPARE(outs, static_cast<int>(different));
    }

    void cycleLengthChosen() {
        QWidget* window = openFromMenu(&main(), "StatistTutte(4)", "StatAnalisi3");
        QVERIFY(window);
        setSpin(window, 25);
        const QAbstractItemModel* m = gridOf(window)->model();
        // "Val", ten cycles, then the three totals.
        QCOMPARE(m->columnCount(), 14);
        QCOMPARE(m->headerData(10, Qt::Horizontal).toString(),
                 QString::fromStdString(draws().back().date()));
        int total = 0;
        for (int r = 0; r < 49; ++r)
            total += m->index(r, 11).data().toInt();
        QCOMPARE(total, 25 * 10 * 5); // every number of the newest 250 draws
    }

    void delayedNumbersBecomeTheForecast() {
        QWidget* window = openFromMenu(&main(), "StatistTutte(14)", "StatRitardatari");
        QVERIFY(window);
        setSpin(window, 6);
        QCOMPARE(gridOf(window)->model()->rowCount(), 6);
        std::vector<int> wanted =
            mostDelayedNumbers(computePositionDelays(draws(), DrawPart::Numbers), 6);
        for (int r = 0; r < 6; ++r)
            QCOMPARE(cellText(window, r, 0).toInt(), wanted[static_cast<std::size_t>(r)]);

        Pronostico* p = main().pronostico();
        clickNumber(p, 1);
        clickNumber(p, 2, Qt::LeftButton, Qt::ControlModifier);
        clickNumerone(p, 3);
        // A locked forecast keeps its numbers and says why.
        state().forecastLock = "Blocca";
        QString title;
        clickInNextModal("OK", &title);
        clickButton(window, "UsaPronostico");
        QCOMPARE(title, QString("Pronostico bloccato:"));
        QCOMPARE(state().selection.chosenNumbers(), (std::vector<int>{1, 2}));

        state().forecastLock.clear();
        clickButton(window, "UsaPronostico");
        std::sort(wanted.begin(), wanted.end());
        QCOMPARE(state().selection.chosenNumbers(), wanted);
        QCOMPARE(state().selection.fixedCount(), 0);
        QVERIFY(state().selection.numerone(3));
        QVERIFY(state().modified);
        QVERIFY(p->findChild<QLabel*>("LabConteggi")->text().startsWith("Numeri scelti: 6"));
    }
};

QTEST_MAIN(StatisticsTest)
#include "tst_statistics.moc"
