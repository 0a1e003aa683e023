#include "UiTestSupport.h"
#include "WidgetDriving.h"
#include "WorkbookReading.h"
#include "checking/WinLevelsText.h"
#include "shell/ui/Pronostico.h"
#include "shell/ui/Varnelo.h"
#include "ui/Avviso.h"

#include <QAbstractBarSeries>
#include <QAction>
#include <QBarSet>
#include <QChart>
#include <QChartView>
#include <QCheckBox>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPrintPreviewDialog>
#include <QProcess>
#include <QPushButton>
#include <QTableView>
#include <QXmlStreamReader>
#include <QtTest>

#include <map>

using namespace varnelo;

namespace {

// One line of `varnelo-cli distribuzione`: "k b c5 c4 c3 c2 c1 min max perc".
struct CliRow {
    int level = 0, score = 0;
    QStringList buckets; // c5 .. c1
    QString min, max, percent;
};

} // namespace

// The distribution of wins as a player reaches it: develop a few numbers,
// save, open the windows from F4, the menu and the toolbar.
class DistributionTest : public QObject {
    Q_OBJECT

    std::unique_ptr<MainWindowUnderTest> w_;
    Varnelo& main() { return w_->main; }
    ProgramState& state() { return *w_->program.state; }

    // Ten numbers, 7 among them fixed, Numeroni 1 and 2: 126 columns, saved.
    void developTenAndSave() {
        main().findChild<QAction*>("Condizioni(9)")->trigger();
        Pronostico* p = main().pronostico();
        for (int n : {3, 8, 12, 19, 24, 31, 36, 40, 44})
            clickNumber(p, n);
        clickNumber(p, 7, Qt::LeftButton, Qt::ControlModifier);
        clickNumerone(p, 1);
        clickNumerone(p, 2);
        p->findChild<QPushButton*>("CalcSviluppo(0)")->click();
        QTRY_VERIFY_WITH_TIMEOUT(state().columns.hasColumns && !main().isBusy(), 30000);
        QCOMPARE(state().columns.storedCount, 126);
        main().findChild<QAction*>("MenuFile(4)")->trigger();
        QVERIFY(!state().modified);
    }

    QList<CliRow> commandLine(bool withFixed) {
        QProcess cli;
        QStringList args{"distribuzione", "--cartella", w_->program.dir.path(), "--sistema",
                         QString::fromStdString(state().systemName)};
        if (withFixed)
            args << "--capogiochi";
        cli.start(QFileInfo(VARNELO_GUI_PATH).dir().filePath("varnelo-cli"), args);
        [&] { QVERIFY(cli.waitForFinished(60000) && cli.exitCode() == 0); }();
        QList<CliRow> rows;
        for (const QString& line :
             QString::fromUtf8(cli.readAllStandardOutput()).split('\n', Qt::SkipEmptyParts)) {
            const QStringList f = line.split(' ');
            rows << CliRow{f[0].toInt(), f[1].toInt(), f.mid(2, 5), f[7], f[8], f[9]};
        }
        return rows;
    }

    // The grid a player should read for these lines: a heading per level,
    // the five-or-more count with its range when it has one, the share
    // with a decimal comma.
    static QList<QStringList> expectedGrid(const QList<CliRow>& lines) {
        QList<QStringList> grid;
        int level = 0;
        for (const CliRow& r : lines) {
            if (r.level != level) {
                level = r.level;
                grid << QStringList{QString("%1  Su  5").arg(level), "", "", "", "", "", ""};
            }
            QStringList row{QString::fromStdString(scoreName(r.score)), r.buckets[0]};
            if (r.min != r.max)
                row[1] += QString("  (%1-%2)").arg(r.min, r.max);
            row << r.buckets.mid(1) << QString(r.percent).replace('.', ',');
            grid << row;
        }
        return grid;
    }

    static QList<QStringList> gridOf(QWidget* window) {
        auto* view = window->findChild<QTableView*>("MSFlexGrid2");
        QList<QStringList> grid;
        for (int r = 0; r < view->model()->rowCount(); ++r) {
            QStringList row;
            for (int c = 0; c < view->model()->columnCount(); ++c)
                row << view->model()->index(r, c).data().toString();
            grid << row;
        }
        return grid;
    }

    void calculate(QWidget* window) {
        clickButton(window, "ComandiF(0)");
        QTRY_VERIFY_WITH_TIMEOUT(
            window->findChild<QLabel*>("LabStato")->text().startsWith("Calcolo eseguito"), 30000);
    }

  private Q_SLOTS:
    void initTestCase() { prepareWindowTests(); }
    void init() { w_ = std::make_unique<MainWindowUnderTest>(); }
    void cleanup() { w_.reset(); }

    void itemsAndKeysNeedColumns() {
        for (const char* name :
             {"ColonneSistema(4)", "ColonneSistema(5)", "Probabilita", "DistVincite"})
            QVERIFY2(!main().findChild<QAction*>(name)->isEnabled(), name);
        QVERIFY(!main().runCommand("Comfronto2"));
        developTenAndSave();
        for (const char* name :
             {"ColonneSistema(4)", "ColonneSistema(5)", "Probabilita", "DistVincite"})
            QVERIFY2(main().findChild<QAction*>(name)->isEnabled(), name);
    }

    void tableFromF4EqualsTheCommandLine() {
        developTenAndSave();
        main().activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&main()));
        QTest::keyClick(main().windowHandle(), Qt::Key_F4);
        auto* window = main().findChild<QWidget*>("Comfronto2");
        QVERIFY(window && window->isVisible());
        QCOMPARE(window->windowTitle(), QString("Distribuzione vincite"));
        QVERIFY(!window->findChild<QPushButton*>("ComandiF(1)")->isEnabled()); // nothing yet
        calculate(window);
        const QList<QStringList> grid = gridOf(window);
        QCOMPARE(grid, expectedGrid(commandLine(false)));
        QCOMPARE(grid.front().front(), QString("1  Su  5"));
        saveScreenshot(window->window(), "Comfronto2");

        // The box keeps only the sets that hold the fixed number 7.
        window->findChild<QCheckBox*>("CheckCapogiochi")->setChecked(true);
        calculate(window);
        QCOMPARE(gridOf(window), expectedGrid(commandLine(true)));
        QVERIFY(gridOf(window) != grid);
    }

    void savedTextWorkbookAndPreview() {
        developTenAndSave();
        QWidget* window = openFromMenu(&main(), "ColonneSistema(5)", "Comfronto2");
        QVERIFY(window);
        calculate(window);
        const QList<QStringList> grid = gridOf(window);

        const QString text = w_->program.path("distribuzione.txt");
        answerFileDialog(text);
        clickButton(window, "ComandiF(1)");
        QFile saved(text);
        QVERIFY(saved.open(QIODevice::ReadOnly));
        const QStringList lines = QString::fromUtf8(saved.readAll()).split("\r\n");
        QCOMPARE(lines[0], QString("Distribuzione Vincite"));
        QVERIFY(lines[1].startsWith("Sistema: " + QString::fromStdString(state().systemName)));
        QCOMPARE(lines[3].simplified(),
                 QString("Numeri Indovinati Cinque Quattro Tre Due Uno Per%"));
        // The grid's rows, one a line, in its order.
        QStringList table;
        for (const QString& l : lines.mid(4))
            if (!l.isEmpty())
                table << l.simplified();
        QStringList shown;
        for (const QStringList& row : grid)
            shown << row.join(' ').simplified();
        QCOMPARE(table, shown);

        const QString book = w_->program.path("distribuzione.xlsx");
        answerFileDialog(book);
        clickButton(window, "ComandiF(2)");
        QVERIFY(QFileInfo::exists(book));
        const std::map<QString, QString> cells = sheetCells(book);
        const QStringList heads = {
            "Numeri Indovinati", "Cinque", "Quattro", "Tre", "Due", "Uno", "Per%"};
        const QString columns = "ABCDEFG";
        for (int c = 0; c < 7; ++c)
            QCOMPARE(cells.at(columns[c] + QString("1")), heads[c]);
        for (int r = 0; r < grid.size(); ++r)
            for (int c = 0; c < 7; ++c) {
                const QString ref = columns[c] + QString::number(r + 2);
                const QString want = grid[r][c];
                if (want.isEmpty()) {
                    QVERIFY2(!cells.count(ref), qPrintable(ref));
                } else if (c == 6) {
                    QVERIFY2(qAbs(cells.at(ref).toDouble() -
                                  QString(want).replace(',', '.').toDouble()) < 0.006,
                             qPrintable(ref));
                } else {
                    QCOMPARE(cells.at(ref), want);
                }
            }
        QVERIFY(!cells.count("H2"));

        QString title;
        whenModalShows(
            [&title](QWidget* w) {
                title = w->windowTitle();
                w->close();
            },
            [](QWidget* w) { return qobject_cast<QPrintPreviewDialog*>(w) != nullptr; });
        clickButton(window, "ComandiF(3)");
        QCOMPARE(title, QString("Anteprima di Stampa"));

        // A new system: the table of the old one goes, nothing left to save.
        main().findChild<QAction*>("MenuFile(1)")->trigger();
        QCOMPARE(state().columns.storedCount, 0);
        QCOMPARE(gridOf(window).size(), 0);
        QVERIFY(window->findChild<QLabel*>("LabStato")->text().startsWith("Il sistema è cambiato"));
        QVERIFY(!window->findChild<QPushButton*>("ComandiF(2)")->isEnabled());
    }

    void chartFromTheToolbarKeyShowsTheShares() {
        developTenAndSave();
        main().findChild<QAction*>("Probabilita")->trigger();
        auto* window = main().findChild<QWidget*>("Comfronto");
        QVERIFY(window && window->isVisible());
        QCOMPARE(window->windowTitle(), QString("Grafico vincite"));
        // It draws by itself as it opens.
        QTRY_VERIFY_WITH_TIMEOUT(
            window->findChild<QLabel*>("LabStato")->text().startsWith("Calcolo eseguito"), 30000);
        auto* view = window->findChild<QChartView*>("GraficoVincite");
        const auto series = view->chart()->series();
        QCOMPARE(series.size(), 1);
        std::map<QString, QBarSet*> parts;
        for (QBarSet* set : static_cast<QAbstractBarSeries*>(series.front())->barSets())
            parts[set->label()] = set;
        int shown = 0;
        for (const CliRow& r : commandLine(false)) {
            QBarSet* set = parts.at(QString::fromStdString(scoreName(r.score)));
            QVERIFY(qAbs(set->at(r.level - 1) - r.percent.toDouble()) < 0.006);
            ++shown;
        }
        QVERIFY(shown >= 5);
        for (int k = 0; k < 5; ++k) {
            double total = 0;
            for (const auto& [name, set] : parts)
                total += set->at(k);
            QVERIFY(qAbs(total - 100) < 1e-6);
        }
        saveScreenshot(window->window(), "Comfronto");
    }

    void tooManyColumnsIsRefused() {
        developTenAndSave();
        QWidget* window = openFromMenu(&main(), "ColonneSistema(5)", "Comfronto2");
        QVERIFY(window);
        state().columns.systemTotal = 2120001;
        QString text;
        whenModalShows([&text](QWidget* w) {
            text = w->findChild<QLabel*>("Testo")->text();
            static_cast<QDialog*>(w)->accept();
        });
        clickButton(window, "ComandiF(0)");
        QVERIFY(text.contains("Colonne N°= 2120001"));
        QVERIFY(text.contains("Troppe colonne,"));
        QVERIFY(text.contains("troppo tempo per il calcolo !"));
        QCOMPARE(gridOf(window).size(), 0);
        state().columns.systemTotal = state().columns.storedCount;
    }

    void stopLeavesNoTableAndTheMenusBack() {
        for (int n = 1; n <= kMaxNumber; ++n)
            state().selection.setState(n, Selection::Chosen);
        state().selection.setNumerone(1, true);
        state().selection.setNumerone(2, true);
        main().findChild<QAction*>("Condizioni(3)")->trigger();
        QTRY_VERIFY_WITH_TIMEOUT(state().columns.hasColumns && !main().isBusy(), 60000);
        QWidget* window = openFromMenu(&main(), "ColonneSistema(5)", "Comfronto2");
        QVERIFY(window);
        clickButton(window, "ComandiF(0)");
        QVERIFY(main().isBusy());
        QVERIFY(!main().findChild<QAction*>("ColonneSistema(5)")->isEnabled());
        clickButton(window, "ComandoStop");
        QTRY_VERIFY_WITH_TIMEOUT(!main().isBusy(), 30000);
        QCOMPARE(window->findChild<QLabel*>("LabStato")->text(), QString("Calcolo interrotto"));
        QCOMPARE(gridOf(window).size(), 0);
        QVERIFY(main().findChild<QAction*>("ColonneSistema(5)")->isEnabled());
    }
};

QTEST_MAIN(DistributionTest)
#include "tst_distribution.moc"
