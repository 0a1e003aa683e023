#include "UiTestSupport.h"
#include "WidgetDriving.h"
#include "conditions/DecimalCells.h"
#include "conditions/FamilyFiles.h"
#include "conditions/Picchetto.h"
#include "conditions/SumQuadro.h"
#include "system/SystemStorage.h"
#include "ui/Text.h"

#include <QAbstractButton>
#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QInputDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMdiSubWindow>
#include <QTabBar>
#include <QTableWidget>
#include <QtTest>

#include <memory>

using namespace varnelo;

// The sum quadro ("Somma + Somma Picchetto") and the picchetti ("Generazione
// e inserimento Picchetto"), driven through their widgets.
class PicchettoTest : public QObject {
    Q_OBJECT

    std::unique_ptr<MainWindowUnderTest> app_;
    ProgramState* state_ = nullptr;
    Varnelo* main_ = nullptr;

    QWidget* open(const char* item, const char* window) {
        QAction* action = main_->findChild<QAction*>(item);
        if (!action || !action->isEnabled())
            return nullptr;
        action->trigger();
        auto* w = main_->findChild<QWidget*>(window);
        return w && w->isVisible() ? w : nullptr;
    }
    QWidget* openSums() { return open("CondProgramma(34)", "PicchettoSomma"); }
    QWidget* openPicchetti() { return open("Condizioni(12)", "PicchettoS"); }

    static void clickNumber(QWidget* sums, int n) {
        auto* board = sums->findChild<QTableWidget*>("MSFQuadrante");
        const QRect at = board->visualItemRect(board->item((n - 1) / 10, (n - 1) % 10));
        QTest::mouseClick(board->viewport(), Qt::LeftButton, {}, at.center());
    }
    // Types into a cell through its editor `Text1`, as a player does.
    static void typeCell(QTableWidget* grid, int row, int column, const QString& text) {
        const QRect at = grid->visualItemRect(grid->item(row, column));
        QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, at.center());
        QTest::mouseDClick(grid->viewport(), Qt::LeftButton, {}, at.center());
        QLineEdit* editor = nullptr;
        for (QLineEdit* e : grid->viewport()->findChildren<QLineEdit*>("Text1"))
            if (e->isVisible())
                editor = e;
        QVERIFY(editor);
        editor->selectAll();
        if (text.isEmpty())
            QTest::keyClick(editor, Qt::Key_Delete);
        QTest::keyClicks(editor, text);
        QTest::keyClick(editor, Qt::Key_Return);
        QCoreApplication::processEvents();
    }
    // Records the title and text of the next notice and answers it.
    static void answerNotice(QString* seen, const char* button = "OK") {
        whenModalShows(
            [seen, button](QWidget* w) {
                *seen = w->windowTitle() + "|" + w->findChild<QLabel*>("Testo")->text();
                w->findChild<QAbstractButton*>(button)->click();
            },
            [](QWidget* w) { return w->objectName() == "Avviso"; });
    }
    static void chooseInDialog(const QString& text) {
        whenModalShows(
            [text](QWidget* w) {
                auto* d = static_cast<QInputDialog*>(w);
                d->setTextValue(text);
                d->accept();
            },
            [](QWidget* w) { return qobject_cast<QInputDialog*>(w) != nullptr; });
    }
    void put(const QString& relative, const QByteArray& bytes) const {
        QFile f(app_->program.path(relative));
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(bytes);
    }
    QByteArray get(const QString& relative) const {
        QFile f(app_->program.path(relative));
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }
    // One row over numbers 1..20 of picchetto 2, admitted 10..30, slot active.
    void setQuadro() {
        SumQuadro q;
        q.rows.resize(1);
        for (int n = 1; n <= 20; ++n)
            q.rows[0].setNumber(n, true);
        q.rows[0].kind = 2;
        q.rows[0].slots[0].admitted = {1000, 3000};
        state_->families.sums = q;
        state_->conditions.setActive(kSumQuadroSlot, true);
    }
    std::vector<Column> selectedDraws() const {
        std::vector<Column> draws;
        for (const Draw& d : state_->archive.selection)
            draws.push_back(d.numbers);
        return draws;
    }

  private Q_SLOTS:
    void initTestCase() { prepareWindowTests(); }
    void init() {
        app_ = std::make_unique<MainWindowUnderTest>();
        state_ = app_->program.state.get();
        main_ = &app_->main;
    }
    void cleanup() { app_.reset(); }

    // Picchetto 3 generated from the delays, a row of numbers 1..20 summed
    // by it with an admitted and a recovery interval: the development counts
    // what the command line counts for the saved system.
    void aRowOnAGeneratedPicchettoDevelopsLikeTheCommandLine() {
        QWidget* gen = openPicchetti();
        QVERIFY(gen);
        QCOMPARE(gen->windowTitle(), QString("Generazione e inserimento Picchetto"));
        auto* tabs = gen->findChild<QTabBar*>("TabStrip1");
        QCOMPARE(tabs->count(), 10);
        QTest::mouseClick(tabs, Qt::LeftButton, {}, tabs->tabRect(2).center());
        clickButton(gen, "OptGenerazione(2)");
        clickButton(gen, "CommInserisci");
        const auto delays = generatePicchetto(selectedDraws(), PicchettoSource::Delay);
        auto* grid = gen->findChild<QTableWidget*>("Picchetto90");
        // Number 23: third pair, third line.
        QCOMPARE(grid->item(2, 5)->text(), qs(scaledText(delays[23], 2)));
        typeCell(grid, 6, 1, "12,5");
        QCOMPARE(grid->item(6, 1)->text(), QString("12,50"));
        saveScreenshot(gen, "PicchettoS");
        clickButton(gen, "CommOk");
        QVERIFY(!gen->isVisible());
        QCOMPARE(state_->families.picchetti.value(3, 23), delays[23]);
        QCOMPARE(state_->families.picchetti.value(3, 7), 1250);
        QVERIFY(state_->modified);
        PicchettoTable onFile;
        std::string error;
        QVERIFY(parsePicchettoFile(get("picchetto/picchetto.txt").toStdString(), onFile, error));
        QVERIFY(onFile == state_->families.picchetti);

        QWidget* sums = openSums();
        QVERIFY(sums);
        QCOMPARE(sums->windowTitle(), QString("Somma + Somma Picchetto"));
        clickButton(sums, "CommNuova");
        for (int n = 1; n <= 20; ++n)
            clickNumber(sums, n);
        clickButton(sums, "Option1(1)");
        clickButton(sums, "Option2(2)");
        auto* rows = sums->findChild<QTableWidget*>("MSFGrande");
        QCOMPARE(rows->rowCount(), 1);
        QVERIFY(rows->item(0, 0)->text().startsWith("1 2 3 "));
        QCOMPARE(rows->item(0, 1)->text(), QString("3"));
        auto* slots = sums->findChild<QTableWidget*>("MSFPunti");
        typeCell(slots, 0, 0, "5");
        typeCell(slots, 0, 1, "20");
        typeCell(slots, 0, 3, "20,01");
        typeCell(slots, 0, 4, "35");
        sums->findChild<QComboBox*>("CombRec(0)")->setCurrentIndex(1);
        clickButton(sums, "CheckCol");
        QVERIFY(sums->findChild<QLabel*>("LabSommaAmmessa")->text().startsWith(" Somma Ammessa:"));
        saveScreenshot(sums, "PicchettoSomma");
        clickButton(sums, "Cancella(1)");
        QVERIFY(!sums->isVisible());
        QVERIFY(state_->conditions.isActive(kSumQuadroSlot));
        const SumRow& row = state_->families.sums.rows.at(0);
        QCOMPARE(int(row.kind), 3);
        QCOMPARE(row.slots[0].admitted, (Interval{500, 2000}));
        QCOMPARE(row.slots[0].recovery, (Interval{2001, 3500}));
        QCOMPARE(int(row.slots[0].level), 1);
        QVERIFY(get("picchetto/salvpicchetto.txt").startsWith("1 1\r\n"));
        QVERIFY(main_->findChild<QAction*>("CondProgramma(34)")->isChecked());

        for (int n = 1; n <= 30; ++n)
            state_->selection.setState(n, Selection::Chosen);
        state_->selection.setNumerone(1, true);
        state_->selection.setNumerone(2, true);
        state_->systemName = "picchetto";
        Progress saving;
        QVERIFY(saveSystem(*state_, saving).done());
        main_->findChild<QAction*>("Condizioni(3)")->trigger();
        QTRY_VERIFY_WITH_TIMEOUT(app_->status() != "Colonne finali = 0", 30000);
        const long long kept = app_->status().section('=', 1).trimmed().toLongLong();
        QVERIFY2(kept > 0 && kept < 142506, qPrintable(app_->status()));
        QCOMPARE(app_->commandLineStatus("picchetto"), app_->status());
    }

    // "Annulla", Escape and the close box put back the quadro and the slot.
    void cancelLeavesTheQuadroAsItWas() {
        setQuadro();
        const SumQuadro before = state_->families.sums;
        for (const QString how : {"Cancella(5)", "Escape", "close"}) {
            QWidget* sums = openSums();
            QVERIFY(sums);
            QVERIFY(get("picchetto/salvpicchetto.txt").startsWith("1 1\r\n"));
            clickNumber(sums, 33);
            clickButton(sums, "Option1(0)");
            typeCell(sums->findChild<QTableWidget*>("MSFPunti"), 1, 1, "77");
            clickButton(sums, "CommNuova");
            clickButton(sums, "CheckCol");
            QCOMPARE(state_->families.sums.rows.size(), std::size_t{2});
            if (how == "Escape")
                QTest::keyClick(sums, Qt::Key_Escape);
            else if (how == "close")
                qobject_cast<QMdiSubWindow*>(sums->parentWidget())->close();
            else
                clickButton(sums, how);
            QVERIFY(!sums->isVisible());
            QVERIFY2(state_->families.sums == before, qPrintable(how));
            QVERIFY(state_->conditions.isActive(kSumQuadroSlot));
            QVERIFY(!state_->modified);
        }
    }

    // A system opened while the window is open brings its own quadro, which
    // "Annulla" keeps rather than putting back the rows of the old system.
    void anotherSystemWhileOpenKeepsItsQuadro() {
        setQuadro();
        QWidget* sums = openSums();
        QVERIFY(sums);
        clickNumber(sums, 40);
        SumQuadro other;
        other.rows.resize(2);
        other.rows[1].kind = 5;
        other.rows[1].slots[0].admitted = {100, 900};
        state_->families.sums = other;
        main_->refresh();
        auto* rows = sums->findChild<QTableWidget*>("MSFGrande");
        QCOMPARE(rows->rowCount(), 2);
        QCOMPARE(rows->item(1, 1)->text(), QString("5"));
        clickButton(sums, "Cancella(5)");
        QVERIFY(state_->families.sums == other);
    }

    // A spoilt file gives a notice naming it and changes nothing in memory.
    void badFilesChangeNothing() {
        setQuadro();
        state_->families.picchetti.setValue(2, 5, 700);
        const PicchettoTable picchetti = state_->families.picchetti;
        const SumQuadro quadro = state_->families.sums;
        // picchetto.txt is what the last "OK" of the picchetti wrote, maybe
        // for another system: the windows keep the system's own picchetti.
        put("picchetto/picchetto.txt", "100 200 trecento\r\n");
        QWidget* sums = openSums();
        QVERIFY(sums);
        QVERIFY(state_->families.picchetti == picchetti);
        QString seen;

        put("picchetto/rotto.txt", "2 1\r\n5\r\nx\r\n");
        seen.clear();
        chooseInDialog("rotto");
        answerNotice(&seen);
        clickButton(sums, "Cancella(6)");
        QTRY_VERIFY(!seen.isEmpty());
        QVERIFY2(seen.contains("picchetto/rotto.txt"), qPrintable(seen));
        QVERIFY(state_->families.sums == quadro);

        // The confirmed quadro spoilt while the window is open: "Annulla"
        // says so and keeps the quadro of the opening.
        clickNumber(sums, 40);
        put("picchetto/salvpicchetto.txt", "1 1\r\n");
        seen.clear();
        answerNotice(&seen);
        clickButton(sums, "Cancella(5)");
        QTRY_VERIFY(!seen.isEmpty());
        QVERIFY2(seen.contains("picchetto/salvpicchetto.txt"), qPrintable(seen));
        QVERIFY(state_->families.sums == quadro);

        QWidget* gen = openPicchetti();
        QVERIFY(gen);
        clickButton(gen, "CommAzzera");
        clickButton(gen, "CommAnnulla");
        QVERIFY(state_->families.picchetti == picchetti);
        QVERIFY(!state_->modified);
    }

    // What a cell of `MSFPunti` keeps of what is typed in it; keys that are
    // neither digits nor a comma are refused as they are typed.
    void typedBounds_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<qlonglong>("stored");
        QTest::newRow("whole") << "150"
                               << "150,00" << 15000LL;
        QTest::newRow("comma") << "12,5"
                               << "12,50" << 1250LL;
        QTest::newRow("point as comma") << "7.25"
                                        << "7,25" << 725LL;
        QTest::newRow("third decimal refused") << "0,257"
                                               << "0,25" << 25LL;
        QTest::newRow("capped") << "12000"
                                << "9999,00" << 999900LL;
        QTest::newRow("letters refused") << "abc"
                                         << "3,00" << 300LL;
        QTest::newRow("letter among digits") << "4x2"
                                             << "42,00" << 4200LL;
        QTest::newRow("minus refused") << "-8"
                                       << "8,00" << 800LL;
        QTest::newRow("second comma refused") << "1,2,3"
                                              << "1,23" << 123LL;
        QTest::newRow("comma alone keeps") << ","
                                           << "3,00" << 300LL;
        QTest::newRow("blank is zero") << ""
                                       << "" << 0LL;
    }
    void typedBounds() {
        QFETCH(QString, typed);
        QFETCH(QString, shown);
        QFETCH(qlonglong, stored);
        setQuadro();
        state_->families.sums.rows[0].slots[1].recovery.max = 300;
        QWidget* sums = openSums();
        QVERIFY(sums);
        auto* slots = sums->findChild<QTableWidget*>("MSFPunti");
        QCOMPARE(slots->item(1, 4)->text(), QString("3,00"));
        typeCell(slots, 1, 4, typed);
        QCOMPARE(slots->item(1, 4)->text(), shown);
        QCOMPARE(state_->families.sums.rows[0].slots[1].recovery.max, stored);
    }

    // The picchetto cells take the same typing; " Azzera picchetto  " clears
    // only the shown picchetto.
    void typedPicchettoValues() {
        state_->families.picchetti.setValue(1, 11, 400);
        state_->families.picchetti.setValue(2, 11, 900);
        QWidget* gen = openPicchetti();
        QVERIFY(gen);
        auto* grid = gen->findChild<QTableWidget*>("Picchetto90");
        QCOMPARE(grid->item(0, 3)->text(), QString("4,00"));
        typeCell(grid, 0, 3, "abc");
        QCOMPARE(grid->item(0, 3)->text(), QString("4,00"));
        typeCell(grid, 0, 3, "3,456");
        QCOMPARE(grid->item(0, 3)->text(), QString("3,45"));
        clickButton(gen, "CommAzzera");
        QCOMPARE(grid->item(0, 3)->text(), QString("0,00"));
        clickButton(gen, "CommOk");
        QCOMPARE(state_->families.picchetti.value(1, 11), 0);
        QCOMPARE(state_->families.picchetti.value(2, 11), 900);
    }

    // "OK" refuses a Max below its Min and the window stays open; saving an
    // empty quadro writes nothing.
    void refusals() {
        setQuadro();
        const SumQuadro before = state_->families.sums;
        QWidget* sums = openSums();
        QVERIFY(sums);
        auto* slots = sums->findChild<QTableWidget*>("MSFPunti");
        typeCell(slots, 2, 3, "50");
        typeCell(slots, 2, 4, "40");
        QString seen;
        answerNotice(&seen);
        clickButton(sums, "Cancella(1)");
        QTRY_VERIFY(!seen.isEmpty());
        QCOMPARE(seen, QString("Errore:|Errore di intervalli..\nErrore di inserimento somma "
                               "ammessa\nil valore Minimo e superiore a quello Massimo"));
        QVERIFY(sums->isVisible());
        clickButton(sums, "Cancella(5)");
        QVERIFY(state_->families.sums == before);

        state_->families.sums = {};
        sums = openSums();
        seen.clear();
        answerNotice(&seen);
        clickButton(sums, "Cancella(7)");
        QTRY_VERIFY(!seen.isEmpty());
        QCOMPARE(seen, QString("Colonne filtro mancante:|Non ci sono colonne filtro\n"
                               "inserite nel quadro da salvare!"));
        QCOMPARE(namedSumQuadri(state_->folder), std::vector<std::string>{});
    }

    // A named quadro saved, replaced only on "Sì", and imported back; rows
    // deleted after the question.
    void saveImportAndDelete() {
        setQuadro();
        QWidget* sums = openSums();
        QVERIFY(sums);
        chooseInDialog("mio");
        clickButton(sums, "Cancella(7)");
        QTRY_VERIFY(!get("picchetto/mio.txt").isEmpty());
        const QByteArray first = get("picchetto/mio.txt");

        clickButton(sums, "CommNuova");
        clickButton(sums, "CommNuova");
        clickNumber(sums, 9);
        QString seen;
        chooseInDialog("mio");
        answerNotice(&seen, "No");
        clickButton(sums, "Cancella(7)");
        QTRY_VERIFY(!seen.isEmpty());
        QCOMPARE(seen, QString("Avviso:|File gia esistente  = mio.txt\nNome sistema = mio\n"
                               "Sostituire il file?"));
        QCOMPARE(get("picchetto/mio.txt"), first);

        auto* rows = sums->findChild<QTableWidget*>("MSFGrande");
        QCOMPARE(rows->rowCount(), 3);
        rows->setRangeSelected(QTableWidgetSelectionRange(1, 0, 2, 1), true);
        seen.clear();
        answerNotice(&seen, "Si");
        clickButton(sums, "Cancella(0)");
        QTRY_VERIFY(!seen.isEmpty());
        QCOMPARE(seen, QString("Elimina Colonne:|Eliminare le colonne dalla= 2 Alla= 3"));
        QCOMPARE(rows->rowCount(), 1);

        clickButton(sums, "CommNessuno");
        QCOMPARE(rows->item(0, 0)->text(), QString());
        chooseInDialog("mio");
        clickButton(sums, "Cancella(6)");
        QTRY_COMPARE(rows->item(0, 0)->text().split(' ').size(), 20);
        QCOMPARE(rows->item(0, 1)->text(), QString("2"));
        saveScreenshot(sums, "PicchettoSomma-importato");
    }

    // The row "Somme + Picchetto" of "Condizioni:" opens the quadro; a
    // picchetto changed through "Modifica Picchetti" shows in its label.
    void modificaPicchettiUpdatesTheAdmittedSum() {
        setQuadro();
        state_->families.sums.rows[0].kind = 1;
        for (int n = 1; n <= 5; ++n)
            state_->selection.setState(n, Selection::Chosen);
        QVERIFY(main_->openFamily(familyOfSlot(kSumQuadroSlot)));
        auto* sums = main_->findChild<QWidget*>("PicchettoSomma");
        QVERIFY(sums && sums->isVisible());
        auto* label = sums->findChild<QLabel*>("LabSommaAmmessa");
        QCOMPARE(label->text(), QString(" Somma Ammessa:    Min = 0,00    Max = 0,00"));
        clickButton(sums, "Cancella(2)");
        auto* gen = main_->findChild<QWidget*>("PicchettoS");
        QVERIFY(gen && gen->isVisible());
        typeCell(gen->findChild<QTableWidget*>("Picchetto90"), 0, 1, "10");
        clickButton(gen, "CommOk");
        QCOMPARE(label->text(), QString(" Somma Ammessa:    Min = 0,00    Max = 10,00"));
        QVERIFY(sums->isVisible());
    }
};

QTEST_MAIN(PicchettoTest)
#include "tst_picchetto.moc"
