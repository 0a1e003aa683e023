#include "UiTestSupport.h"
#include "WidgetDriving.h"
#include "conditions/ConditionStatistics.h"
#include "conditions/InsCondizione.h"
#include "conditions/Levels.h"
#include "conditions/Sequele.h"
#include "shell/ui/Varnelo.h"
#include "support/Columns.h"
#include "system/SystemRun.h"
#include "system/SystemStorage.h"

#include <QAbstractButton>
#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMouseEvent>
#include <QProcess>
#include <QStandardPaths>
#include <QTableView>
#include <QTableWidget>
#include <QTimer>
#include <QToolBar>
#include <QtTest>

#include <functional>
#include <memory>
#include <set>

using namespace varnelo;

// The value-condition editors, driven through their widgets.
class ConditionsTest : public QObject {
    Q_OBJECT

    std::unique_ptr<MainWindowUnderTest> app_;
    TestProgram* program_ = nullptr;
    ProgramState* state_ = nullptr;
    Varnelo* main_ = nullptr;

    QWidget* openSomma() {
        QAction* item = main_->findChild<QAction*>("CondProgramma(28)");
        if (!item || !item->isEnabled())
            return nullptr;
        item->trigger();
        return main_->findChild<QWidget*>("CondizioneDue");
    }
    // Types into a cell of the levels grid, as a player does.
    static void typeLimit(QTableWidget* grid, int level, int column, const QString& text) {
        typeInCell(grid, level - 1, column, text);
    }
    QString status() const { return main_->findChild<QLabel*>("ColonneFinali")->text(); }

  private Q_SLOTS:
    void initTestCase() { prepareWindowTests(); }
    void init() {
        app_ = std::make_unique<MainWindowUnderTest>();
        program_ = &app_->program;
        state_ = program_->state.get();
        main_ = &app_->main;
    }
    void cleanup() { app_.reset(); }

    // "Somma totale" 100..150 blue and 151 red on level A, then a development
    // of 30 numbers gives what the command line gives for the saved system.
    void sumEditorSetsCellsAndTheRunAgreesWithTheCommandLine() {
        QWidget* w = openSomma();
        QVERIFY(w && w->isVisible());
        saveScreenshot(w, "CondizioneDue");
        clickButton(w, "CheckAttiva(0)");
        for (int v = 100; v <= 150; ++v)
            clickCell(w, v);
        clickCell(w, 151);
        clickCell(w, 151);
        auto* level = w->findChild<QComboBox*>("ComboLivello");
        QVERIFY(level->isEnabled());
        level->setFocus();
        QTest::keyClick(level, Qt::Key_Down);
        QCOMPARE(level->currentText(), QString("A"));

        // The statistics of the shown sub-condition over the selected draws.
        clickButton(w, "CommAnalisi");
        auto* stats = w->findChild<QTableView*>("MSFlexGrid2");
        const ValueRange range = slotValueRange(111);
        QCOMPARE(stats->model()->rowCount(), range.max - range.min + 1);
        std::vector<Column> draws;
        for (const Draw& d : state_->archive.selection)
            draws.push_back(d.numbers);
        const ValueStatistics direct =
            walkStatistics(draws, range.min, range.max, [](const Column& c, std::size_t) {
                return c[0] + c[1] + c[2] + c[3] + c[4];
            });
        auto cellText = [&](int value, int column) {
            return stats->model()->index(value - range.min, column).data().toString();
        };
        QCOMPARE(cellText(120, 1), QLocale().toString(direct.out(120)));
        QCOMPARE(cellText(120, 3), QLocale().toString(direct.delay(120)));
        QCOMPARE(cellText(151, 6), QString("A"));
        QVERIFY(
            w->findChild<QLabel*>("LabAnalisi")->text().contains(QString::number(draws.size())));
        saveScreenshot(w, "CondizioneDue-statistiche");

        clickButton(w, "CommOk");
        QVERIFY(!w->isVisible());
        QVERIFY(state_->conditions.isActive(111));
        QCOMPARE(state_->conditions.cell(111, 100).status, CellStatus::Admitted);
        QCOMPARE(state_->conditions.cell(111, 150).status, CellStatus::Admitted);
        QCOMPARE(state_->conditions.cell(111, 99).status, CellStatus::NotAdmitted);
        QCOMPARE(state_->conditions.cell(111, 151).status, CellStatus::Recovery);
        QCOMPARE(state_->conditions.cell(111, 151).level, 1);
        QVERIFY(main_->findChild<QAction*>("CondProgramma(28)")->isChecked());

        // Level A: at most one pass on recovery.
        main_->findChild<QAction*>("CondProgramma(44)")->trigger();
        auto* levels = main_->findChild<QWidget*>("livellazione");
        QVERIFY(levels && levels->isVisible());
        auto* grid = levels->findChild<QTableWidget*>("MSFLivello");
        QCOMPARE(grid->item(0, 3)->text(), QString("1")); // one active condition uses A
        typeLimit(grid, 1, 1, "1");
        typeLimit(grid, 1, 2, "0");
        saveScreenshot(levels, "livellazione");
        clickButton(levels, "ComButt");
        QCOMPARE(state_->levels.max(1), 1);
        QCOMPARE(state_->levels.min(1), 0);

        for (int n = 1; n <= 30; ++n)
            state_->selection.setState(n, Selection::Chosen);
        state_->selection.setNumerone(1, true);
        state_->selection.setNumerone(2, true);
        state_->systemName = "somma";
        Progress saving;
        QVERIFY(saveSystem(*state_, saving).done());
        main_->findChild<QAction*>("Condizioni(3)")->trigger();
        QTRY_VERIFY_WITH_TIMEOUT(status() != "Colonne finali = 0", 30000);

        QCOMPARE(app_->commandLineStatus("somma"), status());
    }

    // "Annulla", Escape and the close box leave the set as it was.
    void cancelLeavesTheConditionsAsTheyWere() {
        state_->conditions.setActive(112, true);
        state_->conditions.setCell(112, 40, {CellStatus::Admitted, 0});
        const ConditionSet before = state_->conditions;
        for (const char* how : {"CommAnnulla", "Escape"}) {
            QWidget* w = openSomma();
            QVERIFY(w);
            clickButton(w, "OptCondizione(1)");
            clickCell(w, 40);
            clickCell(w, 41);
            clickButton(w, "CheckAttiva(1)");
            if (QString(how) == "Escape")
                QTest::keyClick(w, Qt::Key_Escape);
            else
                clickButton(w, how);
            QVERIFY(!w->isVisible());
            QVERIFY(state_->conditions == before);
        }
        QVERIFY(!state_->modified);
    }

    // "Annulla" in any editor leaves the saved settings file byte for byte;
    // "OK", save and reopen show the same cells.
    void cancelKeepsTheSavedFileAndOkSurvivesAReopen() {
        state_->systemName = "prova";
        state_->conditions.setActive(120, true);
        state_->conditions.setCell(120, 9, {CellStatus::Recovery, 3});
        Progress saving;
        QVERIFY(saveSystem(*state_, saving).done());
        const QString sse = program_->path("qor/prova.sse");
        const QByteArray before = [&] {
            QFile f(sse);
            return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
        }();
        for (const char* item :
             {"CondProgramma(28)", "CondProgramma(2)", "CondProgramma(11)", "CondProgramma(23)",
              "CondProgramma(1)", "CondProgramma(17)", "CondProgramma(6)", "CondProgramma(13)",
              "CondProgramma(18)", "CondProgramma(27)"}) {
            main_->findChild<QAction*>(item)->trigger();
            QWidget* w = qobject_cast<QMdiSubWindow*>(
                             main_->findChild<QMdiArea*>("MDIForm")->activeSubWindow())
                             ->widget();
            clickButton(w, "OptCondizione(0)");
            clickCell(w, 1);
            clickButton(w, "CheckAttiva(0)");
            clickButton(w, "CommAnnulla");
        }
        QVERIFY(saveSystem(*state_, saving).done());
        QFile after(sse);
        QVERIFY(after.open(QIODevice::ReadOnly));
        QCOMPARE(after.readAll(), before);

        QWidget* w = openSomma();
        clickCell(w, 77);
        clickButton(w, "CheckAttiva(0)");
        clickButton(w, "CommOk");
        QVERIFY(saveSystem(*state_, saving).done());
        ProgramState reopened(state_->folder);
        Progress loading;
        QVERIFY(openSystem(reopened, "prova", loading).done());
        QVERIFY(reopened.conditions == state_->conditions);
        QCOMPARE(reopened.conditions.cell(111, 77).status, CellStatus::Admitted);
        QCOMPARE(reopened.conditions.cell(120, 9).level, 3);
    }

    // A drag marks a range of values; Space turns them all blue, Canc white.
    void rangesByDragAndKeys() {
        QWidget* w = openSomma();
        auto* view = w->findChild<QTableView*>("MSFlexGrid1");
        const QModelIndex from = view->model()->index(20, 0);
        const QModelIndex to = view->model()->index(27, 0);
        view->scrollTo(from);
        QTest::mousePress(view->viewport(), Qt::LeftButton, {}, view->visualRect(from).center());
        QMouseEvent move(QEvent::MouseMove, view->visualRect(to).center(),
                         view->viewport()->mapToGlobal(view->visualRect(to).center()), Qt::NoButton,
                         Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(view->viewport(), &move);
        QTest::mouseRelease(view->viewport(), Qt::LeftButton, {}, view->visualRect(to).center());
        QCOMPARE(view->selectionModel()->selectedIndexes().size(), 8);
        QTest::keyClick(view, Qt::Key_Space);
        for (int v = 20; v <= 27; ++v)
            QCOMPARE(state_->conditions.cell(111, v).status, CellStatus::Admitted);
        QCOMPARE(state_->conditions.cell(111, 28).status, CellStatus::NotAdmitted);
        // Shift+arrows mark from the current cell; Canc clears them.
        view->setCurrentIndex(view->model()->index(22, 0));
        QTest::keyClick(view, Qt::Key_Down, Qt::ShiftModifier);
        QTest::keyClick(view, Qt::Key_Down, Qt::ShiftModifier);
        QTest::keyClick(view, Qt::Key_Delete);
        for (int v = 22; v <= 24; ++v)
            QCOMPARE(state_->conditions.cell(111, v).status, CellStatus::NotAdmitted);
        QCOMPARE(state_->conditions.cell(111, 25).status, CellStatus::Admitted);
        clickButton(w, "CommAnnulla");
    }

    // The quick selections act on the shown sub-condition, within their scope.
    void quickSelections() {
        QWidget* w = openSomma();
        QVERIFY(w);
        clickButton(w, "CommPari");
        QCOMPARE(state_->conditions.cell(111, 20).status, CellStatus::Admitted);
        QCOMPARE(state_->conditions.cell(111, 21).status, CellStatus::NotAdmitted);
        clickCell(w, 20);                // blue -> red
        clickButton(w, "OptCaselle(1)"); // only the white ones
        clickButton(w, "CommTutte");
        QCOMPARE(state_->conditions.cell(111, 21).status, CellStatus::Admitted);
        QCOMPARE(state_->conditions.cell(111, 20).status, CellStatus::Recovery);
        clickButton(w, "OptCaselle(0)");
        clickButton(w, "CommCancella");
        QCOMPARE(state_->conditions.cell(111, 20).status, CellStatus::NotAdmitted);
        // "Presenze": the sums the selected draws had, and no other.
        clickButton(w, "CommPresenze");
        std::set<int> sums;
        for (const Draw& d : state_->archive.selection)
            sums.insert(d.numbers[0] + d.numbers[1] + d.numbers[2] + d.numbers[3] + d.numbers[4]);
        const ValueRange range = slotValueRange(111);
        for (int v = range.min; v <= range.max; ++v)
            QCOMPARE(state_->conditions.cell(111, v).status == CellStatus::Admitted,
                     sums.count(v) > 0);
        clickButton(w, "CommCancella");
        // " Resti ": the white cells go red with the level of the current red
        // cell; the level combo then sets a whole marked range.
        clickCell(w, 40);
        clickCell(w, 41);
        clickCell(w, 41);
        auto* level = w->findChild<QComboBox*>("ComboLivello");
        level->setFocus();
        QTest::keyClick(level, Qt::Key_Down);
        QTest::keyClick(level, Qt::Key_Down);
        QCOMPARE(level->currentText(), QString("B"));
        clickButton(w, "CommResti");
        QCOMPARE(state_->conditions.cell(111, 40).status, CellStatus::Admitted);
        QCOMPARE(state_->conditions.cell(111, 39).status, CellStatus::Recovery);
        QCOMPARE(state_->conditions.cell(111, 200).level, 2);
        auto* view = w->findChild<QTableView*>("MSFlexGrid1");
        view->setCurrentIndex(view->model()->index(60, 0));
        QTest::keyClick(view, Qt::Key_Down, Qt::ShiftModifier);
        QTest::keyClick(view, Qt::Key_Down, Qt::ShiftModifier);
        level->setFocus();
        QTest::keyClick(level, Qt::Key_Down); // "C" on 60..62
        for (int v = 60; v <= 62; ++v)
            QCOMPARE(state_->conditions.cell(111, v).level, 3);
        QCOMPARE(state_->conditions.cell(111, 63).level, 2);
        clickButton(w, "CommCancella");
        // A red cell left without a level: "No" keeps it, counted as blue.
        clickCell(w, 30);
        clickCell(w, 30);
        clickButton(w, "CheckAttiva(0)");
        clickInNextModal("No");
        clickButton(w, "CommOk");
        QVERIFY(!w->isVisible());
        QVERIFY(state_->conditions.isActive(111));
        QVERIFY(state_->conditions.hasAdmittedCell(111));
    }

    // The family's pop-up menu is the window's context menu and switches its boxes.
    void popupMenuSwitchesTheBoxes() {
        QWidget* w = openSomma();
        QVERIFY(w);
        QStringList texts;
        pickFromContextMenu(w, 4, texts); // "Tutto attivato"
        QTRY_COMPARE(texts.size(), 6);
        QCOMPARE(texts[1], QString("Somma pari"));
        for (int i = 0; i < 4; ++i)
            QVERIFY(w->findChild<QCheckBox*>(QString("CheckAttiva(%1)").arg(i))->isChecked());
        clickButton(w, "CommAnnulla");
        QVERIFY(!state_->conditions.isActive(112));
    }

    // Typed limits: letters are refused, a Min above its Max becomes the Max,
    // "Annulla" keeps the system's limits.
    void levelLimitsAreCheckedAsTyped() {
        main_->findChild<QAction*>("CondProgramma(44)")->trigger();
        auto* w = main_->findChild<QWidget*>("livellazione");
        auto* grid = w->findChild<QTableWidget*>("MSFLivello");
        typeLimit(grid, 2, 1, "3");
        typeLimit(grid, 2, 2, "7");
        QCOMPARE(grid->item(1, 2)->text(), QString("3"));
        typeLimit(grid, 2, 1, "abc");
        QCOMPARE(grid->item(1, 1)->text(), QString("3"));
        const LevelLimits before = state_->levels;
        clickButton(w, "CommAnnulla");
        QVERIFY(state_->levels == before);
        main_->findChild<QAction*>("CondProgramma(44)")->trigger();
        typeLimit(grid, 2, 1, "3");
        typeLimit(grid, 2, 2, "7");
        clickButton(w, "ComButt");
        QCOMPARE(state_->levels.max(2), 3);
        QCOMPARE(state_->levels.min(2), 3);
    }

    // "Livelli Mescolati": levels go in and out of a group from the two
    // lists; the group's Min follows its Max; "Somma Liv." counts the active
    // conditions that can add to the group's sum.
    void mixedLevelGroups() {
        for (const int slot : {111, 112})
            state_->conditions.setActive(slot, true);
        state_->conditions.setCell(111, 100, {CellStatus::Recovery, 1});
        state_->conditions.setCell(112, 50, {CellStatus::Recovery, 2});
        main_->findChild<QAction*>("CondProgramma(44)")->trigger();
        auto* w = main_->findChild<QWidget*>("livellazione");
        QVERIFY(w && w->isVisible());
        auto* groups = w->findChild<QTableWidget*>("MSFLiv2");
        auto* all = w->findChild<QListWidget*>("ListUna");
        auto* members = w->findChild<QListWidget*>("ListDue");
        groups->setCurrentCell(2, 1); // group 3
        auto doubleClick = [](QListWidget* list, int row) {
            const QRect at = list->visualItemRect(list->item(row));
            QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, at.center());
            QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, at.center());
        };
        doubleClick(all, 0); // A
        all->setCurrentRow(1);
        clickButton(w, "CommAggiungi"); // B
        doubleClick(all, 20);           // AA
        QCOMPARE(groups->item(2, 1)->text(), QString("A + B + AA"));
        QCOMPARE(groups->item(2, 2)->text(), QString("2"));
        doubleClick(members, 2); // AA leaves
        QCOMPARE(groups->item(2, 1)->text(), QString("A + B"));
        typeLimit(groups, 3, 3, "1");
        typeLimit(groups, 3, 4, "4");
        QCOMPARE(groups->item(2, 4)->text(), QString("1"));
        saveScreenshot(w, "livellazione-gruppi");
        clickButton(w, "ComButt");
        const LevelLimits& kept = state_->levels;
        QVERIFY(kept.inGroup(1, 3) && kept.inGroup(2, 3) && !kept.inGroup(21, 3));
        QCOMPARE(kept.groupMax(3), 1);
        QCOMPARE(kept.groupMin(3), 1);
        QCOMPARE(kept.groupsInUse(), 1);
        QVERIFY(main_->findChild<QAction*>("CondProgramma(44)")->isChecked());
    }

    // The sequele window edits the pattern of the shown sequela beside its
    // cells; "Annulla" puts the pattern back too.
    void sequelePatternsWithTheirCells() {
        main_->findChild<QAction*>("CondProgramma(27)")->trigger();
        auto* w = main_->findChild<QWidget*>("SequeleDue");
        QVERIFY(w && w->isVisible());
        clickButton(w, "OptCondizione(2)");
        auto* first = w->findChild<QComboBox*>("ComboSequela(0)");
        first->setFocus();
        QTest::keyClick(first, Qt::Key_Down); // "P"
        QCOMPARE(state_->families.sequele.mark(3, 1), ParityMark::Even);
        clickButton(w, "CommAnnulla");
        QCOMPARE(state_->families.sequele.mark(3, 1), ParityMark::Any);

        main_->findChild<QAction*>("CondProgramma(27)")->trigger();
        clickButton(w, "OptCondizione(2)");
        QTest::keyClick(first, Qt::Key_Down);
        QTest::keyClick(first, Qt::Key_Down); // "D"
        clickCell(w, 5);
        clickButton(w, "CheckAttiva(2)");
        saveScreenshot(w, "SequeleDue");
        clickButton(w, "CommOk");
        QCOMPARE(state_->families.sequele.mark(3, 1), ParityMark::Odd);
        QVERIFY(state_->conditions.isActive(kSequeleSlot + 2));
        QVERIFY(state_->modified);
        // Reopened, the window shows the pattern kept.
        main_->findChild<QAction*>("CondProgramma(27)")->trigger();
        clickButton(w, "OptCondizione(2)");
        QCOMPARE(first->currentText(), QString("D"));
    }

    // "Nati Stanchi" lists the values the developed system holds, best yield
    // first; a system developed with a difference threshold is refused.
    void natiStanchiNeedsADevelopedConditionedSystem() {
        for (int n : {3, 8, 15, 21, 27, 33, 40, 46})
            state_->selection.setState(n, Selection::Chosen);
        state_->selection.setNumerone(1, true);
        state_->selection.setNumerone(2, true);
        main_->findChild<QAction*>("Condizioni(3)")->trigger();
        QTRY_COMPARE_WITH_TIMEOUT(status(), QString("Colonne finali = 56"), 20000);
        QAction* item = main_->findChild<QAction*>("ElabCondiz(1)");
        QVERIFY(item->isEnabled());
        item->trigger();
        auto* w = main_->findChild<QWidget*>("InsCondizione");
        QVERIFY(w && w->isVisible());
        auto* grid = w->findChild<QTableView*>("MSFlexGrid1");
        QVERIFY(grid->model()->rowCount() > 0);
        QCOMPARE(grid->model()->headerData(2, Qt::Horizontal).toString(),
                 QString("Num. Colonne Sistema"));
        // The core's order: the best yield first.
        const auto context = makeRunContext(*state_);
        DistributionTable system;
        tallyStoredColumns(state_->columns, context->metrics, system);
        std::vector<Column> draws;
        for (const Draw& d : state_->archive.selection)
            draws.push_back(d.numbers);
        const auto rows = insCondizioneRows(draws, system, 56, context->metrics);
        QCOMPARE(grid->model()->rowCount(), static_cast<int>(rows.size()));
        for (int r : {0, static_cast<int>(rows.size()) - 1}) {
            QCOMPARE(grid->model()->index(r, 1).data().toString(),
                     QString::number(rows[static_cast<std::size_t>(r)].value));
            QCOMPARE(grid->model()->index(r, 2).data().toString(),
                     QString::number(rows[static_cast<std::size_t>(r)].systemColumns));
        }
        saveScreenshot(w, "InsCondizione");
        w->parentWidget()->close();

        state_->options.kindCode = 23; // "Differenza  tra Colonne:" 3
        state_->forecastLock.clear();
        main_->findChild<QAction*>("Condizioni(3)")->trigger();
        QTRY_VERIFY_WITH_TIMEOUT(!main_->isBusy(), 20000);
        QString title;
        clickInNextModal("OK", &title);
        item->trigger();
        QCOMPARE(title, QString("Sistema non Sviluppato"));
        QVERIFY(!w->isVisible());
    }

    // A window that serves several menu items shows the sub-condition of the
    // item chosen, and a double click in the conditions-in-play list opens it too.
    void oneWindowServesSeveralItems() {
        const struct {
            const char* item;
            const char* window;
            int shown; // the OptCondizione of the item's first slot
        } cases[] = {
            {"CondProgramma(17)", "ConBuconero", 0},     // "Pari"
            {"CondProgramma(10)", "ConBuconero", 1},     // "Dispari"
            {"CondProgramma(33)", "ConBuconero", 12},    // "Vortice inverso"
            {"CondProgramma(5)", "ConBuconero", 14},     // "Consecutivita Tot+Max"
            {"CondProgramma(15)", "CondizSequenze", 4},  // "Interruzioni"
            {"CondProgramma(25)", "CondizSequenze", 12}, // "Simmetrie"
            {"CondProgramma(13)", "CondizSola", 0},      // "Gemelli"
        };
        for (const auto& c : cases) {
            QAction* item = main_->findChild<QAction*>(c.item);
            QVERIFY2(item && item->isEnabled(), c.item);
            item->trigger();
            auto* w = main_->findChild<QWidget*>(c.window);
            QVERIFY2(w && w->isVisible(), c.window);
            QVERIFY2(w->findChild<QAbstractButton*>(QString("OptCondizione(%1)").arg(c.shown))
                         ->isChecked(),
                     c.item);
        }
        saveScreenshot(main_->findChild<QWidget*>("ConBuconero"), "ConBuconero");
    }

    // In the distance editor the quick selections can act on a marked range
    // only ("Solo Evidenziati").
    void distanceQuickSelectionsOnTheMarkedRange() {
        main_->findChild<QAction*>("CondProgramma(11)")->trigger();
        auto* w = main_->findChild<QWidget*>("CondizioniTre");
        QVERIFY(w && w->isVisible());
        auto* narrow = w->findChild<QAbstractButton*>("OptCaselle(1)");
        QCOMPARE(narrow->text(), QString("Solo Evidenziati"));
        auto* view = w->findChild<QTableView*>("MSFlexGrid1");
        view->setCurrentIndex(view->model()->index(10, 0));
        for (int k = 0; k < 5; ++k)
            QTest::keyClick(view, Qt::Key_Down, Qt::ShiftModifier);
        clickButton(w, "OptCaselle(1)");
        clickButton(w, "CommPari");
        for (int v = 0; v <= 40; ++v)
            QCOMPARE(state_->conditions.cell(115, v).status == CellStatus::Admitted,
                     v >= 10 && v <= 15 && v % 2 == 0);
        clickButton(w, "CommAnnulla");
    }

    // A positional parity pattern set to "fits in all five positions" keeps
    // exactly the columns of that shape.
    void parityPatternShapesTheDevelopment() {
        main_->findChild<QAction*>("CondProgramma(18)")->trigger();
        auto* w = main_->findChild<QWidget*>("CondizTre");
        QVERIFY(w && w->isVisible());
        QCOMPARE(w->findChild<QAbstractButton*>("OptCondizione(1)")->text(),
                 QString(" 2)  P D P D P"));
        clickButton(w, "OptCondizione(1)");
        clickButton(w, "CheckAttiva(1)");
        clickCell(w, 5);
        clickButton(w, "CommOk");
        for (int n = 1; n <= 14; ++n)
            state_->selection.setState(n, Selection::Chosen);
        state_->selection.setNumerone(1, true);
        state_->selection.setNumerone(2, true);
        main_->findChild<QAction*>("Condizioni(3)")->trigger();
        int expected = 0;
        test::forEachColumn({1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14}, [&](const Column& c) {
            expected +=
                c[0] % 2 == 0 && c[1] % 2 == 1 && c[2] % 2 == 0 && c[3] % 2 == 1 && c[4] % 2 == 0;
        });
        QTRY_COMPARE_WITH_TIMEOUT(status(), QString("Colonne finali = %1").arg(expected), 30000);
        for (std::int32_t i = 1; i <= state_->columns.storedCount; ++i) {
            const Column c = state_->columns.column(i);
            QVERIFY(c[0] % 2 == 0 && c[1] % 2 == 1 && c[4] % 2 == 0);
        }
    }

    // "Condizioni uno": many catalogue rows in one grid, from the toolbar key;
    // "Stato" switches a row, OK keeps it all, Annulla nothing.
    void conditionsOneSetsManyRowsAtOnce() {
        const ConditionSet before = state_->conditions;
        for (const bool keep : {false, true}) {
            QAction* key = main_->findChild<QToolBar*>("Bar")->findChild<QAction*>("Sequele1");
            QVERIFY(key && key->isEnabled());
            key->trigger();
            auto* w = main_->findChild<QWidget*>("Sequele1");
            QVERIFY(w && w->isVisible());
            saveScreenshot(w, "Sequele1");
            auto* view = w->findChild<QTableView*>("MSFlexGrid1");
            QCOMPARE(view->model()->headerData(1, Qt::Vertical).toString(), QString("Dispari"));
            auto clickCell = [view](int row, int column) {
                const QModelIndex at = view->model()->index(row, column);
                view->scrollTo(at);
                QTest::mouseClick(view->viewport(), Qt::LeftButton, {},
                                  view->visualRect(at).center());
            };
            clickCell(0, 2); // "Pari" 2 blue
            clickCell(0, 6); // "Stato": Attivo
            clickCell(1, 3); // "Dispari" 3 blue
            clickCell(1, 6);
            clickCell(6, 1); // "Consecutivi 2" 1 red...
            clickCell(6, 1);
            clickCell(6, 6);
            QCOMPARE(view->model()->index(1, 6).data().toString(), QString("Attivo"));
            auto* level = w->findChild<QComboBox*>("ComboLivello");
            view->setCurrentIndex(view->model()->index(6, 1));
            QVERIFY(level->isEnabled());
            level->setFocus();
            QTest::keyClick(level, Qt::Key_Down); // ...on level A
            clickButton(w, keep ? "CommOk" : "CommAnnulla");
            QVERIFY(!w->isVisible());
            if (!keep) {
                QVERIFY(state_->conditions == before);
                continue;
            }
            QVERIFY(state_->conditions.isActive(1) && state_->conditions.isActive(3));
            QCOMPARE(state_->conditions.cell(1, 2).status, CellStatus::Admitted);
            QCOMPARE(state_->conditions.cell(3, 3).status, CellStatus::Admitted);
            QCOMPARE(state_->conditions.cell(7, 1).status, CellStatus::Recovery);
            QCOMPARE(state_->conditions.cell(7, 1).level, 1);
            QVERIFY(main_->findChild<QAction*>("CondProgramma(17)")->isChecked()); // "Pari"
        }
    }

    // "Nuovo" while editors are open: they close and forget the edits they
    // kept for "Annulla", which belong to the old system and would otherwise
    // be put back into the new one (or kept by a later "OK").
    void newSystemClosesTheOpenEditors() {
        state_->conditions.setActive(112, true);
        state_->conditions.setCell(112, 40, {CellStatus::Admitted, 0});
        state_->levels.setMax(3, 4);
        QWidget* sums = openSomma();
        clickButton(sums, "OptCondizione(1)");
        clickCell(sums, 41);
        main_->findChild<QAction*>("CondProgramma(44)")->trigger();
        QWidget* levels = main_->findChild<QWidget*>("livellazione");
        QVERIFY(sums->isVisible() && levels->isVisible());
        state_->modified = false;
        main_->findChild<QAction*>("MenuFile(1)")->trigger();
        QVERIFY(!sums->isVisible());
        QVERIFY(!levels->isVisible());
        QVERIFY(state_->conditions == ConditionSet{});
        QVERIFY(state_->levels == LevelLimits{});
        // Opened again, the editor starts from the new system.
        QVERIFY(openSomma());
        clickButton(main_->findChild<QWidget*>("CondizioneDue"), "CommAnnulla");
        QVERIFY(state_->conditions == ConditionSet{});
    }

    // Every shape editor opens from its menu item and writes its own slots.
    void shapeEditorsFromTheirMenuItems() {
        const struct {
            const char* item;
            const char* window;
            int secondSlot;
            int value;
        } cases[] = {
            {"CondProgramma(2)", "Condizioni3", 120, 7},    // "2° Casella"
            {"CondProgramma(11)", "CondizioniTre", 116, 3}, // "Distanza minima"
            {"CondProgramma(18)", "CondizTre", 52, 5},      // " 2 ) Pari Dispari"
        };
        for (const auto& c : cases) {
            QAction* item = main_->findChild<QAction*>(c.item);
            QVERIFY2(item && item->isEnabled(), c.item);
            item->trigger();
            auto* w = main_->findChild<QWidget*>(c.window);
            QVERIFY2(w && w->isVisible(), c.window);
            saveScreenshot(w, c.window);
            clickButton(w, "OptCondizione(1)");
            clickButton(w, "CheckAttiva(1)");
            clickCell(w, c.value);
            clickButton(w, "CommOk");
            QVERIFY(state_->conditions.isActive(c.secondSlot));
            QCOMPARE(state_->conditions.cell(c.secondSlot, c.value).status, CellStatus::Admitted);
            QVERIFY2(item->isChecked(), c.item);
        }
    }
};

QTEST_MAIN(ConditionsTest)
#include "tst_conditions.moc"
