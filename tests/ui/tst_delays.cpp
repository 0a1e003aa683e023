#include "UiTestSupport.h"
#include "WidgetDriving.h"
#include "conditions/DelayConditions.h"
#include "conditions/FamilySlotMetric.h"
#include "conditions/FilterHits.h"
#include "conditions/ui/IntervalRowsEditor.h"
#include "shell/ui/Varnelo.h"
#include "support/Columns.h"
#include "system/SystemStorage.h"

#include <QAbstractButton>
#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QFile>
#include <QInputDialog>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QProcess>
#include <QScrollBar>
#include <QSpinBox>
#include <QStandardPaths>
#include <QTableView>
#include <QTableWidget>
#include <QtTest>

#include <algorithm>
#include <bit>
#include <functional>
#include <memory>

using namespace varnelo;
using varnelo::test::forEachColumn;

namespace {

std::vector<int> firstThirty() {
    std::vector<int> n;
    for (int i = 1; i <= 30; ++i)
        n.push_back(i);
    return n;
}

// The middle of the values the columns of 1..30 take: a bound that keeps
// about half of them.
template <typename ValueOf> std::int64_t medianOver(ValueOf valueOf) {
    std::vector<std::int64_t> v;
    forEachColumn(firstThirty(), [&](const Column& c) { v.push_back(valueOf(c)); });
    std::nth_element(v.begin(), v.begin() + static_cast<std::ptrdiff_t>(v.size() / 2), v.end());
    return v[v.size() / 2];
}

template <typename Keep> std::int64_t countOver(Keep keep) {
    std::int64_t n = 0;
    forEachColumn(firstThirty(), [&](const Column& c) { n += keep(c) ? 1 : 0; });
    return n;
}

} // namespace

// The delay windows and the AND/OR quadri, driven through their widgets.
class DelaysTest : public QObject {
    Q_OBJECT

    std::unique_ptr<MainWindowUnderTest> app_;
    TestProgram* program_ = nullptr;
    ProgramState* state_ = nullptr;
    Varnelo* main_ = nullptr;

    QWidget* openItem(int item, const char* window) {
        QAction* a = main_->findChild<QAction*>(QString("CondProgramma(%1)").arg(item));
        if (!a || !a->isEnabled())
            return nullptr;
        a->trigger();
        auto* w = main_->findChild<QWidget*>(window);
        return w && w->isVisible() ? w : nullptr;
    }
    // Types into a cell of an interval grid, as a player does: a double
    // click opens the text box, Enter confirms.
    static void typeCell(QWidget* w, int row, int column, const QString& text) {
        typeInCell(w->findChild<QTableWidget*>("MSFlexGrid1"), row, column, text);
    }
    static QString cellText(QWidget* w, int row, int column) {
        return w->findChild<QTableWidget*>("MSFlexGrid1")->item(row, column)->text();
    }
    // Answers the next notice, keeping its title and lines.
    static void answerNotice(const char* button, QString* title, QString* text = nullptr) {
        whenModalShows(
            [button, title, text](QWidget* w) {
                *title = w->windowTitle();
                if (text)
                    *text = w->findChild<QLabel*>("Testo")->text();
                w->findChild<QAbstractButton*>(button)->click();
            },
            [](QWidget* w) { return w->objectName() == "Avviso"; });
    }
    QString status() const { return main_->findChild<QLabel*>("ColonneFinali")->text(); }

    // Numbers 1..30, saved and developed in the window: the count is the
    // expected one and the command line gives the same for the saved system.
    void developAndCompare(const char* name, std::int64_t expected) {
        for (int n = 1; n <= 30; ++n)
            state_->selection.setState(n, Selection::Chosen);
        state_->selection.setNumerone(1, true);
        state_->selection.setNumerone(2, true);
        state_->systemName = name;
        Progress saving;
        QVERIFY(saveSystem(*state_, saving).done());
        main_->findChild<QAction*>("Condizioni(3)")->trigger();
        QTRY_VERIFY_WITH_TIMEOUT(status() != "Colonne finali = 0", 30000);
        QCOMPARE(status(), QString("Colonne finali = %1").arg(expected));
        QCOMPARE(app_->commandLineStatus(name), status());
    }

  private Q_SLOTS:
    void initTestCase() { prepareWindowTests(); }
    void init() {
        app_ = std::make_unique<MainWindowUnderTest>();
        program_ = &app_->program;
        state_ = program_->state.get();
        main_ = &app_->main;
        QVERIFY(state_->delayTables.draws() > 0);
    }
    void cleanup() { app_.reset(); }

    // "Ritardi Vari", row "Ritardo": the sum of the five number delays up
    // to the median of the columns of 1..30.
    void ritardiVariRowFiltersTheDevelopment() {
        const DelayTables& t = state_->delayTables;
        const std::int64_t bound =
            medianOver([&](const Column& c) { return ritardiVariValue(2, c, t) / 10000; });
        QWidget* w = openItem(35, "CondRitardiVari");
        QVERIFY(w);
        QCOMPARE(w->windowTitle(), QString("Ritardi Vari"));
        auto* numbers = w->findChild<QTableView*>("MSFNumeri");
        QCOMPARE(numbers->model()->rowCount(), kMaxNumber);
        QCOMPARE(numbers->model()->index(6, 3).data().toString(), QLocale().toString(t.delay(7)));
        typeCell(w, 2, 0, "0");
        typeCell(w, 2, 1, QString::number(bound));
        QCOMPARE(cellText(w, 2, 1), QString("%1,00").arg(bound));
        clickButton(w, "CheckAttiva");
        clickButton(w, "CommAnalisi");
        QVERIFY(w->findChild<QTableView*>("MSFlexGrid2")->model()->rowCount() > 0);
        saveScreenshot(w, "CondRitardiVari");
        clickButton(w, "CommOk");
        QVERIFY(!w->isVisible());
        QVERIFY(state_->conditions.isActive(kRitardiVariSlot));
        QCOMPARE(state_->families.ritardiVari.rows[2].admitted[0].max, bound * 10000);
        QVERIFY(main_->findChild<QAction*>("CondProgramma(35)")->isChecked());

        const std::int64_t expected =
            countOver([&](const Column& c) { return ritardiVariValue(2, c, t) <= bound * 10000; });
        QVERIFY(expected > 0 && expected < 142506);
        developAndCompare("ritardi", expected);
    }

    // "Ritardo Ambi", row "Ritardo Ambo 1-2": admitted up to the median, a
    // recovery interval without a level taken as admitted after "No".
    void amboRowWithRecoveryFiltersTheDevelopment() {
        const DelayTables& t = state_->delayTables;
        const std::int64_t bound =
            medianOver([&](const Column& c) { return amboValue(1, c, t); }) / 2;
        QWidget* w = openItem(8, "CondizAmbo");
        QVERIFY(w);
        QVERIFY(w->findChild<QLabel*>("LabUltima(0)")->text().startsWith("Tot. Ambi = "));
        typeCell(w, 1, 1, QString::number(bound));
        typeCell(w, 1, IntervalRowsEditor::RecoveryMin, QString::number(bound + 1));
        typeCell(w, 1, IntervalRowsEditor::RecoveryMax, QString::number(2 * bound));
        clickButton(w, "CheckAttiva");
        saveScreenshot(w, "CondizAmbo");
        QString title;
        answerNotice("No", &title);
        clickButton(w, "CommOk");
        QCOMPARE(title, QString("inserito Recupero Senza Livello:"));
        QVERIFY(!w->isVisible());
        QVERIFY(state_->conditions.isActive(kAmboSlot));
        QCOMPARE(state_->families.ambo.rows[1].recovery.max, 2 * bound);

        const std::int64_t expected =
            countOver([&](const Column& c) { return amboValue(1, c, t) <= 2 * bound; });
        QVERIFY(expected > 0 && expected < 142506);
        developAndCompare("ambo", expected);
    }

    // "Consecutività Pronostico" opens the same window.
    void bothAmboItemsOpenTheAmboWindow() {
        QVERIFY(openItem(7, "CondizAmbo"));
        main_->findChild<QWidget*>("CondizAmbo")
            ->findChild<QAbstractButton*>("CommAnnulla")
            ->click();
        QVERIFY(openItem(8, "CondizAmbo"));
    }

    // "Ritardo Somma Ambata": blue values 0..median; sums above 210 are not judged.
    void ambataValuesFilterTheDevelopment() {
        const auto& delays = state_->archive.delays;
        auto sum = [&](const Column& c) {
            std::int64_t s = 0;
            for (const auto n : c)
                s += delays[n];
            return s;
        };
        const std::int64_t bound = std::min<std::int64_t>(medianOver(sum), 120);
        QWidget* w = openItem(19, "CondizAmbata");
        QVERIFY(w);
        QVERIFY(w->findChild<QLabel*>("LabUltima(5)")->text().startsWith("Tot. Ambi = "));
        clickButton(w, "CheckAttiva(0)");
        for (int v = 0; v <= bound; ++v)
            clickCell(w, v);
        saveScreenshot(w, "CondizAmbata");
        clickButton(w, "CommOk");
        QVERIFY(!w->isVisible());
        QVERIFY(state_->conditions.isActive(kAmbataSlot));
        const std::int64_t expected =
            countOver([&](const Column& c) { return sum(c) > kAmbataMax || sum(c) <= bound; });
        QVERIFY(expected > 0 && expected < 142506);
        developAndCompare("ambata", expected);
    }

    // An AND quadro of three filter columns typed in, each admitting 0 or 1
    // hits, all three required.
    void andQuadroOfThreeFilterColumnsFiltersTheDevelopment() {
        QWidget* w = openItem(24, "ColAndOr");
        QVERIFY(w);
        QCOMPARE(w->windowTitle(), QString("Quadro"));
        w->findChild<QSpinBox*>("TxtPuntiColonna(0)")->setValue(0);
        w->findChild<QSpinBox*>("TxtPuntiColonna(1)")->setValue(1);
        auto* typed = w->findChild<QLineEdit*>("TxtColonna");
        for (const char* numbers : {"1 2 3 4 5", "6 7 8 9 10", "11 12 13 14 15 16"}) {
            typed->setFocus();
            QTest::keyClicks(typed, numbers);
            clickButton(w, "CommAggiungi");
        }
        QCOMPARE(w->findChild<QTableView*>("MSFGrande")->model()->rowCount(), 3);
        QCOMPARE(w->findChild<QTableView*>("MSFGrande")->model()->index(2, 2).data().toString(),
                 QString("0 1"));
        w->findChild<QSpinBox*>("TxtIndovinate(0)")->setValue(3);
        w->findChild<QSpinBox*>("TxtIndovinate(1)")->setValue(3);
        w->findChild<QSpinBox*>("TxtPunti(1)")->setValue(3);
        clickButton(w, "CheckAttivazione");
        QCOMPARE(w->findChild<QTableWidget*>("MSFlQuadri")->item(0, 2)->text(), QString("Sì"));
        saveScreenshot(w, "ColAndOr");
        clickButton(w, "CommOk");
        QVERIFY(!w->isVisible());
        QVERIFY(state_->families.andOr.quadri[0].active);
        QVERIFY(QFile::exists(program_->path("andor/AndOr.txt")));
        QVERIFY(main_->findChild<QAction*>("CondProgramma(24)")->isChecked());

        using varnelo::test::maskOf;
        const std::uint64_t filters[] = {maskOf({1, 2, 3, 4, 5}), maskOf({6, 7, 8, 9, 10}),
                                         maskOf({11, 12, 13, 14, 15, 16})};
        const std::int64_t expected = countOver([&](const Column& c) {
            const std::uint64_t m = numberMask(c);
            return std::all_of(std::begin(filters), std::end(filters),
                               [m](std::uint64_t f) { return std::popcount(m & f) <= 1; });
        });
        QVERIFY(expected > 0 && expected < 142506);
        developAndCompare("andor", expected);
    }

    // "Annulla", Escape and the close box leave every table as it was.
    void cancelLeavesTheFamiliesAsTheyWere() {
        state_->families.ritardiVari.rows[0].admitted[0] = {1, 5};
        state_->families.ambo.rows[3].admitted[1] = {10, 20};
        const ConditionFamilies families = state_->families;
        const ConditionSet conditions = state_->conditions;
        struct Case {
            int item;
            const char* window;
            const char* how;
        };
        for (const Case& c :
             {Case{35, "CondRitardiVari", "CommAnnulla"}, Case{35, "CondRitardiVari", "Escape"},
              Case{8, "CondizAmbo", "CommAnnulla"}, Case{8, "CondizAmbo", "Close"}}) {
            QWidget* w = openItem(c.item, c.window);
            QVERIFY(w);
            typeCell(w, 0, 0, "3");
            typeCell(w, 0, 1, "4");
            clickButton(w, "CommAzzera");
            clickButton(w, "CheckAttiva");
            if (QString(c.how) == "Escape")
                QTest::keyClick(w, Qt::Key_Escape);
            else if (QString(c.how) == "Close")
                w->parentWidget()->close();
            else
                clickButton(w, c.how);
            QVERIFY(!w->isVisible());
            QVERIFY(state_->families == families);
            QVERIFY(state_->conditions == conditions);
        }
        QWidget* ambata = openItem(19, "CondizAmbata");
        clickCell(ambata, 30);
        clickButton(ambata, "CheckAttiva(0)");
        QTest::keyClick(ambata, Qt::Key_Escape);
        QVERIFY(state_->conditions == conditions);

        // The quadri: a typed column and the "Attiva Quaqri" pop-up.
        QWidget* quadri = openItem(24, "ColAndOr");
        QTest::keyClicks(quadri->findChild<QLineEdit*>("TxtColonna"), "1 2 3");
        clickButton(quadri, "CommAggiungi");
        QStringList texts;
        pickFromContextMenu(quadri, 2, texts); // "Attivato quadro C"
        QTRY_COMPARE(texts.size(), 22);
        QCOMPARE(texts[2], QString("Attivato quadro C"));
        QVERIFY(state_->families.andOr.quadri[2].active);
        clickButton(quadri, "CommAnnulla");
        QVERIFY(state_->families == families);
        QVERIFY(!state_->modified);
    }

    // Typed values: read as the family reads them, or refused with the cell unchanged.
    void typedValuesAreReadOrRefused() {
        struct Case {
            int item;
            const char* window;
            const char* typed;
            const char* shown; // nullptr: refused
        };
        const Case cases[] = {
            {35, "CondRitardiVari", "12,5", "12,50"},
            {35, "CondRitardiVari", "12,345", "12,34"},
            {35, "CondRitardiVari", "-3", ""},
            {35, "CondRitardiVari", "123456", "99999,00"},
            {35, "CondRitardiVari", "1,2,3", nullptr},
            {35, "CondRitardiVari", ",", nullptr},
            {35, "CondRitardiVari", "4-", nullptr},
            {35, "CondRitardiVari", "x7y", "7,00"}, // letters never get in
            {8, "CondizAmbo", "9999", "9999"},
            {8, "CondizAmbo", "12000", "9999"},
            {8, "CondizAmbo", "7,9", "7"},
            {8, "CondizAmbo", "-1", ""},
            {8, "CondizAmbo", "--1", nullptr},
            {8, "CondizAmbo", "1.2.", nullptr},
        };
        for (const Case& c : cases) {
            QWidget* w = openItem(c.item, c.window);
            QVERIFY(w);
            typeCell(w, 0, 1, "8");
            const QString before = cellText(w, 0, 1);
            typeCell(w, 0, 1, c.typed);
            const QString warning = w->findChild<QLabel*>("LabAvviso")->text();
            if (c.shown) {
                QCOMPARE(cellText(w, 0, 1), QString(c.shown));
                QVERIFY2(warning.isEmpty(), c.typed);
            } else {
                QCOMPARE(cellText(w, 0, 1), before);
                QVERIFY2(warning.contains(c.typed), c.typed);
            }
            clickButton(w, "CommAnnulla");
        }
    }

    // A Max below its Min keeps the window open with the notice.
    void maxBelowMinBlocksOk() {
        QWidget* w = openItem(35, "CondRitardiVari");
        typeCell(w, 4, 2, "50");
        typeCell(w, 4, 3, "10");
        QString title, text;
        answerNotice("OK", &title, &text);
        clickButton(w, "CommOk");
        QCOMPARE(title, QString("Il valore Max. e Minore del valore Min:"));
        QVERIFY(text.contains("Nella colonna N° 5"));
        QVERIFY(w->isVisible());
        QVERIFY(!state_->modified);
    }

    // A typed filter column that is not one is refused with a notice.
    void badTypedFilterColumnsAreRefused() {
        QWidget* w = openItem(24, "ColAndOr");
        for (const char* typed : {"7 7", "50 1", "3 x", "", "0"}) {
            auto* edit = w->findChild<QLineEdit*>("TxtColonna");
            edit->setText(typed);
            QString title;
            answerNotice("OK", &title);
            clickButton(w, "CommAggiungi");
            QCOMPARE(title, QString("Colonna non valida:"));
            QVERIFY(state_->families.andOr.quadri[0].columns.empty());
        }
    }

    // A damaged quadro file: the notice names it, the quadro stays as it was.
    void damagedCarFileChangesNothing() {
        QFile bad(program_->path("andor/rotto.car"));
        QVERIFY(bad.open(QIODevice::WriteOnly));
        bad.write("rotto\r\n0 1 2 x\r\n111111 000000 1 2 3\r\n");
        bad.close();
        QWidget* w = openItem(24, "ColAndOr");
        QTest::keyClicks(w->findChild<QLineEdit*>("TxtColonna"), "4 5 6");
        clickButton(w, "CommAggiungi");
        const AndOrSet before = state_->families.andOr;
        whenModalShows(
            [](QWidget* d) {
                auto* input = qobject_cast<QInputDialog*>(d);
                input->setTextValue("rotto");
                input->accept();
            },
            [](QWidget* d) { return qobject_cast<QInputDialog*>(d) != nullptr; });
        QString title, text;
        answerNotice("OK", &title, &text);
        clickButton(w, "CommApri");
        QTRY_VERIFY(!title.isEmpty());
        QVERIFY2(text.contains("andor/rotto.car"), qPrintable(text));
        QVERIFY(state_->families.andOr == before);
        QCOMPARE(w->findChild<QTableView*>("MSFGrande")->model()->rowCount(), 1);
        clickButton(w, "CommAnnulla");
    }

    // "Vincenti": the chosen draws become filter columns of the quadro shown.
    void winningColumnsImportIntoTheQuadro() {
        QWidget* w = openItem(24, "ColAndOr");
        w->findChild<QTableWidget*>("MSFlQuadri")->setCurrentCell(1, 0);
        auto* source = w->findChild<QComboBox*>("Combo1");
        source->setCurrentIndex(source->findText("Vincenti"));
        Q_EMIT source->activated(source->currentIndex());
        auto* import = main_->findChild<QWidget*>("ColAndOrUscite");
        QVERIFY(import && import->isVisible());
        QCOMPARE(import->windowTitle(), QString("Importazione colonne vincenti:"));
        QVERIFY(import->findChild<QLabel*>("LabQuadro")->text().contains("Quadro B"));
        import->findChild<QSpinBox*>("TxtQuante")->setValue(3);
        const auto& draws = state_->archive.selection;
        auto* from = import->findChild<QScrollBar*>("Scrol1");
        from->setValue(static_cast<int>(draws.size()) - 2);
        QCOMPARE(import->findChild<QListWidget*>("ListEstrazioni")->count(), 3);
        saveScreenshot(import, "ColAndOrUscite");
        clickButton(import, "CommImporta");
        QVERIFY(!import->isVisible());
        const AndOrQuadro& b = state_->families.andOr.quadri[1];
        QCOMPARE(b.columns.size(), std::size_t{3});
        QCOMPARE(b.columns[2].numbers, numberMask(draws.back().numbers));
        QCOMPARE(b.columns[2].hits, std::uint8_t{0b000111});
        QCOMPARE(w->findChild<QTableView*>("MSFGrande")->model()->rowCount(), 3);
        clickButton(w, "CommAnnulla");
        QVERIFY(state_->families.andOr.quadri[1].columns.empty());
    }

    // "Sistemi": a system of 1200 columns loads its first 1000 with the notice.
    void aLargeSystemImportsItsFirstThousandColumns() {
        state_->systemName = "grande";
        Progress saving;
        QVERIFY(saveSystem(*state_, saving).done());
        QFile cna(program_->path("qor/grande.cna"));
        QVERIFY(cna.open(QIODevice::WriteOnly));
        std::vector<Column> written;
        forEachColumn(firstThirty(), [&](const Column& c) {
            if (written.size() < 1200)
                written.push_back(c);
        });
        for (const Column& c : written)
            cna.write(QString("%1 %2 %3 %4 %5\r\n")
                          .arg(c[0])
                          .arg(c[1])
                          .arg(c[2])
                          .arg(c[3])
                          .arg(c[4])
                          .toLatin1());
        cna.close();

        QWidget* w = openItem(24, "ColAndOr");
        auto* source = w->findChild<QComboBox*>("Combo1");
        source->setCurrentIndex(source->findText("Sistemi"));
        Q_EMIT source->activated(source->currentIndex());
        auto* import = main_->findChild<QWidget*>("ColAndOrUsciteSist");
        QVERIFY(import && import->isVisible());
        QCOMPARE(import->windowTitle(), QString("Importa sistemi:"));
        auto* names = import->findChild<QListWidget*>("ListSistemi");
        const auto found = names->findItems("grande", Qt::MatchExactly);
        QCOMPARE(found.size(), 1);
        names->setCurrentItem(found.front());
        saveScreenshot(import, "ColAndOrUsciteSist");
        QString title, text;
        answerNotice("OK", &title, &text);
        clickButton(import, "CommImporta");
        QCOMPARE(title, QString("Troppe Colonne :"));
        QVERIFY(text.contains("Verranno Caricate le prime = 1000 Colonne"));
        const AndOrQuadro& a = state_->families.andOr.quadri[0];
        QCOMPARE(a.columns.size(), kMaxQuadroColumns);
        QCOMPARE(a.columns[999].numbers, numberMask(written[999]));
        clickButton(w, "CommAnnulla");
    }
};

QTEST_MAIN(DelaysTest)
#include "tst_delays.moc"
