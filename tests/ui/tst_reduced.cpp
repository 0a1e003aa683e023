#include "UiTestSupport.h"
#include "WidgetDriving.h"

#include "engine/ui/SviluppoS.h"
#include "reduced/ui/GestRidotti.h"
#include "shell/ui/Pronostico.h"
#include "ui/ModelRoles.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QTableView>
#include <QTableWidget>

using namespace varnelo;

// The ready-made reduced systems as a player uses them: choose the numbers,
// pick a fitting table, apply it, condition it, keep it.
class ReducedTest : public QObject {
    Q_OBJECT

    std::unique_ptr<MainWindowUnderTest> m_;

    Varnelo& main() { return m_->main; }
    ProgramState& state() { return *m_->program.state; }

    void chooseNumbers(const std::vector<int>& numbers) {
        for (const int n : numbers)
            clickNumber(main().pronostico(), n);
        clickNumerone(main().pronostico(), 2);
        clickNumerone(main().pronostico(), 7);
    }
    // "Ridotti Immediati" on the number-entry window.
    GestRidotti* openCatalogue() {
        main().pronostico()->findChild<QPushButton*>("CalcSviluppo(5)")->click();
        return main().existingChild<GestRidotti>();
    }
    QTableView* catalogue(GestRidotti* w) { return w->findChild<QTableView*>("MSFGestioneS"); }
    // The row of the table view whose cells in these columns read so.
    int rowWith(QTableView* view, int column, const QString& text, int column2 = -1,
                const QString& text2 = {}) {
        for (int r = 0; r < view->model()->rowCount(); ++r)
            if (view->model()->index(r, column).data().toString() == text &&
                (column2 < 0 || view->model()->index(r, column2).data().toString() == text2))
                return r;
        return -1;
    }
    void clickRow(QTableView* view, int row) {
        const QModelIndex at = view->model()->index(row, 0);
        view->scrollTo(at);
        QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, view->visualRect(at).center());
    }
    // The reduced run, once it is over.
    SvilupPerRid* reducedRun() {
        SvilupPerRid* run = main().existingChild<SvilupPerRid>();
        return run && !run->isRunning() ? run : nullptr;
    }

  private Q_SLOTS:
    void initTestCase() { prepareWindowTests(); }
    void init() {
        m_ = std::make_unique<MainWindowUnderTest>();
        main().showForecast();
    }
    void cleanup() { m_.reset(); }

    void twelveNumbersTakeTheThreeIfFiveTable() {
        chooseNumbers({2, 5, 9, 14, 18, 21, 27, 30, 36, 41, 44, 48});
        GestRidotti* w = openCatalogue();
        QVERIFY(w && w->isVisible());
        QCOMPARE(w->findChild<QGroupBox*>("FramePronostico")->title(),
                 QString("Pronostico   12 +0 Fisse"));
        QTableView* view = catalogue(w);
        // Only the fitting tables are listed, every one of them for 12 + 0.
        QVERIFY(view->model()->rowCount() > 0);
        for (int r = 0; r < view->model()->rowCount(); ++r) {
            QCOMPARE(view->model()->index(r, 0).data().toInt(), 12);
            QCOMPARE(view->model()->index(r, 1).data().toInt(), 0);
        }
        const int row = rowWith(view, 2, "Garanzia 3 punti  su 5 Numeri", 5, "Ridotto");
        QVERIFY(row >= 0);
        clickRow(view, row);
        const int tableRows = view->model()->index(row, 4).data(SortRole).toInt();
        QVERIFY(tableRows > 0);
        QCOMPARE(w->findChild<QTableView*>("MSFlexGrid2")->model()->rowCount(), 6);
        QVERIFY(w->findChild<QLabel*>("LabCosto")->text().contains("Euro"));
        saveScreenshot(w, "GestRidotti");

        clickButton(w, "CommAdatta");
        QTRY_VERIFY_WITH_TIMEOUT(reducedRun(), 60000);
        SvilupPerRid* run = reducedRun();
        QCOMPARE(m_->status(), QString("Colonne finali = %1").arg(tableRows));
        // No condition took a column away: nothing to warn about.
        QVERIFY(!run->findChild<QLabel*>("LabRisultato")->text().contains("Garanzia rimasta"));
        std::vector<Column> developed;
        for (int i = 1; i <= state().columns.storedCount; ++i)
            developed.push_back(state().columns.column(i));
        for (const Column& c : developed)
            for (const auto n : c)
                QVERIFY(state().selection.state(n) == Selection::Chosen);

        // Saved, started anew and reopened: the same columns.
        main().findChild<QAction*>("MenuFile(4)")->trigger();
        QVERIFY(!state().modified);
        const std::string name = state().systemName;
        main().findChild<QAction*>("MenuFile(1)")->trigger();
        QCOMPARE(state().columns.storedCount, 0);
        whenModalShows([&](QWidget* dialog) {
            auto* grid = dialog->findChild<QTableWidget*>("MSFGestioneS");
            for (int r = 0; r < grid->rowCount(); ++r)
                if (grid->item(r, 0)->text() == QString::fromStdString(name))
                    grid->selectRow(r);
            dialog->findChild<QPushButton*>("CommApri")->click();
        });
        main().findChild<QAction*>("MenuFile(2)")->trigger();
        QCOMPARE(state().systemName, name);
        std::vector<Column> reopened;
        for (int i = 1; i <= state().columns.storedCount; ++i)
            reopened.push_back(state().columns.column(i));
        QCOMPARE(reopened, developed);
        QCOMPARE(m_->status(), QString("Colonne finali = %1").arg(tableRows));
    }

    // Conditions that drop rows of the table: the run says what is left of
    // the guarantee.
    void conditionsOverATableTellWhatIsLeft() {
        chooseNumbers({1, 2, 3, 4, 5, 6, 7, 8, 9, 10});
        state().conditions.setActive(111, true); // Somma totale 15..30
        for (int v = 15; v <= 30; ++v)
            state().conditions.setCell(111, v, {CellStatus::Admitted, 0});
        QAction* item = main().findChild<QAction*>("Ricevitori(0)");
        QCOMPARE(item->shortcut(), QKeySequence("Ctrl+A"));
        item->trigger();
        GestRidotti* w = main().existingChild<GestRidotti>();
        QVERIFY(w && w->isVisible());
        QVERIFY(w->selectCode("R5N10F0G35V01"));
        const int tableRows = static_cast<int>(
            catalogue(w)->currentIndex().siblingAtColumn(4).data(SortRole).toInt());
        clickButton(w, "CommAdatta");
        QTRY_VERIFY_WITH_TIMEOUT(reducedRun(), 60000);
        SvilupPerRid* run = reducedRun();
        const QString text = run->findChild<QLabel*>("LabRisultato")->text();
        QVERIFY(state().columns.storedCount < tableRows);
        QVERIFY2(text.contains("Garanzia rimasta = "), qPrintable(text));
        QVERIFY(text.contains("Cinquine dei numeri = 252"));
        for (int i = 1; i <= state().columns.storedCount; ++i) {
            int sum = 0;
            for (const auto n : state().columns.column(i))
                sum += n;
            QVERIFY(sum >= 15 && sum <= 30);
        }
        saveScreenshot(run, "SvilupPerRid");
    }

    // The window's own board changes the forecast the tables must fit; a
    // table that does not fit cannot be applied; the slip file is written.
    void ownBoardFiltersAndSlip() {
        chooseNumbers({3, 7, 11, 20, 33, 41, 45});
        GestRidotti* w = openCatalogue();
        auto* board = w->findChild<QTableWidget*>("MSFlexGrid3");
        QVERIFY(board);
        clickNumber(w, 12, Qt::LeftButton, Qt::ControlModifier); // fixed
        clickNumber(w, 46);
        QCOMPARE(w->findChild<QGroupBox*>("FramePronostico")->title(),
                 QString("Pronostico   8 +1 Fisse"));
        QTableView* view = catalogue(w);
        for (int r = 0; r < view->model()->rowCount(); ++r)
            QCOMPARE(view->model()->index(r, 6).data().toString().mid(2, 5), QString("N08F1"));

        // Every table on show: a fitting row and one that is not.
        w->findChild<QCheckBox*>("CheckAdatti")->setChecked(false);
        QVERIFY(view->model()->rowCount() > 1000);
        auto* numbersBox = w->findChild<QComboBox*>("ComboNumeri");
        numbersBox->setCurrentIndex(numbersBox->findText("20"));
        for (int r = 0; r < view->model()->rowCount(); ++r)
            QCOMPARE(view->model()->index(r, 0).data().toInt(), 20);
        QVERIFY(w->selectCode("R5N20F1G35V01"));
        QVERIFY(!w->findChild<QPushButton*>("CommAdatta")->isEnabled());
        // Listed over its positions: the fixed one first in every column.
        int listed = 0;
        bool fixedFirst = true;
        whenModalShows([&](QWidget* dialog) {
            auto* list = dialog->findChild<QTableView*>("MSFlexGrid1");
            listed = list->model()->rowCount();
            for (int r = 0; r < listed; ++r)
                fixedFirst = fixedFirst && list->model()->index(r, 1).data().toInt() == 1;
            saveScreenshot(dialog, "GestRidotti-Visualizza");
            static_cast<QDialog*>(dialog)->reject();
        });
        clickButton(w, "CommVisualizza");
        QCOMPARE(listed, catalogue(w)->currentIndex().siblingAtColumn(4).data(SortRole).toInt());
        QVERIFY(fixedFirst);
        numbersBox->setCurrentIndex(0);
        QVERIFY(w->selectCode("R5N08F1G35V01"));
        QVERIFY(w->findChild<QPushButton*>("CommAdatta")->isEnabled());

        clickInNextModal("OK");
        clickButton(w, "CommStampa");
        QFile slip(m_->program.path("giocate/cedolina.txt"));
        QVERIFY(slip.open(QIODevice::ReadOnly));
        const QStringList lines = QString::fromUtf8(slip.readAll()).split("\r\n");
        QCOMPARE(lines[0], QString("Ridotto Garanzia 3 su 5"));
        QCOMPARE(lines[1], QString("Codice = R5N08F1G35V01"));
        QCOMPARE(lines[2], QString("Numeri = 3 7 11 12 20 33 41 45 46"));
        QCOMPARE(lines[3], QString("Fisse = 12"));
        QCOMPARE(lines[5], QString("*"));
        QVERIFY(lines[6].contains(" 12"));
        // The system's numbers are still the number-entry window's.
        QCOMPARE(state().selection.chosenCount(), 7);
    }
};

QTEST_MAIN(ReducedTest)
#include "tst_reduced.moc"
