#include "UiTestSupport.h"
#include "WidgetDriving.h"
#include "conditions/ConditionFamilies.h"
#include "conditions/DelayConditions.h"
#include "conditions/FamilySlotMetric.h"
#include "conditions/SumQuadro.h"
#include "system/SystemStorage.h"

#include <QCheckBox>
#include <QComboBox>
#include <QScrollBar>
#include <QSpinBox>
#include <QTabBar>
#include <QTableView>
#include <QTableWidget>

#include <memory>

using namespace varnelo;

// One condition of every family window set through the widgets in the same
// system: the window's development and the command line's on the saved
// system agree, so every window writes what the engine and the files read.
class FamiliesTest : public QObject {
    Q_OBJECT

    std::unique_ptr<MainWindowUnderTest> app_;

    QWidget* open(const char* action, const char* window) {
        return openFromMenu(&app_->main, action, window);
    }
    ProgramState& state() { return *app_->program.state; }

    // Picchetto 3 generated from the delays; a row of numbers 1..20 summing
    // it within 0..100.
    void sumQuadroOnAGeneratedPicchetto() {
        QWidget* gen = open("Condizioni(12)", "PicchettoS");
        QVERIFY(gen);
        auto* tabs = gen->findChild<QTabBar*>("TabStrip1");
        QTest::mouseClick(tabs, Qt::LeftButton, {}, tabs->tabRect(2).center());
        clickButton(gen, "OptGenerazione(2)");
        clickButton(gen, "CommInserisci");
        clickButton(gen, "CommOk");
        QWidget* sums = open("CondProgramma(34)", "PicchettoSomma");
        QVERIFY(sums);
        clickButton(sums, "CommNuova");
        auto* board = sums->findChild<QTableWidget*>("MSFQuadrante");
        for (int n = 1; n <= 20; ++n) {
            const QRect at = board->visualItemRect(board->item((n - 1) / 10, (n - 1) % 10));
            QTest::mouseClick(board->viewport(), Qt::LeftButton, {}, at.center());
        }
        clickButton(sums, "Option1(1)");
        clickButton(sums, "Option2(2)");
        auto* bounds = sums->findChild<QTableWidget*>("MSFPunti");
        typeInCell(bounds, 0, 0, "0");
        typeInCell(bounds, 0, 1, "100");
        clickButton(sums, "CheckCol");
        clickButton(sums, "Cancella(1)");
        QVERIFY(!sums->isVisible());
        QVERIFY(state().conditions.isActive(kSumQuadroSlot));
    }

    // A value-cell family: the box of sub-condition `sub` and these values.
    void valueRow(const char* action, const char* window, int sub, std::initializer_list<int> rows,
                  int slot) {
        QWidget* w = open(action, window);
        QVERIFY2(w, window);
        clickButton(w, QString("OptCondizione(%1)").arg(sub));
        clickButton(w, QString("CheckAttiva(%1)").arg(sub));
        for (const int r : rows)
            clickCell(w, r);
        clickButton(w, "CommOk");
        QVERIFY(!w->isVisible());
        QVERIFY2(state().conditions.isActive(slot), window);
    }

    // A row of typed delay bounds ("Ritardi Vari", "Ritardo Ambi").
    void delayRow(const char* action, const char* window, int row, const char* max, int slot) {
        QWidget* w = open(action, window);
        QVERIFY2(w, window);
        auto* grid = w->findChild<QTableWidget*>("MSFlexGrid1");
        typeInCell(grid, row, 0, "0");
        typeInCell(grid, row, 1, max);
        clickButton(w, "CheckAttiva");
        clickButton(w, "CommOk");
        QVERIFY(!w->isVisible());
        QVERIFY2(state().conditions.isActive(slot), window);
    }

    void verticalEquals() {
        QWidget* w = open("CondProgramma(4)", "CondizUguVerticale");
        QVERIFY(w);
        w->findChild<QScrollBar*>("Scrol1")->setValue(2);
        clickButton(w, "CheckAttiva(0)");
        for (const int v : {0, 1, 2})
            clickCell(w, v);
        clickButton(w, "CommOk");
        QCOMPARE(state().families.comparisonDraws, 2);
    }

    // Three typed filter columns, each admitting 0 or 1 hits, all required.
    void andQuadro() {
        QWidget* w = open("CondProgramma(24)", "ColAndOr");
        QVERIFY(w);
        w->findChild<QSpinBox*>("TxtPuntiColonna(0)")->setValue(0);
        w->findChild<QSpinBox*>("TxtPuntiColonna(1)")->setValue(1);
        auto* typed = w->findChild<QLineEdit*>("TxtColonna");
        for (const char* numbers : {"1 2 3 4 5", "6 7 8 9 10", "21 22 23 24 25 26"}) {
            typed->setFocus();
            QTest::keyClicks(typed, numbers);
            clickButton(w, "CommAggiungi");
        }
        w->findChild<QSpinBox*>("TxtIndovinate(0)")->setValue(3);
        w->findChild<QSpinBox*>("TxtIndovinate(1)")->setValue(3);
        w->findChild<QSpinBox*>("TxtPunti(1)")->setValue(3);
        clickButton(w, "CheckAttivazione");
        clickButton(w, "CommOk");
        QVERIFY(!w->isVisible());
        QVERIFY(state().families.andOr.anyActive());
    }

    // The newest 10 draws as filter columns admitting 0..2 hits.
    void filterListFromTheArchive() {
        QWidget* w = open("CondProgramma(3)", "ColonneFiltro");
        QVERIFY(w);
        clickButton(w, "CommImporta");
        QWidget* source = app_->main.findChild<QWidget*>("ColonneFiltroMatr");
        QVERIFY(source);
        clickButton(source, "CommVincenti");
        QWidget* archive = app_->main.findChild<QWidget*>("ColFilUscite");
        QVERIFY(archive);
        const int count = static_cast<int>(state().archive.selection.size());
        archive->findChild<QComboBox*>("CombRec")->setCurrentIndex(count - 10);
        archive->findChild<QComboBox*>("CombRec2")->setCurrentIndex(count - 1);
        archive->findChild<QSpinBox*>("TextPresenze(0)")->setValue(0);
        archive->findChild<QSpinBox*>("TextPresenze(1)")->setValue(2);
        clickButton(archive, "CommImporta");
        w->findChild<QCheckBox*>("CheckCol")->click();
        clickButton(w, "CommOk");
        QVERIFY(!w->isVisible());
        QCOMPARE(state().families.activeFilters.size(), std::size_t{10});
    }

  private Q_SLOTS:
    void initTestCase() { prepareWindowTests(); }
    void init() { app_ = std::make_unique<MainWindowUnderTest>(); }
    void cleanup() { app_.reset(); }

    void everyFamilyAtOnceDevelopsLikeTheCommandLine() {
        sumQuadroOnAGeneratedPicchetto();
        valueRow("CondProgramma(21)", "CondizCifre", 1, {0, 1}, 132); // digit 1 at most once
        delayRow("CondProgramma(35)", "CondRitardiVari", 2, "5000", kRitardiVariSlot);
        delayRow("CondProgramma(8)", "CondizAmbo", 1, "5000", kAmboSlot);
        valueRow("CondProgramma(30)", "CondDecUnita", 0, {3, 4, 5, 6, 7, 8, 9, 10, 11, 12}, 128);
        verticalEquals();
        andQuadro();
        filterListFromTheArchive();
        for (int family = 0; family < kFamilyCount; ++family)
            if (const auto& f = families()[static_cast<std::size_t>(family)];
                f.name == "Somme + Picchetto" || f.name == "Presenza Cifra" ||
                f.name == "Ritardi Vari" || f.name == "Ritardo Ambi" ||
                f.name == "Somma Decine Un." || f.name == "Confronta Col.Vin." ||
                f.name == "Quadri And Or" || f.name == "Colonne filtro And")
                QVERIFY2(familyInPlay(state().conditions, state().families, family), f.name.data());

        for (int n = 1; n <= 30; ++n)
            state().selection.setState(n, Selection::Chosen);
        state().selection.setNumerone(1, true);
        state().selection.setNumerone(2, true);
        state().systemName = "famiglie";
        Progress saving;
        QVERIFY(saveSystem(state(), saving).done());
        app_->main.findChild<QAction*>("Condizioni(3)")->trigger();
        QTRY_VERIFY_WITH_TIMEOUT(app_->status() != "Colonne finali = 0", 30000);
        const long long kept = app_->status().section('=', 1).trimmed().toLongLong();
        QVERIFY2(kept > 0 && kept < 142506, qPrintable(app_->status()));
        QCOMPARE(app_->commandLineStatus("famiglie"), app_->status());
    }
};

QTEST_MAIN(FamiliesTest)
#include "tst_families.moc"
