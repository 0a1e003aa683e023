#include "UiTestSupport.h"
#include "shell/ui/Varnelo.h"
#include "system/SystemStorage.h"

#include <QAbstractButton>
#include <QAction>
#include <QComboBox>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QMdiSubWindow>
#include <QMenu>
#include <QProcess>
#include <QStandardPaths>
#include <QTableView>
#include <QTableWidget>
#include <QtTest>

#include <algorithm>
#include <functional>
#include <memory>

using namespace varnelo;

namespace {

constexpr int kSum = 111;         // "Somma Totale"
constexpr int kMinDistance = 116; // "Distanza Minima"

int sumOf(const Column& c) {
    return c[0] + c[1] + c[2] + c[3] + c[4];
}

int minDistanceOf(const Column& c) {
    int least = 49;
    for (std::size_t i = 1; i < c.size(); ++i)
        least = std::min(least, c[i] - c[i - 1]);
    return least;
}

// Every column of the numbers 1..30 that `keep` keeps.
long long columnsOfThirty(const std::function<bool(const Column&)>& keep) {
    long long n = 0;
    Column c{};
    for (c[0] = 1; c[0] <= 26; ++c[0])
        for (c[1] = c[0] + 1; c[1] <= 27; ++c[1])
            for (c[2] = c[1] + 1; c[2] <= 28; ++c[2])
                for (c[3] = c[2] + 1; c[3] <= 29; ++c[3])
                    for (c[4] = c[3] + 1; c[4] <= 30; ++c[4])
                        n += keep(c);
    return n;
}

} // namespace

// The link and point-quadro editors, driven through their widgets.
class LinksTest : public QObject {
    Q_OBJECT

    std::unique_ptr<MainWindowUnderTest> app_;
    TestProgram* program_ = nullptr;
    ProgramState* state_ = nullptr;
    Varnelo* main_ = nullptr;

    // The way a player gets there: the "&Condizioni" menu item of this text.
    QWidget* openFromMenu(const QString& text, const QString& window) {
        auto* menu = main_->findChild<QMenu*>("CondProgramma");
        const QList<QAction*> items = menu->actions();
        auto item =
            std::find_if(items.begin(), items.end(), [&](QAction* a) { return a->text() == text; });
        if (item == items.end() || !(*item)->isEnabled())
            return nullptr;
        (*item)->trigger();
        return main_->findChild<QWidget*>(window);
    }
    QWidget* openLinks() { return openFromMenu("Link", "Links"); }
    QWidget* openQuadri() { return openFromMenu("Punti tra Condizioni", "LinksPunti"); }

    static void click(QWidget* w, const char* name) {
        auto* b = w->findChild<QAbstractButton*>(name);
        QVERIFY2(b && b->isEnabled(), name);
        QTest::mouseClick(b, Qt::LeftButton);
    }
    static QTableWidget* grid(QWidget* w, const char* name) {
        return w->findChild<QTableWidget*>(name);
    }
    // The slot numbers a grid lists, top to bottom.
    static std::vector<int> slotsOf(QTableWidget* g) {
        std::vector<int> out;
        for (int r = 0; r < g->rowCount(); ++r)
            out.push_back(g->item(r, 0)->text().toInt());
        return out;
    }
    static QStringList namesOf(QTableWidget* g) {
        QStringList out;
        for (int r = 0; r < g->rowCount(); ++r)
            out << g->item(r, 1)->text();
        return out;
    }
    static void doubleClickSlot(QTableWidget* g, int slot) {
        for (int r = 0; r < g->rowCount(); ++r)
            if (g->item(r, 0)->text().toInt() == slot) {
                const QPoint at = g->visualItemRect(g->item(r, 1)).center();
                QTest::mouseClick(g->viewport(), Qt::LeftButton, {}, at);
                QTest::mouseDClick(g->viewport(), Qt::LeftButton, {}, at);
                return;
            }
        QFAIL(qPrintable(QString("slot %1 non in griglia").arg(slot)));
    }
    static QComboBox* picker(QWidget* w, const QString& name) {
        return w->findChild<QComboBox*>(name);
    }
    // Picks a value from a range picker's open list: the player moves to it
    // in the list and presses Enter.
    static void choose(QWidget* w, const QString& name, int value) {
        QComboBox* c = picker(w, name);
        QVERIFY2(c, qPrintable(name));
        c->showPopup();
        QAbstractItemView* list = c->view();
        QTRY_VERIFY(list->isVisible());
        list->setCurrentIndex(list->model()->index(value, 0));
        QTest::keyClick(list, Qt::Key_Return);
        QTRY_VERIFY(!list->isVisible());
        QCOMPARE(c->currentText(), QString::number(value));
    }
    static QString shown(QWidget* w, const QString& name) { return picker(w, name)->currentText(); }
    QString status() const { return main_->findChild<QLabel*>("ColonneFinali")->text(); }

    void activate(std::initializer_list<int> slots) {
        for (int s : slots) {
            state_->conditions.setActive(s, true);
            const ValueRange r = slotValueRange(s);
            for (int v = r.min; v <= r.max; ++v)
                state_->conditions.setCell(s, v, {CellStatus::Admitted, 0});
        }
    }
    // "Somma totale" 100..150 and "Distanza minima" 2..5 on.
    void sumAndDistance() {
        state_->conditions.setActive(kSum, true);
        for (int v = 100; v <= 150; ++v)
            state_->conditions.setCell(kSum, v, {CellStatus::Admitted, 0});
        state_->conditions.setActive(kMinDistance, true);
        for (int v = 2; v <= 5; ++v)
            state_->conditions.setCell(kMinDistance, v, {CellStatus::Admitted, 0});
        main_->refresh();
    }
    // Saves the system under `name`, develops it from the menu and checks
    // the count against `expected` and against the command line.
    void developAndCompare(const char* name, long long expected) {
        for (int n = 1; n <= 30; ++n)
            state_->selection.setState(n, Selection::Chosen);
        state_->selection.setNumerone(1, true);
        state_->selection.setNumerone(2, true);
        state_->systemName = name;
        Progress saving;
        QVERIFY(saveSystem(*state_, saving).done());
        main_->findChild<QAction*>("Condizioni(3)")->trigger();
        const QString wanted = "Colonne finali = " + QString::number(expected);
        QTRY_COMPARE_WITH_TIMEOUT(status(), wanted, 30000);

        QCOMPARE(app_->commandLineStatus(name), wanted);
    }
    void reopenAndCompare(const char* name) {
        ProgramState reopened(state_->folder);
        Progress loading;
        QVERIFY(openSystem(reopened, name, loading).done());
        QVERIFY(reopened.links == state_->links);
        QVERIFY(reopened.quadri == state_->quadri);
    }

  private Q_SLOTS:
    void initTestCase() { prepareWindowTests(); }
    void init() {
        app_ = std::make_unique<MainWindowUnderTest>();
        program_ = &app_->program;
        state_ = program_->state.get();
        main_ = &app_->main;
    }
    void cleanup() { app_.reset(); }

    // Two conditions in link 1 with one error admitted: a column may miss
    // one of them, not both; the saved system and the command line agree.
    void linkFromTheMenuRelaxesTheDevelopment() {
        sumAndDistance();
        QWidget* w = openLinks();
        QVERIFY(w && w->isVisible());
        QCOMPARE(w->windowTitle(), QString("Link:"));
        QCOMPARE(w->findChild<QLabel*>("LabLinkNum")->text(), QString("Link Numero = 1"));
        QCOMPARE(slotsOf(grid(w, "MSFLink1")), (std::vector<int>{kSum, kMinDistance}));
        QCOMPARE(namesOf(grid(w, "MSFLink1")), (QStringList{"Somma Totale", "Distanza Minima"}));
        QCOMPARE(grid(w, "MSFLink2")->rowCount(), 0);
        saveScreenshot(w, "Links");

        // One by a double click, the other by its button.
        doubleClickSlot(grid(w, "MSFLink1"), kSum);
        QCOMPARE(slotsOf(grid(w, "MSFLink2")), (std::vector<int>{kSum}));
        grid(w, "MSFLink1")->selectRow(0);
        click(w, "CommAggiungi");
        QCOMPARE(slotsOf(grid(w, "MSFLink2")), (std::vector<int>{kSum, kMinDistance}));
        QCOMPARE(grid(w, "MSFLink1")->rowCount(), 0);
        choose(w, "Combo1(1)", 1);
        QCOMPARE(shown(w, "Combo1(0)"), QString("0"));
        click(w, "CommOk");
        QVERIFY(!w->isVisible());

        const GroupTable& t = state_->links.table;
        QCOMPARE(t.slots(1), (std::vector<int>{kSum, kMinDistance}));
        QCOMPARE(t.range(1), (RangePair{0, 1}));
        QCOMPARE(t.slotIndex(kSum), 1);
        QCOMPARE(t.groupsInUse(), 1);
        QVERIFY(state_->modified);
        QVERIFY(state_->modifiedFamilies.isModified(familyOfMenuItem(41)));
        QVERIFY(main_->findChild<QAction*>("CondProgramma(41)")->isChecked());

        const long long expected = columnsOfThirty([](const Column& c) {
            const int s = sumOf(c);
            const int d = minDistanceOf(c);
            return (s < 100 || s > 150) + (d < 2 || d > 5) <= 1;
        });
        developAndCompare("link", expected);
        reopenAndCompare("link");
    }

    // The quadro adds the values of the conditions it holds; a column whose
    // score leaves 0..105 is one wrong quadro too many.
    void quadroFromTheMenuLimitsTheScore() {
        sumAndDistance();
        QWidget* w = openQuadri();
        QVERIFY(w && w->isVisible());
        QCOMPARE(w->windowTitle(), QString("Punti tra Condizioni:"));
        QCOMPARE(w->findChild<QLabel*>("LabLinkNum")->text(), QString("Quadro Numero = 1"));
        QCOMPARE(w->findChild<QAbstractButton*>("CommElimina")->text(), QString("Elimina Quadro"));
        QCOMPARE(picker(w, "Combo1(1)")->count(), 2001);
        QVERIFY(!picker(w, "CombTra(0)"));
        saveScreenshot(w, "LinksPunti");

        doubleClickSlot(grid(w, "MSFLink1"), kMinDistance);
        doubleClickSlot(grid(w, "MSFLink1"), kSum);
        QCOMPARE(slotsOf(grid(w, "MSFLink2")), (std::vector<int>{kSum, kMinDistance}));
        choose(w, "Combo1(1)", 105);
        click(w, "CommOk");
        QVERIFY(!w->isVisible());
        QCOMPARE(state_->quadri.table.slots(1), (std::vector<int>{kSum, kMinDistance}));
        QCOMPARE(state_->quadri.table.range(1), (RangePair{0, 105}));
        QCOMPARE(state_->quadri.table.slotIndex(kMinDistance), 1);
        QVERIFY(state_->links.table.groupsInUse() == 0);
        QVERIFY(state_->modifiedFamilies.isModified(familyOfMenuItem(42)));
        QVERIFY(main_->findChild<QAction*>("CondProgramma(42)")->isChecked());
        QVERIFY(!main_->findChild<QAction*>("CondProgramma(41)")->isChecked());

        const long long expected = columnsOfThirty([](const Column& c) {
            const int s = sumOf(c);
            const int d = minDistanceOf(c);
            return s >= 100 && s <= 150 && d >= 2 && d <= 5 && s + d <= 105;
        });
        developAndCompare("quadro", expected);
        reopenAndCompare("quadro");
    }

    // "Annulla", Escape and the close box put back the links and all four
    // overall values, even after an erase.
    void cancellingRestoresEverything() {
        activate({1, 2, kSum});
        state_->links.table.setMembership(1, 1, 1);
        state_->links.table.setMembership(2, kSum, 1);
        state_->links.table.range(1) = {0, 1};
        state_->links.overallExcess = {0, 3};
        state_->links.wrongLinks = {1, 2};
        state_->links.recompute();
        const Links before = state_->links;
        for (const QString how : {"CommAnnulla", "Escape", "frame"}) {
            QWidget* w = openLinks();
            QVERIFY(w);
            doubleClickSlot(grid(w, "MSFLink1"), 2);
            choose(w, "Combo1(0)", 4);
            choose(w, "CombTra(1)", 7);
            choose(w, "CombTraL(0)", 0);
            click(w, "CommSuccessivo");
            click(w, "CommElimina");
            if (how == "Escape")
                QTest::keyClick(w, Qt::Key_Escape);
            else if (how == "frame")
                qobject_cast<QMdiSubWindow*>(w->parentWidget())->close();
            else
                click(w, "CommAnnulla");
            QVERIFY2(!w->isVisible(), qPrintable(how));
            QVERIFY2(state_->links == before, qPrintable(how));
        }
        QVERIFY(!state_->modified);
    }

    // Erasing link 2 of 1, 2, 3: the former link 3 becomes link 2, with its range.
    void erasingALinkRenumbersTheOnesAbove() {
        activate({1, 2, 3, kSum});
        GroupTable& t = state_->links.table;
        t.setMembership(1, 1, 1);
        t.setMembership(2, 2, 1);
        t.setMembership(3, 3, 1);
        t.setMembership(3, kSum, 1);
        t.range(3) = {1, 2};
        state_->links.recompute();
        QWidget* w = openLinks();
        QVERIFY(w);
        QVERIFY(!w->findChild<QAbstractButton*>("CommPrecedente")->isEnabled());
        click(w, "CommSuccessivo");
        QCOMPARE(w->findChild<QLabel*>("LabLinkNum")->text(), QString("Link Numero = 2"));
        QCOMPARE(slotsOf(grid(w, "MSFLink2")), (std::vector<int>{2}));
        click(w, "CommElimina");
        QCOMPARE(w->findChild<QLabel*>("LabLinkNum")->text(), QString("Link Numero = 2"));
        QCOMPARE(slotsOf(grid(w, "MSFLink2")), (std::vector<int>{3, kSum}));
        QCOMPARE(slotsOf(grid(w, "MSFLink1")), (std::vector<int>{1, 2}));
        QCOMPARE(shown(w, "Combo1(0)"), QString("1"));
        QCOMPARE(shown(w, "Combo1(1)"), QString("2"));
        click(w, "CommSuccessivo");
        QCOMPARE(grid(w, "MSFLink2")->rowCount(), 0);
        QCOMPARE(shown(w, "Combo1(1)"), QString("0"));
        click(w, "CommOk");
        QCOMPARE(t.groupsInUse(), 2);
        QCOMPARE(t.slots(2), (std::vector<int>{3, kSum}));
        QCOMPARE(t.range(2), (RangePair{1, 2}));
        QCOMPARE(t.slotIndex(kSum), 2);
        QCOMPARE(t.slotIndex(2), 0);
    }

    // A link emptied in the grid leaves no gap: the run visits links 1..N.
    void emptyingALinkByHandMovesTheNextDown() {
        activate({1, 2});
        state_->links.table.setMembership(1, 1, 1);
        state_->links.table.setMembership(2, 2, 1);
        state_->links.recompute();
        QWidget* w = openLinks();
        QVERIFY(w);
        grid(w, "MSFLink2")->selectAll();
        click(w, "CommTogli");
        QCOMPARE(slotsOf(grid(w, "MSFLink1")), (std::vector<int>{1, 2}));
        click(w, "CommOk");
        QCOMPARE(state_->links.table.groupsInUse(), 1);
        QCOMPARE(state_->links.table.slots(1), (std::vector<int>{2}));
    }

    // Whatever end is chosen, the pair never reads from > to: the other end follows.
    void pickersNeverLeaveARangeInverted() {
        const struct {
            const char* picker;
            RangePair before;
            int value;
            RangePair after;
        } cases[] = {
            {"Combo1(0)", {2, 5}, 7, {7, 7}},
            {"Combo1(0)", {2, 5}, 3, {3, 5}},
            {"Combo1(1)", {2, 5}, 1, {1, 1}},
            {"Combo1(1)", {2, 5}, 15, {2, 15}},
            {"CombTra(0)", {0, 10}, 2000, {2000, 2000}},
            {"CombTra(1)", {100, 200}, 50, {50, 50}},
            {"CombTraL(0)", {4, 6}, 9, {9, 9}},
            {"CombTraL(1)", {0, 3}, 15, {0, 15}},
        };
        activate({1});
        for (const auto& c : cases) {
            const QString name = c.picker;
            state_->links = Links{};
            state_->links.table.setMembership(1, 1, 1);
            state_->links.recompute();
            RangePair& pair = name.startsWith("Combo1")     ? state_->links.table.range(1)
                              : name.startsWith("CombTraL") ? state_->links.wrongLinks
                                                            : state_->links.overallExcess;
            pair = c.before;
            QWidget* w = openLinks();
            QVERIFY(w);
            QCOMPARE(shown(w, name.left(name.size() - 3) + "(0)"), QString::number(c.before.from));
            choose(w, name, c.value);
            QCOMPARE(pair, c.after);
            const QString stem = name.left(name.size() - 3);
            QCOMPARE(shown(w, stem + "(0)"), QString::number(c.after.from));
            QCOMPARE(shown(w, stem + "(1)"), QString::number(c.after.to));
            click(w, "CommAnnulla");
        }
        // What each pair offers: the overall excess 0..2000, wrong links 0..15,
        // a link's errors up to the conditions in play but at least 0..15.
        QWidget* w = openLinks();
        QCOMPARE(picker(w, "CombTra(0)")->count(), 2001);
        QCOMPARE(picker(w, "CombTraL(1)")->count(), 16);
        QCOMPARE(picker(w, "Combo1(1)")->count(), 16);
        click(w, "CommAnnulla");
        activate({2, 3, 4, 5, 6, 7, 9, 10, 11, 12, 13, 14, 15, 16, 19, 20});
        w = openLinks();
        QCOMPARE(picker(w, "Combo1(1)")->count(), 18);
        click(w, "CommAnnulla");
    }

    // A condition switched off in its own editor leaves the link the next
    // time the link window opens.
    void conditionOutOfPlayLeavesTheLinkOnReopening() {
        sumAndDistance();
        QWidget* w = openLinks();
        QVERIFY(w);
        doubleClickSlot(grid(w, "MSFLink1"), kSum);
        doubleClickSlot(grid(w, "MSFLink1"), kMinDistance);
        click(w, "CommOk");
        QCOMPARE(state_->links.table.slots(1), (std::vector<int>{kSum, kMinDistance}));

        QWidget* distances = openFromMenu("Distanza", "CondizioniTre");
        QVERIFY(distances);
        click(distances, "OptCondizione(1)");
        click(distances, "CheckAttiva(1)"); // off
        click(distances, "CommOk");
        QVERIFY(!state_->conditions.isActive(kMinDistance));

        w = openLinks();
        QCOMPARE(slotsOf(grid(w, "MSFLink2")), (std::vector<int>{kSum}));
        QCOMPARE(grid(w, "MSFLink1")->rowCount(), 0);
        click(w, "CommAnnulla");
        QCOMPARE(state_->links.table.slots(1), (std::vector<int>{kSum}));
    }

    // Names as each window gives them, by number or, with "Ordina", by name.
    void namesAndOrder() {
        activate({1, 8, 17, kSum});
        const struct {
            const char* item;
            const char* window;
            QStringList byNumber;
            QStringList byName;
        } cases[] = {
            {"Link",
             "Links",
             {"Segni Pari", "Consecutivi 2  P.n ", "Interruz. Dispari", "Somma Totale"},
             {"Consecutivi 2  P.n ", "Interruz. Dispari", "Segni Pari", "Somma Totale"}},
            {"Punti tra Condizioni",
             "LinksPunti",
             {"Segni Pari", "Consecutivi 2  P.n", "Interruzioni Dispari", "Somma Totale"},
             {"Consecutivi 2  P.n", "Interruzioni Dispari", "Segni Pari", "Somma Totale"}},
        };
        for (const auto& c : cases) {
            QWidget* w = openFromMenu(c.item, c.window);
            QVERIFY2(w, c.window);
            QCOMPARE(namesOf(grid(w, "MSFLink1")), c.byNumber);
            click(w, "CommOrdina");
            QCOMPARE(namesOf(grid(w, "MSFLink1")), c.byName);
            doubleClickSlot(grid(w, "MSFLink1"), kSum);
            doubleClickSlot(grid(w, "MSFLink1"), 1);
            QCOMPARE(namesOf(grid(w, "MSFLink2")), (QStringList{"Segni Pari", "Somma Totale"}));
            click(w, "CommOrdina");
            QCOMPARE(slotsOf(grid(w, "MSFLink1")), (std::vector<int>{8, 17}));
            click(w, "CommAnnulla");
        }
    }

    // Four draws in the statistics selection: how many conditions of the
    // link each met, and the score of the quadro with the failures.
    void statisticsOverTheDrawsOfTheSelection() {
        QFile archive(program_->path("enal/archivio2.cna"));
        QVERIFY(archive.open(QIODevice::WriteOnly));
        archive.write("01-02-03-04-05010205-01-2021\r\n"   // Pari 2, sum 15: one
                      "02-04-30-31-33030407-01-2021\r\n"   // Pari 3, sum 100: one
                      "02-04-31-33-35050609-01-2021\r\n"   // Pari 2, sum 105: two
                      "01-03-05-07-09070812-01-2021\r\n"); // none
        archive.close();
        refreshArchiveTables(*state_);
        QCOMPARE(state_->archive.selection.size(), std::size_t(4));
        state_->conditions.setActive(1, true);
        state_->conditions.setCell(1, 2, {CellStatus::Admitted, 0});
        state_->conditions.setActive(kSum, true);
        for (int v = 100; v <= 150; ++v)
            state_->conditions.setCell(kSum, v, {CellStatus::Admitted, 0});

        const struct {
            const char* item;
            const char* window;
            const char* title;
            QList<QStringList> rows; // value, draws, share
            QString wrong;
        } cases[] = {
            {"Link",
             "Links",
             "Statistiche del Link:",
             {{"0", "1", "25,00"}, {"1", "2", "50,00"}, {"2", "1", "25,00"}},
             {}},
            {"Punti tra Condizioni",
             "LinksPunti",
             "Statistiche del Quadro:",
             {{"0", "1", "25,00"},
              {"2", "1", "25,00"},
              {"100", "1", "25,00"},
              {"107", "1", "25,00"}},
             "Condizioni Sbagliate= 4"},
        };
        for (const auto& c : cases) {
            QWidget* w = openFromMenu(c.item, c.window);
            QVERIFY2(w, c.window);
            doubleClickSlot(grid(w, "MSFLink1"), 1);
            doubleClickSlot(grid(w, "MSFLink1"), kSum);
            auto* view = w->findChild<QTableView*>("MSFColFilRis");
            QCOMPARE(qobject_cast<QGroupBox*>(view->parentWidget())->title(), QString(c.title));
            click(w, "CommStatistiche");
            QList<QStringList> rows;
            for (int r = 0; r < view->model()->rowCount(); ++r) {
                QStringList row;
                for (int col = 0; col < 3; ++col)
                    row << view->model()->index(r, col).data().toString();
                rows << row;
            }
            QCOMPARE(rows, c.rows);
            QCOMPARE(w->findChild<QLabel*>("LabEstrazioni")->text(),
                     QString("Estrazioni esaminate: 4"));
            auto* wrong = w->findChild<QLabel*>("LabSbagliate");
            QCOMPARE(wrong ? wrong->text() : QString(), c.wrong);
            saveScreenshot(w, QString(c.window) + "-statistiche");
            // Another member makes the figures stale.
            doubleClickSlot(grid(w, "MSFLink2"), 1);
            QCOMPARE(view->model()->rowCount(), 0);
            click(w, "CommAnnulla");
        }
    }
};

QTEST_MAIN(LinksTest)
#include "tst_links.moc"
