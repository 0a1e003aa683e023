#include "UiTestSupport.h"
#include "WidgetDriving.h"
#include "conditions/ComparisonDraws.h"
#include "conditions/DecadeConditions.h"
#include "conditions/DigitConditions.h"
#include "support/Columns.h"
#include "support/Draws.h"
#include "system/SystemStorage.h"

#include <QAbstractButton>
#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QRadioButton>
#include <QScrollBar>
#include <QTableView>
#include <QTableWidget>
#include <QtTest>

using namespace varnelo;
using varnelo::test::col;
using varnelo::test::drawOf;

namespace {

// The windows of this file: the "&Condizioni" item that opens each, its
// caption, its sub-conditions and the values of the first one.
struct WindowCase {
    int menuItem;
    const char* name;
    const char* title;
    int subConditions;
    int firstSlot;
};
const WindowCase kWindows[] = {
    {21, "CondizCifre", "Presenza Cifra:", 10, 131},
    {16, "CondizCifree", "Numero di Cifre", 1, 110},
    {22, "CondizCifrePerCasella", "Posizione Unita e Decina:", 10, 88},
    {30, "CondDecUnita", "Somma Decine e Unità:", 3, 128},
    {31, "ConDecPiuUniDiff", "Decine + Unita Differenti", 3, 45},
    {4, "CondizUguVerticale",
     "Confronta colonne vincenti:    Uguali + Distanza di:  (1 or -1) :", 2, 46},
};

QByteArray fileBytes(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

} // namespace

// The digit, decade and comparison windows and the `Cadenze` picker, driven
// through their widgets as a player drives them.
class DigitsTest : public QObject {
    Q_OBJECT

    std::unique_ptr<MainWindowUnderTest> app_;
    ProgramState* state_ = nullptr;
    Varnelo* main_ = nullptr;
    TestProgram* program_ = nullptr;

    QWidget* open(int menuItem, const char* name) {
        QAction* item = main_->findChild<QAction*>(QString("CondProgramma(%1)").arg(menuItem));
        if (!item || !item->isEnabled())
            return nullptr;
        item->trigger();
        return main_->findChild<QWidget*>(name);
    }
    // Shows the sub-condition `index` and returns the "Usciti" of `value`
    // over the selected draws.
    static QString outCount(QWidget* w, int index, int value) {
        clickButton(w, QString("OptCondizione(%1)").arg(index));
        clickButton(w, "CommAnalisi");
        const QAbstractItemModel* stats = w->findChild<QTableView*>("MSFlexGrid2")->model();
        for (int r = 0; r < stats->rowCount(); ++r)
            if (stats->index(r, 0).data().toString() == QString::number(value))
                return stats->index(r, 1).data().toString();
        return QString();
    }
    QString status() const { return main_->findChild<QLabel*>("ColonneFinali")->text(); }
    QString distInVert() const { return program_->path("enal/DistInVert.txt"); }

  private Q_SLOTS:
    void initTestCase() { prepareWindowTests(); }
    void init() {
        app_ = std::make_unique<MainWindowUnderTest>();
        state_ = app_->program.state.get();
        main_ = &app_->main;
        program_ = &app_->program;
    }
    void cleanup() { app_.reset(); }

    // Every menu item opens its window with its caption and sub-conditions.
    void menuItemsOpenTheirWindows() {
        for (const WindowCase& k : kWindows) {
            QWidget* w = open(k.menuItem, k.name);
            QVERIFY2(w && w->isVisible(), k.name);
            QCOMPARE(w->windowTitle(), QString(k.title));
            QCOMPARE(w->findChildren<QRadioButton*>(QRegularExpression("^OptCondizione")).size(),
                     k.subConditions);
            const QAbstractItemModel* cells = w->findChild<QTableView*>("MSFlexGrid1")->model();
            const ValueRange range = slotValueRange(k.firstSlot);
            QCOMPARE(cells->rowCount(), range.max - range.min + 1);
            saveScreenshot(w, k.name);
            clickButton(w, "CommAnnulla");
            QVERIFY(!w->isVisible());
        }
    }

    // Each sub-condition values a draw by its own rule: the draw alone is
    // the archive, so its value is the one that came out once.
    void eachSubConditionValuesTheDrawItsOwnWay() {
        struct Case {
            int menuItem;
            const char* name;
            int index;
            Column draw;
            int value;
        };
        const Case cases[] = {
            {21, "CondizCifre", 1, col(1, 10, 11, 20, 21), 5},
            {21, "CondizCifre", 0, col(1, 10, 11, 20, 21), 2},
            {21, "CondizCifre", 2, col(1, 10, 11, 20, 21), 2},
            {21, "CondizCifre", 0, col(1, 2, 3, 4, 5), 0},
            {16, "CondizCifree", 0, col(1, 10, 11, 20, 21), 3},
            {16, "CondizCifree", 0, col(1, 2, 3, 4, 5), 5},
            {16, "CondizCifree", 0, col(10, 19, 25, 36, 47), 9},
            {16, "CondizCifree", 0, col(1, 2, 11, 12, 21), 2},
            {22, "CondizCifrePerCasella", 0, col(1, 2, 3, 4, 5), 0},
            {22, "CondizCifrePerCasella", 8, col(1, 2, 3, 4, 5), 0},
            {22, "CondizCifrePerCasella", 9, col(1, 2, 3, 4, 5), 5},
            {22, "CondizCifrePerCasella", 6, col(10, 19, 25, 36, 47), 3},
            {22, "CondizCifrePerCasella", 7, col(10, 19, 25, 36, 47), 6},
            {30, "CondDecUnita", 0, col(1, 2, 3, 4, 5), 0},
            {30, "CondDecUnita", 1, col(1, 2, 3, 4, 5), 15},
            {30, "CondDecUnita", 2, col(1, 2, 3, 4, 5), 15},
            {30, "CondDecUnita", 0, col(10, 20, 30, 40, 41), 14},
            {30, "CondDecUnita", 1, col(10, 20, 30, 40, 41), 1},
            {30, "CondDecUnita", 2, col(38, 39, 47, 48, 49), 59},
            {31, "ConDecPiuUniDiff", 0, col(1, 2, 3, 4, 5), 1},
            {31, "ConDecPiuUniDiff", 1, col(1, 2, 3, 4, 5), 5},
            {31, "ConDecPiuUniDiff", 2, col(1, 2, 3, 4, 5), 6},
            {31, "ConDecPiuUniDiff", 0, col(10, 20, 30, 40, 41), 4},
            {31, "ConDecPiuUniDiff", 1, col(10, 20, 30, 40, 41), 2},
            // With K = 1 the draw is compared with itself.
            {4, "CondizUguVerticale", 0, col(10, 20, 30, 40, 41), 5},
            {4, "CondizUguVerticale", 1, col(10, 20, 30, 40, 41), 2},
            {4, "CondizUguVerticale", 1, col(1, 2, 3, 4, 5), 5},
        };
        for (const Case& k : cases) {
            state_->archive.selection = {drawOf(k.draw)};
            QWidget* w = open(k.menuItem, k.name);
            QVERIFY(w);
            if (auto* scroll = w->findChild<QScrollBar*>("Scrol1"))
                scroll->setValue(1);
            const QString out = outCount(w, k.index, k.value);
            QVERIFY2(out == "1", qPrintable(QString("%1, condizione %2, valore %3: %4")
                                                .arg(k.name)
                                                .arg(k.index)
                                                .arg(k.value)
                                                .arg(out)));
            clickButton(w, "CommAnnulla");
        }
    }

    // A presence of digit 1, a count of digits, a sum of the tens and a
    // comparison with the last two draws, set through the windows: the
    // development gives what the command line gives for the saved system,
    // and what the rules give column by column.
    void digitDecadeAndComparisonRunAgreesWithTheCommandLine() {
        QWidget* digits = open(21, "CondizCifre");
        clickButton(digits, "OptCondizione(1)");
        clickButton(digits, "CheckAttiva(1)");
        clickCell(digits, 0);
        clickCell(digits, 1);
        saveScreenshot(digits, "CondizCifre-cifra1");
        clickButton(digits, "CommOk");
        QVERIFY(!digits->isVisible());
        QVERIFY(state_->conditions.isActive(kDigitPresenceSlot + 1));
        QVERIFY(!state_->conditions.isActive(kDigitPresenceSlot));

        QWidget* count = open(16, "CondizCifree");
        clickButton(count, "CheckAttiva(0)");
        for (int v = 3; v <= 6; ++v)
            clickCell(count, v);
        clickButton(count, "CommOk");
        QVERIFY(state_->conditions.isActive(kDigitCountSlot));

        QWidget* sums = open(30, "CondDecUnita");
        clickButton(sums, "CheckAttiva(0)");
        for (int v = 4; v <= 9; ++v)
            clickCell(sums, v);
        clickButton(sums, "CommOk");
        QVERIFY(state_->conditions.isActive(kDecadeSumSlot));
        QCOMPARE(state_->conditions.cell(kDecadeSumSlot, 9).status, CellStatus::Admitted);
        QCOMPARE(state_->conditions.cell(kDecadeSumSlot, 10).status, CellStatus::NotAdmitted);

        QWidget* vertical = open(4, "CondizUguVerticale");
        vertical->findChild<QScrollBar*>("Scrol1")->setValue(2);
        QCOMPARE(vertical->findChild<QGroupBox*>("FrameVincenti")->title(),
                 QString("Confronta colonne vincenti N°: 2"));
        QCOMPARE(vertical->findChild<QTableWidget*>("MSFlCVincenti")->rowCount(), 2);
        clickButton(vertical, "CheckAttiva(0)");
        clickCell(vertical, 0);
        clickCell(vertical, 1);
        saveScreenshot(vertical, "CondizUguVerticale-K2");
        clickButton(vertical, "CommOk");
        QCOMPARE(state_->families.comparisonDraws, 2);
        QCOMPARE(fileBytes(distInVert()).trimmed(), QByteArray("2"));
        QVERIFY(state_->modified);

        std::vector<int> numbers;
        for (int n = 1; n <= 30; ++n) {
            state_->selection.setState(n, Selection::Chosen);
            numbers.push_back(n);
        }
        state_->selection.setNumerone(1, true);
        state_->selection.setNumerone(2, true);
        state_->systemName = "cifre";
        Progress saving;
        QVERIFY(saveSystem(*state_, saving).done());
        main_->findChild<QAction*>("Condizioni(3)")->trigger();
        QTRY_VERIFY_WITH_TIMEOUT(status() != "Colonne finali = 0", 30000);

        std::vector<Column> draws;
        for (const Draw& d : state_->archive.selection)
            draws.push_back(d.numbers);
        const auto comparison = comparisonNumbers(draws, 2);
        long long expected = 0;
        test::forEachColumn(numbers, [&](const Column& c) {
            int same = 0;
            for (const auto n : c)
                same += comparison[n] > 0;
            const int tens = decadeSum(DecadeSum::Tens, c);
            const int different = differentDigits(c);
            expected += digitCounts(c)[1] <= 1 && different >= 3 && different <= 6 && tens >= 4 &&
                        tens <= 9 && same <= 1;
        });
        QVERIFY(expected > 0);
        QCOMPARE(status(), QString("Colonne finali = %1").arg(expected));

        QCOMPARE(app_->commandLineStatus("cifre"), status());
    }

    // "Annulla", Escape and the close box keep the conditions, K, its file
    // and the saved system as they were.
    void cancelChangesNothing() {
        state_->systemName = "prova";
        state_->conditions.setActive(kDecadeSumSlot + 1, true);
        state_->conditions.setCell(kDecadeSumSlot + 1, 20, {CellStatus::Recovery, 2});
        state_->families.comparisonDraws = 4;
        Progress saving;
        QVERIFY(saveSystem(*state_, saving).done());
        const QString sse = program_->path("qor/prova.sse");
        const QByteArray savedBefore = fileBytes(sse);
        const QByteArray fileBefore = fileBytes(distInVert());
        const ConditionSet before = state_->conditions;
        for (const WindowCase& k : kWindows)
            for (const char* how : {"CommAnnulla", "Escape", "close"}) {
                QWidget* w = open(k.menuItem, k.name);
                QVERIFY(w);
                clickButton(w, "OptCondizione(0)");
                clickCell(w, 1);
                clickCell(w, 2);
                clickButton(w, "CheckAttiva(0)");
                if (auto* scroll = w->findChild<QScrollBar*>("Scrol1"))
                    scroll->setValue(7);
                if (QString(how) == "Escape")
                    QTest::keyClick(w, Qt::Key_Escape);
                else if (QString(how) == "close")
                    w->parentWidget()->close();
                else
                    clickButton(w, how);
                QVERIFY2(!w->isVisible(), k.name);
                QVERIFY2(state_->conditions == before, k.name);
                QCOMPARE(state_->families.comparisonDraws, 4);
            }
        QVERIFY(!state_->modified);
        QCOMPARE(fileBytes(distInVert()), fileBefore);
        QVERIFY(saveSystem(*state_, saving).done());
        QCOMPARE(fileBytes(sse), savedBefore);
    }

    // A box switched on over white cells only is switched off by "OK": such
    // a slot would reject every column.
    void okSwitchesOffASlotWithoutAdmittedValues() {
        for (const WindowCase& k : kWindows) {
            QWidget* w = open(k.menuItem, k.name);
            QVERIFY(w);
            clickButton(w, "CheckAttiva(0)");
            QVERIFY(w->findChild<QCheckBox*>("CheckAttiva(0)")->isChecked());
            clickButton(w, "CommOk");
            QVERIFY2(!w->isVisible(), k.name);
            QVERIFY2(!state_->conditions.isActive(k.firstSlot), k.name);
        }
    }

    // K as `enal/DistInVert.txt` gives it when the window opens: 0 becomes
    // 3, 12 becomes 11, an empty file keeps K; a file without a number gets
    // a notice naming it and changes nothing.
    void comparisonDrawsFromTheFile() {
        struct Case {
            QByteArray text;
            int expect;
            bool notice;
        };
        const Case cases[] = {
            {"5\r\n", 5, false}, {"0\r\n", 3, false},    {"12\r\n", 11, false},
            {"", 6, false},      {"sette\r\n", 6, true},
        };
        for (const Case& k : cases) {
            state_->families.comparisonDraws = 6;
            QFile f(distInVert());
            QVERIFY(f.open(QIODevice::WriteOnly));
            f.write(k.text);
            f.close();
            QString text;
            bool asked = false;
            if (k.notice)
                whenModalShows([&](QWidget* notice) {
                    asked = true;
                    text = notice->findChild<QLabel*>("Testo")->text();
                    notice->findChild<QAbstractButton*>("OK")->click();
                });
            QWidget* w = open(4, "CondizUguVerticale");
            QVERIFY(w);
            if (k.notice) {
                QTRY_VERIFY(asked);
                QVERIFY2(text.contains("DistInVert.txt"), qPrintable(text));
            }
            QCOMPARE(w->findChild<QScrollBar*>("Scrol1")->value(), k.expect);
            QCOMPARE(w->findChild<QGroupBox*>("FrameVincenti")->title(),
                     QString("Confronta colonne vincenti N°: %1").arg(k.expect));
            QCOMPARE(state_->families.comparisonDraws, k.expect);
            clickButton(w, "CommAnnulla");
            QCOMPARE(state_->families.comparisonDraws, 6);
            QCOMPARE(fileBytes(distInVert()), k.text);
        }
    }

    // The comparison draws listed are the newest K of the selection, newest first.
    void comparisonDrawsAreListed() {
        state_->archive.selection = {drawOf(col(1, 2, 3, 4, 5)), drawOf(col(6, 7, 8, 9, 10)),
                                     drawOf(col(11, 12, 13, 14, 15))};
        QWidget* w = open(4, "CondizUguVerticale");
        auto* scroll = w->findChild<QScrollBar*>("Scrol1");
        auto* grid = w->findChild<QTableWidget*>("MSFlCVincenti");
        auto* numbers = w->findChild<QLabel*>("LabConfronto");
        scroll->setValue(2);
        QCOMPARE(grid->rowCount(), 2);
        QCOMPARE(grid->item(0, 1)->text(), QString("11"));
        QCOMPARE(grid->item(1, 5)->text(), QString("10"));
        QCOMPARE(numbers->text(), QString("Numeri di confronto: 10"));
        scroll->setValue(11);
        QCOMPARE(grid->rowCount(), 3);
        QCOMPARE(numbers->text(), QString("Numeri di confronto: 15"));
        clickButton(w, "CommAnnulla");
    }

    // The pop-up menus of the families switch the boxes of their windows.
    void popupMenusSwitchTheBoxes() {
        struct Case {
            int menuItem;
            const char* name;
            int boxes;
            const char* secondItem;
        };
        const Case cases[] = {
            {21, "CondizCifre", 10, "Cifra N° 1"},
            {30, "CondDecUnita", 3, "Somma Unita"},
            {31, "ConDecPiuUniDiff", 3, "Unità Differenti"},
        };
        for (const Case& k : cases) {
            QWidget* w = open(k.menuItem, k.name);
            QStringList texts;
            whenPopupShows([&texts](QMenu* popup) {
                for (QAction* a : popup->actions())
                    texts << a->text();
                popup->actions()[1]->trigger();
                popup->close();
            });
            QContextMenuEvent event(QContextMenuEvent::Mouse, QPoint(5, 5),
                                    w->mapToGlobal(QPoint(5, 5)));
            QApplication::sendEvent(w, &event);
            QTRY_COMPARE(texts.size(), k.boxes + 2);
            QCOMPARE(texts[1], QString(k.secondItem));
            QVERIFY(w->findChild<QCheckBox*>("CheckAttiva(1)")->isChecked());
            QVERIFY(!w->findChild<QCheckBox*>("CheckAttiva(0)")->isChecked());
            clickButton(w, "CommAnnulla");
        }
    }

    // "Cadenze" in the number-entry window opens the picker; a group joins
    // the forecast (fixed numbers stay fixed) and "Chiudi" closes it.
    void cadenzePickerMarksTheForecast() {
        QVERIFY(main_->runCommand("Pronostico"));
        auto* forecast = main_->findChild<QWidget*>("Pronostico");
        QVERIFY(forecast);
        state_->selection.setState(21, Selection::Fixed);
        auto* button = forecast->findChild<QAbstractButton*>("CalcSviluppo(12)");
        QVERIFY(button && button->isEnabled());
        button->click();
        auto* picker = main_->findChild<QWidget*>("Cadenze");
        QVERIFY(picker && picker->isVisible());
        QCOMPARE(picker->windowTitle(), QString("Cadenze:"));
        saveScreenshot(picker, "Cadenze");

        auto* cadenze = picker->findChild<QComboBox*>("ComboCadenze(0)");
        QCOMPARE(cadenze->itemText(0), QString("Cadenze 0"));
        cadenze->activated(1);
        QCOMPARE(state_->selection.chosenNumbers(), (std::vector<int>{1, 11, 21, 31, 41}));
        QCOMPARE(state_->selection.state(21), Selection::Fixed);
        QVERIFY(state_->modified);
        QVERIFY(picker->findChild<QLabel*>("LabNumeri")->text().contains("1  11 21 31 41"));
        saveScreenshot(picker, "Cadenze-scelto");
        auto* board = forecast->findChild<QTableWidget*>("MSFlexGrid3");
        QCOMPARE(board->item(1, 0)->background().color(), board->item(4, 0)->background().color());
        QVERIFY(board->item(1, 0)->background().color() != board->item(1, 1)->background().color());

        // A locked forecast keeps its numbers.
        state_->forecastLock = "Blocca";
        QString title;
        clickInNextModal("OK", &title);
        picker->findChild<QComboBox*>("ComboCadenze(9)")->activated(0);
        QTRY_COMPARE(title, QString("Pronostico bloccato:"));
        QCOMPARE(state_->selection.chosenCount(), 5);

        clickButton(picker, "CommChiudi");
        QVERIFY(!picker->isVisible());
    }
};

QTEST_MAIN(DigitsTest)
#include "tst_digits.moc"
