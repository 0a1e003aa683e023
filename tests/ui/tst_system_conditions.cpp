#include "UiTestSupport.h"
#include "WidgetDriving.h"
#include "conditions/ui/Video.h"
#include "engine/ui/SviluppoS.h"
#include "shell/ui/Pronostico.h"
#include "shell/ui/Varnelo.h"

#include <QAction>
#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QTableView>
#include <QtTest>

#include <map>
#include <memory>
#include <numeric>

using namespace varnelo;

// "Condizioni sul sistema in corso": the developed columns counted per value
// of every metric, opened from the menu, the toolbar and after a development.
class SystemConditionsTest : public QObject {
    Q_OBJECT

    std::unique_ptr<MainWindowUnderTest> app_;
    Varnelo* main_ = nullptr;
    ProgramState* state_ = nullptr;

    // Seven numbers and two Numeroni at the number-entry window, then F5's
    // menu item: 21 columns.
    void develop() {
        QVERIFY(openFromMenu(main_, "Condizioni(9)", "Pronostico"));
        for (int n : {3, 8, 15, 22, 30, 41, 47})
            clickNumber(main_->pronostico(), n);
        clickNumerone(main_->pronostico(), 1);
        clickNumerone(main_->pronostico(), 2);
        main_->findChild<QAction*>("Condizioni(3)")->trigger();
        QTRY_VERIFY_WITH_TIMEOUT(main_->developmentWindow() && !main_->isBusy(), 60000);
        QCOMPARE(app_->status(), QString("Colonne finali = 21"));
    }

    // The grid's counts of one heading, by row label.
    static std::map<QString, qint64> shownCounts(QWidget* w, const QString& heading) {
        auto* grid = w->findChild<QTableView*>("MSFlexGrid1");
        const auto* model = grid->model();
        int column = -1;
        for (int c = 0; c < model->columnCount(); ++c)
            if (model->headerData(c, Qt::Horizontal).toString() == heading)
                column = c;
        std::map<QString, qint64> out;
        if (column < 0)
            return out;
        for (int r = 0; r < model->rowCount(); ++r) {
            const qint64 n = model->index(r, column).data().toString().remove('.').toLongLong();
            if (n > 0)
                out[model->index(r, 0).data().toString()] = n;
        }
        return out;
    }

    // The same counted here from the columns the system holds.
    std::map<QString, qint64> countedByHand(const std::function<int(const Column&)>& value) const {
        std::map<QString, qint64> out;
        for (std::int32_t i = 1; i <= state_->columns.storedCount; ++i)
            ++out[QString("%1 =").arg(value(state_->columns.column(i)))];
        return out;
    }

    static int sum(const Column& c) { return std::accumulate(c.begin(), c.end(), 0); }

  private Q_SLOTS:
    void initTestCase() { prepareWindowTests(); }
    void init() {
        app_ = std::make_unique<MainWindowUnderTest>();
        main_ = &app_->main;
        state_ = app_->program.state.get();
    }
    void cleanup() { app_.reset(); }

    void menuItemWaitsForColumnsThenCountsEachPage() {
        QVERIFY(!openFromMenu(main_, "Condizioni(4)", "video"));
        develop();
        QWidget* w = openFromMenu(main_, "Condizioni(4)", "video");
        QVERIFY(w);
        QCOMPARE(w->windowTitle(), QString("Condizioni sul sistema in corso"));
        QCOMPARE(w->findChild<QLabel*>("LabColonne")->text(), QString("Col.Elaborate = 21"));

        clickButton(w, "Statvideo(0)");
        QCOMPARE(w->findChild<QLabel*>("LabPagina")->text(), QString("Casella"));
        QCOMPARE(shownCounts(w, "1° Casella"), countedByHand([](const Column& c) { return c[0]; }));
        QCOMPARE(shownCounts(w, "5° Casella"), countedByHand([](const Column& c) { return c[4]; }));
        saveScreenshot(w->window(), "video-casella");

        clickButton(w, "Statvideo(9)");
        QCOMPARE(w->findChild<QLabel*>("LabPagina")->text(), QString("Resti"));
        QCOMPARE(shownCounts(w, "Resto Diviso 3"),
                 countedByHand([](const Column& c) { return sum(c) % 3; }));
        QCOMPARE(shownCounts(w, "Resto Diviso 9"),
                 countedByHand([](const Column& c) { return sum(c) % 9; }));

        clickButton(w, "Statvideo(7)");
        QCOMPARE(shownCounts(w, "Somma Totale"), countedByHand(sum));
        QVERIFY(w->findChild<QPushButton*>("Statvideo(7)")->isChecked());
        QVERIFY(!w->findChild<QPushButton*>("Statvideo(9)")->isChecked());
    }

    void toolbarKeysOpenTheSameWindow() {
        develop();
        for (const char* key : {"Statistiches", "Statistiche1"}) {
            QAction* a = main_->findChild<QAction*>(key);
            QVERIFY(a && a->isEnabled());
            a->trigger();
            auto* w = main_->findChild<Video*>("video");
            QVERIFY(w && w->isVisible());
            QCOMPARE(main_->findChildren<Video*>("video").size(), 1);
            w->closeWindow();
        }
    }

    void setUpOptionOpensItAfterADevelopment_data() {
        QTest::addColumn<bool>("ticked");
        QTest::newRow("spuntata") << true;
        QTest::newRow("non spuntata") << false;
    }
    void setUpOptionOpensItAfterADevelopment() {
        QFETCH(bool, ticked);
        QWidget* setup = openFromMenu(main_, "Condizioni(1)", "Sviluppatore");
        QVERIFY(setup);
        auto* box = setup->findChild<QCheckBox*>("Check1");
        QVERIFY(!box->isChecked());
        if (ticked) {
            // Ticking it warns that the run gets slower.
            QString title;
            clickInNextModal("OK", &title);
            box->click();
            QCOMPARE(title, QString("Visualizza condizioni"));
        }
        clickButton(setup, "CalcSviluppo(1)");
        QCOMPARE((state_->settings.displayOptions & 1) != 0, ticked);

        develop();
        auto* w = main_->findChild<Video*>("video");
        QCOMPARE(w != nullptr && w->isVisible(), ticked);
        if (!ticked)
            return;
        QCOMPARE(w->findChild<QLabel*>("LabColonne")->text(), QString("Col.Elaborate = 21"));
        clickButton(w, "Statvideo(2)");
        QCOMPARE(shownCounts(w, "Dist. Tra Numeri 1 2"),
                 countedByHand([](const Column& c) { return c[1] - c[0]; }));
    }

    // A new development over one more number leaves no stale count in an open window.
    void openWindowFollowsTheNextDevelopment() {
        develop();
        auto* w = qobject_cast<Video*>(openFromMenu(main_, "Condizioni(4)", "video"));
        QVERIFY(w);
        state_->selection.setState(49, Selection::Chosen);

        main_->findChild<QAction*>("Condizioni(3)")->trigger();
        QTRY_VERIFY_WITH_TIMEOUT(!main_->isBusy(), 60000);
        QCOMPARE(app_->status(), QString("Colonne finali = 56"));
        QCOMPARE(w->findChild<QLabel*>("LabColonne")->text(), QString("Col.Elaborate = 56"));
        QCOMPARE(shownCounts(w, "1° Casella"), countedByHand([](const Column& c) { return c[0]; }));
    }
};

QTEST_MAIN(SystemConditionsTest)
#include "tst_system_conditions.moc"
