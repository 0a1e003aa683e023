#include "UiTestSupport.h"
#include "WidgetDriving.h"
#include "checking/ArchiveView.h"
#include "checking/ui/AnalysisPanel.h"
#include "checking/ui/DebuGG.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QTableView>

#include <numeric>

using namespace varnelo;

namespace {

int sumOf(const Draw& d) {
    return std::accumulate(d.numbers.begin(), d.numbers.end(), 0);
}

const AnalysisRow* rowNamed(const DebuGG& w, const std::string& name) {
    for (const AnalysisRow& r : w.analysis().rows())
        if (r.name == name)
            return &r;
    return nullptr;
}

} // namespace

class DebuGGTest : public QObject {
    Q_OBJECT

    std::unique_ptr<MainWindowUnderTest> app_;
    ProgramState* state_ = nullptr;

    Varnelo& main() { return app_->main; }

  private Q_SLOTS:
    void initTestCase() { prepareWindowTests(); }
    void init() {
        app_ = std::make_unique<MainWindowUnderTest>();
        state_ = app_->program.state.get();
    }
    void cleanup() { app_.reset(); }

    // "Somma Totale" admits every sum but the newest draw's: the window
    // opens on that draw, names the condition that throws it away, and
    // follows the steps through the archive.
    void theNewestDrawIsJudgedAndTheStepsFollow() {
        std::vector<Notice> notices;
        const std::vector<Draw> draws = loadArchiveView(state_->folder, notices);
        QVERIFY(draws.size() > 2);
        const Draw& newest = draws.back();
        const Draw& before = draws[draws.size() - 2];
        state_->conditions.setActive(111, true);
        for (int v = 0; v <= 255; ++v)
            state_->conditions.setCell(111, v, {CellStatus::Admitted, 0});
        state_->conditions.setCell(111, sumOf(newest), {CellStatus::NotAdmitted, 0});

        auto* w = qobject_cast<DebuGG*>(openFromMenu(&main(), "StatistTutte(0)", "DebuGG"));
        QVERIFY(w);
        QCOMPARE(w->findChild<QGroupBox*>("Frame1")->title(),
                 QString("Archivio %1").arg(draws.size()));
        const AnalysisRow* sum = rowNamed(*w, "Somma Totale");
        QVERIFY(sum);
        QCOMPARE(sum->value, std::to_string(sumOf(newest)));
        QCOMPARE(verdictText(*sum), std::string("NON AMMESSO"));
        auto* summary = w->findChild<QLabel*>("LabAnalisi");
        QVERIFY2(summary->text().contains("sarebbe scartata da Somma: Somma Totale"),
                 qPrintable(summary->text()));
        saveScreenshot(w, "DebuGG");
        // Only the one active condition is left to read.
        auto* view = w->findChild<QTableView*>("MSFlCondizion");
        QVERIFY(view->model()->rowCount() > 100);
        w->findChild<QCheckBox*>("CheckAttive")->click();
        QCOMPARE(view->model()->rowCount(), 1);

        clickButton(w, "CommArc(0)");
        sum = rowNamed(*w, "Somma Totale");
        QCOMPARE(sum->value, std::to_string(sumOf(before)));
        QCOMPARE(verdictText(*sum),
                 std::string(sumOf(before) == sumOf(newest) ? "NON AMMESSO" : "Ammesso"));
    }

    // In a link whose overall limits allow one error the failure stays red
    // but the column passes; the "Debug" item of the conditions menu opens
    // the same window.
    void aFailureWithinTheLinkLimitsLetsTheColumnPass() {
        state_->conditions.setActive(111, true); // every cell refused
        state_->links.table.setMembership(1, 111, 1);
        state_->links.table.setInUse(1, true);
        state_->links.overallExcess = {0, 1};
        state_->links.wrongLinks = {0, 1};
        auto* w = qobject_cast<DebuGG*>(openFromMenu(&main(), "CondProgramma(36)", "DebuGG"));
        QVERIFY(w);
        QCOMPARE(verdictText(*rowNamed(*w, "Somma Totale")), std::string("NON AMMESSO"));
        QCOMPARE(rowNamed(*w, "Errori oltre le Link (ammessi 0..1)")->value, std::string("1"));
        const QString summary = w->findChild<QLabel*>("LabAnalisi")->text();
        QVERIFY2(summary.contains("passa: le righe non ammesse"), qPrintable(summary));
        QCOMPARE(openFromMenu(&main(), "StatistTutte(0)", "DebuGG"), w);
    }
};

QTEST_MAIN(DebuGGTest)
#include "tst_debugg.moc"
