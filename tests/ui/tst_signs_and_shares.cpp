#include "UiTestSupport.h"
#include "WidgetDriving.h"
#include "checking/ui/Montepremi.h"
#include "checking/ui/PrizeSheetPage.h"
#include "core/ColumnsFileFormat.h"
#include "system/SystemRun.h"
#include "system/SystemStorage.h"

#include <QAction>
#include <QBarSeries>
#include <QBarSet>
#include <QChart>
#include <QChartView>
#include <QComboBox>
#include <QFile>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QLineSeries>
#include <QProcess>
#include <QRegularExpression>
#include <QScrollBar>
#include <QTableView>
#include <QtTest>

#include <fstream>
#include <map>
#include <memory>

using namespace varnelo;

namespace {

// A system as the tests develop it: its numbers and Numeroni, the columns
// summing sumFrom..sumTo when a range is given, and at most memoryRows of
// them in memory, the rest in the overflow file.
struct Development {
    std::vector<int> numbers;
    std::vector<int> numeroni = {};
    int sumFrom = 0;
    int sumTo = 0;
    std::int32_t memoryRows = INT32_MAX;
};

// Eight numbers with three Numeroni: 56 columns played with 3 pairs each.
const Development kEightWithThreeNumeroni = {.numbers = {1, 2, 3, 4, 5, 6, 7, 8},
                                             .numeroni = {1, 4, 9}};

constexpr int kSum = 111; // "Somma Totale"

// Every column of the system, the overflow file included, counted here
// without the window's routine.
using Counts = std::vector<std::pair<int, qint64>>;

Counts countedByHand(const ProgramState& s) {
    std::map<int, qint64> out;
    for (int n : s.selection.chosenNumbers())
        out[n] = 0;
    for (std::int32_t i = 1; i <= s.columns.storedCount; ++i)
        for (int n : s.columns.column(i))
            ++out[n];
    std::ifstream spill(s.folder.path("qor/qor.qor"));
    std::string line;
    for (std::int32_t k = s.columns.storedCount; k < s.columns.systemTotal; ++k) {
        std::getline(spill, line);
        Column c{};
        if (parseColumnLine(line, c))
            for (int n : c)
                ++out[n];
    }
    return Counts(out.begin(), out.end());
}

} // namespace

// The windows around a system's signs and money: "Distribuzione segni", the
// prize sheet of the shop and the division of the cost in shares.
class SignsAndSharesTest : public QObject {
    Q_OBJECT

    std::unique_ptr<MainWindowUnderTest> app_;
    ProgramState* state_ = nullptr;

    void develop(const Development& d) {
        newSystem(*state_);
        for (int n : d.numbers)
            state_->selection.setState(n, Selection::Chosen);
        for (int e : d.numeroni)
            state_->selection.setNumerone(e, true);
        if (d.sumTo > 0) {
            state_->conditions.setActive(kSum, true);
            for (int v = d.sumFrom; v <= d.sumTo; ++v)
                state_->conditions.setCell(kSum, v, {CellStatus::Admitted, 0});
        }
        RunProgress run;
        RunOptions options;
        options.memoryRows = d.memoryRows;
        QVERIFY(!developSystem(*state_, options, run).failure);
        app_->main.refresh();
    }
    QWidget* openWithKey() {
        QAction* key = app_->main.findChild<QAction*>("Torta");
        if (!key || !key->isEnabled())
            return nullptr;
        key->trigger();
        return app_->main.findChild<QWidget*>("Tortaa");
    }
    // The table's rows as (number, presences), in the order shown.
    static Counts rowsShown(QWidget* w) {
        auto* view = w->findChild<QTableView*>("MSFSegni");
        Counts out;
        const QAbstractItemModel* m = view->model();
        for (int r = 0; r < m->rowCount(); ++r)
            out.emplace_back(m->index(r, 0).data().toInt(),
                             m->index(r, 1).data().toString().remove('.').toLongLong());
        return out;
    }
    static QChart* chartOf(QWidget* w) {
        return w->findChild<QChartView*>("GraficoSegni")->chart();
    }

    QString sheetFile() const { return app_->program.path("enal/montepremi.txt"); }
    QByteArray sheetBytes() const {
        QFile f(sheetFile());
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }
    QWidget* openSheet() { return openFromMenu(&app_->main, "MenuStampa(7)", "Montepremi"); }
    static QLineEdit* field(QWidget* w, const QString& name) {
        return w->findChild<QLineEdit*>(name);
    }
    static void type(QWidget* w, const QString& name, const QString& text) {
        QLineEdit* e = field(w, name);
        QVERIFY2(e, qPrintable(name));
        e->selectAll();
        QTest::keyClicks(e, text);
    }
    // The shop of the tests, typed in as the owner does.
    static void fillIn(QWidget* w) {
        auto* kind = w->findChild<QComboBox*>("ComboTipo");
        kind->setCurrentIndex(kind->findText("Tabacchi di:"));
        type(w, "Text1(0)", "Rossi");
        type(w, "Text1(1)", "Garibaldi 12");
        type(w, "Text1(2)", "011 555 1234");
        type(w, "Text1(3)", "14/03/2024");
        type(w, "TextT(2)", "1");
        type(w, "TextQ(2)", "612.340,00");
        type(w, "TextT(5)", "27");
        type(w, "TextQ(5)", "3.210,40");
    }
    static QString shown(QWidget* w, const char* label) {
        return w->findChild<QLabel*>(label)->text();
    }
  private Q_SLOTS:
    void initTestCase() { prepareWindowTests(); }
    void init() {
        app_ = std::make_unique<MainWindowUnderTest>();
        state_ = app_->program.state.get();
    }
    void cleanup() { app_.reset(); }

    void theKeyAndTheMenuItemWaitForColumns() {
        QAction* key = app_->main.findChild<QAction*>("Torta");
        QAction* item = app_->main.findChild<QAction*>("ColonneSistema(3)");
        QVERIFY(key && item);
        QVERIFY(!key->isEnabled());
        QVERIFY(!item->isEnabled());
        QVERIFY(!app_->main.runCommand("Tortaa"));
        develop({.numbers = {1, 2, 3, 4, 5, 6}, .sumFrom = 15, .sumTo = 40});
        QVERIFY(key->isEnabled());
        QVERIFY(item->isEnabled());
    }

    // A conditioned system spreads unevenly: every count, the bars and the
    // even line agree with the columns counted by hand.
    void eachNumberCountedFromTheToolbarKey() {
        const std::vector<int> numbers = {3, 7, 12, 18, 25, 31, 38, 44, 49};
        develop({.numbers = numbers, .sumFrom = 90, .sumTo = 130});
        QWidget* w = openWithKey();
        QVERIFY(w && w->isVisible());
        const Counts expected = countedByHand(*state_);
        const Counts shown = rowsShown(w);
        QCOMPARE(shown, expected);
        qint64 least = LLONG_MAX, most = 0;
        for (const auto& [n, count] : expected) {
            least = std::min(least, count);
            most = std::max(most, count);
        }
        QVERIFY(least < most); // the conditions made it uneven

        QChart* chart = chartOf(w);
        auto* bars = qobject_cast<QBarSeries*>(chart->series().at(0));
        QVERIFY(bars && bars->isLabelsVisible());
        QBarSet* set = bars->barSets().at(0);
        QCOMPARE(set->count(), static_cast<int>(numbers.size()));
        for (int i = 0; i < set->count(); ++i)
            QCOMPARE(static_cast<qint64>(set->at(i)), shown[static_cast<std::size_t>(i)].second);
        auto* even = qobject_cast<QLineSeries*>(chart->series().at(1));
        QVERIFY(even);
        const double columns = state_->columns.systemTotal;
        QCOMPARE(even->at(0).y(), columns * 5 / static_cast<double>(numbers.size()));

        const QString summary = w->findChild<QLabel*>("LabRiepilogo")->text();
        QVERIFY2(
            summary.contains(QString("Colonne esaminate: %1 ").arg(state_->columns.systemTotal)),
            qPrintable(summary));
        QVERIFY(summary.contains("Numeri in gioco: 9 "));

        // Two clicks on "Presenze" put the most frequent number on top.
        auto* view = w->findChild<QTableView*>("MSFSegni");
        QHeaderView* header = view->horizontalHeader();
        const QPoint presences(header->sectionViewportPosition(1) + 10, header->height() / 2);
        QTest::mouseClick(header->viewport(), Qt::LeftButton, {}, presences);
        QTest::mouseClick(header->viewport(), Qt::LeftButton, {}, presences);
        QCOMPARE(rowsShown(w).front().second, most);
        QCOMPARE(rowsShown(w).back().second, least);
        saveScreenshot(w, "Tortaa");
    }

    // A system too large for memory keeps its first columns in qor/qor.qor:
    // they count as well.
    void theOverflowColumnsCount() {
        develop({.numbers = {2, 4, 6, 8, 10, 12, 14, 16},
                 .sumFrom = 40,
                 .sumTo = 60,
                 .memoryRows = 10});
        QVERIFY(state_->columns.systemTotal > state_->columns.storedCount);
        QWidget* w = openWithKey();
        QVERIFY(w);
        const Counts expected = countedByHand(*state_);
        QCOMPARE(rowsShown(w), expected);
        qint64 total = 0;
        for (const auto& [n, count] : expected)
            total += count;
        QCOMPARE(total, 5 * qint64{state_->columns.systemTotal});
    }

    // Open from the menu, the window follows the next development.
    void followsTheSystemFromTheMenu() {
        develop({.numbers = {1, 2, 3, 4, 5, 6}, .sumFrom = 15, .sumTo = 40});
        QWidget* w = openFromMenu(&app_->main, "ColonneSistema(3)", "Tortaa");
        QVERIFY(w);
        QCOMPARE(rowsShown(w).size(), std::size_t{6});
        develop({.numbers = {10, 20, 30, 40, 45, 46, 47}, .sumFrom = 100, .sumTo = 250});
        const Counts expected = countedByHand(*state_);
        QCOMPARE(rowsShown(w), expected);
    }

    void withoutAFileTheSheetIsEmptyAndClosingCreatesIt() {
        QVERIFY(!QFile::exists(sheetFile()));
        QWidget* w = openSheet();
        QVERIFY(w);
        for (const QLineEdit* e : w->findChildren<QLineEdit*>())
            QVERIFY2(e->text().isEmpty(), qPrintable(e->objectName()));
        clickButton(w, "PulsanteGiu(1)");
        QVERIFY(!w->isVisible());
        QCOMPARE(sheetBytes(), QByteArray("\"\"\r\n").repeated(14));
    }

    void theSheetIsKeptFromOneOpeningToTheNext() {
        QWidget* w = openSheet();
        fillIn(w);
        QTest::keyClick(w, Qt::Key_Escape);
        QVERIFY(!w->isVisible());
        const QList<QByteArray> lines = sheetBytes().split('\n');
        QCOMPARE(lines.size(), 15); // fourteen values and the end of the last
        QCOMPARE(lines[0], QByteArray("\"Tabacchi di: Rossi\"\r"));
        QCOMPARE(lines[5], QByteArray("\"1\"\r"));
        QCOMPARE(lines[13], QByteArray("\"3.210,40\"\r"));
        // What the file says now is what the next opening shows.
        const QByteArray edited = sheetBytes().replace("Rossi", "Bianchi");
        QFile f(sheetFile());
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(edited);
        f.close();
        w = openSheet();
        QVERIFY(w);
        QCOMPARE(field(w, "Text1(0)")->text(), QString("Bianchi"));
        QCOMPARE(w->findChild<QComboBox*>("ComboTipo")->currentText(), QString("Tabacchi di:"));
        QCOMPARE(field(w, "TextQ(2)")->text(), QString("612.340,00"));
        saveScreenshot(w, "Montepremi");
    }

    // An unreadable file is reported and stays as it was unless the sheet is
    // filled in again.
    void aBadFileIsReportedAndNotLost() {
        const QByteArray bad = "\"solo una riga\r\n";
        QFile f(sheetFile());
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(bad);
        f.close();
        QString title;
        clickInNextModal("OK", &title);
        QWidget* w = openSheet();
        QVERIFY(w);
        QTRY_COMPARE(title, QString("Prospetto Montepremio:"));
        QVERIFY(field(w, "Text1(0)")->text().isEmpty());
        clickButton(w, "PulsanteGiu(1)");
        QCOMPARE(sheetBytes(), bad);

        title.clear();
        clickInNextModal("OK", &title);
        w = openSheet();
        QTRY_VERIFY(!title.isEmpty());
        type(w, "Text1(1)", "Roma 1");
        clickButton(w, "PulsanteGiu(1)");
        QVERIFY(sheetBytes().contains("\"Roma 1\""));
    }

    void thePreviewOpensFromItsButton() {
        QWidget* w = openSheet();
        fillIn(w);
        QString title;
        whenModalShows([&title](QWidget* preview) {
            title = preview->windowTitle();
            preview->close();
        });
        clickButton(w, "PulsanteGiu(0)");
        QCOMPARE(title, QString("Anteprima di stampa"));
    }

    // The printed sheet, read back from its PDF.
    void theSheetAsPdf() {
        QWidget* w = openSheet();
        fillIn(w);
        const QString pdf = app_->program.path("prospetto.pdf");
        QVERIFY(savePdf(pdf, prizeSheetPage(static_cast<Montepremi*>(w)->sheet())));
        QProcess text;
        text.start("pdftotext", {"-layout", pdf, "-"});
        QVERIFY2(text.waitForFinished(30000) && text.exitCode() == 0,
                 "pdftotext (poppler-utils) non riuscito");
        const QString page = QString::fromUtf8(text.readAllStandardOutput());
        for (const char* expected :
             {"Vincite", "Realizzate in questa Ricevitoria!!!", "14/03/2024", "Tabacchi di: Rossi",
              "Via: Garibaldi 12", "Telefono: 011 555 1234", "Per Vincere bisogna Giocare!!!",
              "-----"})
            QVERIFY2(page.contains(QString::fromUtf8(expected)), expected);
        // Label, count and amount of a row on one line, the amount with its euro sign.
        QVERIFY2(page.contains(QRegularExpression("5\\+1\\s+1\\s+612\\.340,00\\s+€\\.")),
                 qPrintable(page));
        QVERIFY(page.contains(QRegularExpression("4\\+1\\s+27\\s+3\\.210,40\\s+€\\.")));
        // The rows in their order.
        QStringList labels;
        for (const QString& line : page.split('\n'))
            if (const auto m =
                    QRegularExpression("^\\s*(5\\+2|5\\+1|5|4\\+2|4\\+1)\\s").match(line);
                m.hasMatch())
                labels << m.captured(1);
        QCOMPARE(labels, QStringList({"5+2", "5+1", "5", "4+2", "4+1"}));
    }

    // The price comes from the settings (enal/varie.csv), the count of pairs
    // from the Numeroni.
    void sharesFromTheToolbarKey() {
        develop(kEightWithThreeNumeroni);
        state_->settings.columnPrice = 0.75;
        QAction* key = app_->main.findChild<QAction*>("Quote");
        QVERIFY(key && key->isEnabled());
        key->trigger();
        QWidget* w = app_->main.findChild<QWidget*>("Quote");
        QVERIFY(w && w->isVisible());
        QCOMPARE(shown(w, "LabCosto"), QString("126,00 Euro")); // 56 × 3 × 0,75
        QCOMPARE(shown(w, "LabQuota"), QString("126,00 Euro"));

        // An empty count is one share.
        field(w, "Quotes")->clear();
        clickButton(w, "CommQuote(0)");
        QCOMPARE(field(w, "Quotes")->text(), QString("1"));
        QCOMPARE(shown(w, "LabQuota"), QString("126,00 Euro"));

        type(w, "Quotes", "4");
        QCOMPARE(shown(w, "LabQuota"), QString("31,50 Euro"));
        auto* step = w->findChild<QScrollBar*>("HScrSequele2");
        QCOMPARE(step->value(), 4);
        step->triggerAction(QAbstractSlider::SliderSingleStepAdd);
        QCOMPARE(field(w, "Quotes")->text(), QString("5"));
        QCOMPARE(shown(w, "LabQuota"), QString("25,20 Euro"));
        type(w, "Quotes", "0");
        QCOMPARE(shown(w, "LabQuota"), QString("quote da 1 a 999"));
        saveScreenshot(w, "Quote");
        clickButton(w, "CommQuote(1)");
        QVERIFY(!w->isVisible());
    }

    void sharesFromTheMenuFollowTheSystem() {
        QWidget* w = openFromMenu(&app_->main, "MenuColVincenti(2)", "Quote");
        QVERIFY(w);
        QCOMPARE(shown(w, "LabCosto"), QString("0,00 Euro"));
        develop(kEightWithThreeNumeroni);
        QCOMPARE(shown(w, "LabCosto"), QString("84,00 Euro")); // 56 × 3 × 0,50
        QVERIFY(shown(w, "LabDettaglio").contains("3 coppie di Numeroni"));
    }
};

QTEST_MAIN(SignsAndSharesTest)
#include "tst_signs_and_shares.moc"
