#include "UiTestSupport.h"
#include "WidgetDriving.h"
#include "shell/ui/Pronostico.h"
#include "stats/ui/StatComputer.h"
#include "ui/ModelRoles.h"

#include <QComboBox>
#include <QPushButton>
#include <QSpinBox>
#include <QTableView>

#include <algorithm>

using namespace varnelo;

namespace {

QString cellText(QTableView* view, int row, int column) {
    return view->model()->index(row, column).data().toString();
}

// The number of the row with the highest "Ciclo" (then "Ritardo") in the
// per-number table of the number-entry window.
int highestCycleOf(QTableView* table) {
    const QAbstractItemModel* m = table->model();
    int best = 0;
    std::pair<double, double> top{-1, -1};
    for (int r = 0; r < m->rowCount(); ++r) {
        const std::pair<double, double> here{m->index(r, 5).data(SortRole).toDouble(),
                                             m->index(r, 3).data(SortRole).toDouble()};
        const int number = m->index(r, 0).data(SortRole).toInt();
        if (here > top || (here == top && number < best)) {
            top = here;
            best = number;
        }
    }
    return best;
}

} // namespace

class StatComputerTest : public QObject {
    Q_OBJECT

    std::unique_ptr<MainWindowUnderTest> app_;
    ProgramState* state_ = nullptr;

    Varnelo& main() { return app_->main; }
    StatComputer* openFromForecast() {
        auto* button = main().pronostico()->findChild<QPushButton*>("CalcSviluppo(8)");
        if (!button || !button->isEnabled())
            return nullptr;
        button->click();
        return main().findChild<StatComputer*>("StatComputer");
    }

  private Q_SLOTS:
    void initTestCase() { prepareWindowTests(); }
    void init() {
        app_ = std::make_unique<MainWindowUnderTest>();
        state_ = app_->program.state.get();
        main().runCommand("Pronostico");
    }
    void cleanup() { app_.reset(); }

    // Button 8 of the number-entry window opens the forecast; its first
    // number is the one with the highest "Ciclo" in that window's table, and
    // the window says what the figures cannot do.
    void theRelativeDelayForecastAgreesWithTheNumberTable() {
        StatComputer* w = openFromForecast();
        QVERIFY(w);
        QVERIFY(
            w->findChild<QLabel*>("LabAvvertenza")->text().contains("non cambiano le probabilità"));
        auto* view = w->findChild<QTableView*>("MSFPronostico");
        QCOMPARE(view->model()->rowCount(), 10);
        QVERIFY(state_->archive.selection.size() > 100);
        const int first = cellText(view, 0, 1).toInt();
        QCOMPARE(first, highestCycleOf(main().pronostico()->findChild<QTableView*>("MSFrequenza")));
        QVERIFY(cellText(view, 0, 7).startsWith("ritardo "));
        saveScreenshot(w, "StatComputer");

        // The recent rule over the newest 20 draws: counted here by hand.
        w->findChild<QComboBox*>("ComboRegola")->setCurrentIndex(1);
        auto* recent = w->findChild<QSpinBox*>("SpinUltime");
        QVERIFY(recent->isEnabled());
        recent->setValue(20);
        w->findChild<QSpinBox*>("SpinNumeri")->setValue(5);
        QCOMPARE(view->model()->rowCount(), 5);
        std::array<int, kMaxNumber + 1> outs{};
        const auto& draws = state_->archive.selection;
        for (auto d = draws.end() - 20; d != draws.end(); ++d)
            for (const auto n : d->numbers)
                ++outs[n];
        const int most = *std::max_element(outs.begin(), outs.end());
        QCOMPARE(cellText(view, 0, 6).toInt(), most);
        QCOMPARE(outs[static_cast<std::size_t>(cellText(view, 0, 1).toInt())], most);
        QVERIFY(cellText(view, 4, 6).toInt() <= most);
    }

    // "Metti nel Pronostico" replaces the chosen numbers and keeps the fixed
    // one; while the forecast is locked it changes nothing.
    void oneClickMakesTheForecastTheChosenNumbers() {
        StatComputer* w = openFromForecast();
        QVERIFY(w);
        const std::vector<int> forecast = forecastNumbers(w->forecast());
        int outside = 1;
        while (std::find(forecast.begin(), forecast.end(), outside) != forecast.end())
            ++outside;
        int fixed = outside + 1;
        while (std::find(forecast.begin(), forecast.end(), fixed) != forecast.end())
            ++fixed;
        Pronostico* p = main().pronostico();
        clickNumber(p, outside);
        clickNumber(p, fixed, Qt::LeftButton, Qt::ControlModifier);
        QCOMPARE(state_->selection.state(fixed), Selection::Fixed);

        clickButton(p, "ComRossoNero"); // "Blocca"
        QString title;
        clickInNextModal("OK", &title);
        clickButton(w, "ComPronostico");
        QCOMPARE(title, QString("Pronostico statistico"));
        QCOMPARE(state_->selection.state(outside), Selection::Chosen);

        clickButton(p, "ComRossoNero"); // "Sblocca"
        state_->modified = false;
        clickButton(w, "ComPronostico");
        std::vector<int> expected = forecast;
        expected.push_back(fixed);
        std::sort(expected.begin(), expected.end());
        QCOMPARE(state_->selection.chosenNumbers(), expected);
        QCOMPARE(state_->selection.fixedNumbers(), std::vector<int>{fixed});
        QVERIFY(state_->modified);
        QVERIFY(p->isVisible());
    }

    // "Esporta" writes the rule, the numbers, their reasons and the caveat.
    void theExportReadsAsTheWindowShowsIt() {
        StatComputer* w = openFromForecast();
        QVERIFY(w);
        const QString file = app_->program.path("pronostico.txt");
        answerFileDialog(file);
        clickButton(w, "StatEsportaPronostico");
        QFile written(file);
        QVERIFY(written.open(QIODevice::ReadOnly));
        const QStringList lines = QString::fromUtf8(written.readAll()).split("\r\n");
        QCOMPARE(lines.value(1), QString("Regola: Ritardo rispetto all'intervallo medio"));
        QStringList numbers;
        for (int n : forecastNumbers(w->forecast()))
            numbers << QString::number(n);
        QCOMPARE(lines.value(3), "Numeri: " + numbers.join(' '));
        const QString first = QString::number(w->forecast().numbers.front().number);
        QVERIFY(lines.value(5).trimmed().startsWith(first + "  ritardo "));
        QVERIFY(lines.join('\n').contains(kForecastCaveat));
    }

    // With no draws in the selection there is nothing to forecast.
    void anEmptySelectionGivesNoForecast() {
        state_->archive.selection.clear();
        StatComputer* w = openFromForecast();
        QVERIFY(w);
        QCOMPARE(w->findChild<QTableView*>("MSFPronostico")->model()->rowCount(), 0);
        QVERIFY(!w->findChild<QPushButton*>("ComPronostico")->isEnabled());
        QVERIFY(!w->findChild<QPushButton*>("StatEsportaPronostico")->isEnabled());
        QVERIFY(w->findChild<QLabel*>("LabPronostico")->text().contains("non ha estrazioni"));
    }
};

QTEST_MAIN(StatComputerTest)
#include "tst_statcomputer.moc"
