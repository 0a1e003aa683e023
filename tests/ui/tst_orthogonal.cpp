#include "UiTestSupport.h"
#include "WidgetDriving.h"
#include "engine/ui/SviluppoS.h"
#include "reduced/OrthogonalDevelopment.h"
#include "reduced/ReducedNames.h"
#include "reduced/ui/SviluppoOrtogonale.h"
#include "shell/ui/Pronostico.h"
#include "shell/ui/Varnelo.h"
#include "support/ShippedCatalogue.h"
#include "ui/Text.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QtTest>

#include <algorithm>
#include <memory>

using namespace varnelo;

Q_DECLARE_METATYPE(std::vector<int>)

// The orthogonal development as a player reaches it: numbers on the board,
// the guarantee in the set-up window, "Sviluppa Colonne".
class OrthogonalTest : public QObject {
    Q_OBJECT

    std::unique_ptr<MainWindowUnderTest> app_;
    Varnelo* main_ = nullptr;
    ProgramState* state_ = nullptr;

    // Plain clicks choose, Ctrl+clicks fix; two Numeroni make the system ready.
    void choose(const std::vector<int>& numbers, const std::vector<int>& fixed) {
        QVERIFY(openFromMenu(main_, "Condizioni(9)", "Pronostico"));
        for (const int n : numbers)
            clickNumber(main_->pronostico(), n);
        for (const int n : fixed)
            clickNumber(main_->pronostico(), n, Qt::LeftButton, Qt::ControlModifier);
        clickNumerone(main_->pronostico(), 1);
        clickNumerone(main_->pronostico(), 2);
    }

    // "Imposta sistema" (F11): "Sviluppo Ortogonale" ticked, the option picked, OK.
    void chooseOption(int option) {
        QWidget* w = openFromMenu(main_, "Condizioni(1)", "Sviluppatore");
        QVERIFY(w);
        auto* on = w->findChild<QCheckBox*>("Check3");
        if (!on->isChecked())
            on->click();
        w->findChild<QComboBox*>("Combs")->setCurrentIndex(option - 1);
        clickButton(w, "CalcSviluppo(1)");
        QCOMPARE(state_->options.guaranteeKind, option);
    }

    // "Sviluppa Colonne" by the menu item, the toolbar key or the number-entry
    // window's button.
    SviluppoOrtogonale* develop(const QString& gesture) {
        if (gesture == "menu")
            main_->findChild<QAction*>("Condizioni(3)")->trigger();
        else if (gesture == "toolbar")
            main_->findChild<QAction*>("SviluppaLeColonne")->trigger();
        else
            main_->pronostico()->findChild<QPushButton*>("CalcSviluppo(0)")->click();
        auto* w = main_->findChild<SviluppoOrtogonale*>("SviluppoOrtogonale");
        return w && w->isVisible() ? w : nullptr;
    }

    // The orthogonal run, then the conditions' run over its columns.
    void waitForEnd(SviluppoOrtogonale* w) {
        QTRY_VERIFY_WITH_TIMEOUT(!w->isRunning(), 60000);
        QTRY_VERIFY_WITH_TIMEOUT(!main_->isBusy(), 60000);
    }

    static QString text(QWidget* w, const char* label) {
        return w->findChild<QLabel*>(label)->text();
    }

  private Q_SLOTS:
    void initTestCase() { prepareWindowTests(); }
    void init() {
        app_ = std::make_unique<MainWindowUnderTest>();
        main_ = &app_->main;
        state_ = app_->program.state.get();
    }
    void cleanup() { app_.reset(); }

    void developsAndHandsOver_data() {
        QTest::addColumn<std::vector<int>>("numbers");
        QTest::addColumn<std::vector<int>>("fixed");
        QTest::addColumn<int>("option");
        QTest::addColumn<QString>("gesture");
        QTest::addColumn<QString>("source");
        QTest::addColumn<QString>("code");
        const std::vector<int> twelve = {2, 5, 9, 14, 18, 23, 27, 31, 36, 40, 44, 47};
        QTest::newRow("tabella") << twelve << std::vector<int>{} << 4 << "menu"
                                 << "Tabella memorizzata"
                                 << "O5N12F0G34V01";
        QTest::newRow("costruita") << twelve << std::vector<int>{} << 9 << "toolbar"
                                   << "Tabella costruita"
                                   << "O5N12F0G12V01";
        QTest::newRow("fissa") << twelve << std::vector<int>{20} << 7 << "button"
                               << "Tabella costruita"
                               << "O5N12F1G23V01";
        QTest::newRow("integrale") << std::vector<int>{3, 6, 11, 19, 28, 33, 45, 48}
                                   << std::vector<int>{20} << 6 << "button"
                                   << "Garanzia integrale: sviluppo completo"
                                   << "R0N00F0G00V00";
    }

    // The list reaches the system through the conditions' run: with none
    // active the status counts every column of it, each holding the fixed ones.
    void developsAndHandsOver() {
        QFETCH(std::vector<int>, numbers);
        QFETCH(std::vector<int>, fixed);
        QFETCH(int, option);
        QFETCH(QString, gesture);
        QFETCH(QString, source);
        QFETCH(QString, code);
        choose(numbers, fixed);
        chooseOption(option);
        SviluppoOrtogonale* w = develop(gesture);
        QVERIFY(w);
        QCOMPARE(w->windowTitle(), QString("Sviluppo Ortogonale:"));
        // Until the window has seen the end, the menus wait and the key stops.
        QVERIFY(w->isRunning());
        QVERIFY(!main_->findChild<QAction*>("Condizioni(3)")->isEnabled());
        QCOMPARE(w->findChild<QPushButton*>("CommStop")->text(), QString("Stop"));
        const auto o = orthogonalOption(option);
        QCOMPARE(text(w, "LabGaranzia"), qs(o->name));
        QCOMPARE(text(w, "LabNumeri"),
                 QString("%1 + %2 Fisse").arg(numbers.size()).arg(fixed.size()));
        QCOMPARE(text(w, "LabCodice"), code);
        waitForEnd(w);

        Progress p;
        const OrthogonalRun expected =
            developOrthogonal(test::shippedCatalogue(), fixed, numbers, option, p);
        QCOMPARE(w->run().columns, expected.columns);
        const QString count = QString::number(expected.columns.size());
        QCOMPARE(text(w, "LabRisultato"),
                 QStringList(
                     {source, "Colonne finali = " + count,
                      QString("Garanzia verificata: %1 punti con %2 estratti").arg(o->g).arg(o->c)})
                     .join('\n'));
        QCOMPARE(text(w, "LabAccettate"), count);
        QCOMPARE(w->findChild<QPushButton*>("CommStop")->text(), QString("Chiudi"));
        QCOMPARE(app_->status(), "Colonne finali = " + count);
        QCOMPARE(state_->columns.finalCount, static_cast<std::int32_t>(expected.columns.size()));
        for (std::int32_t i = 1; i <= state_->columns.finalCount; ++i) {
            const Column c = state_->columns.column(i);
            QCOMPARE(c, expected.columns[static_cast<std::size_t>(i - 1)]);
            for (const int f : fixed)
                QVERIFY(std::find(c.begin(), c.end(), f) != c.end());
        }
        QCOMPARE(qs(state_->options.description), qs(*orthogonalTitle(option)));
        saveScreenshot(w, QString("SviluppoOrtogonale-") + QTest::currentDataTag());
        // The conditions' run opens beside it, not over it.
        auto* next = main_->existingChild<SvilupPerRid>();
        QVERIFY(next && next->isVisible());
        QVERIFY(!w->parentWidget()->geometry().intersects(next->parentWidget()->geometry()));

        // Enter on "Chiudi" closes it.
        w->activateWindow();
        QTest::keyClick(w, Qt::Key_Return);
        QTRY_VERIFY(!w->isVisible());
    }

    // How another window (the catalogue's orthogonal rows) starts it: the
    // option in the set-up, then the command. Without an option it does nothing.
    void otherWindowsStartItByCommand() {
        choose({2, 5, 9, 14, 18, 23, 27, 31, 36, 40, 44, 47}, {});
        QVERIFY(main_->runCommand("SviluppoOrtogonale"));
        QVERIFY(!main_->findChild<SviluppoOrtogonale*>("SviluppoOrtogonale"));
        QVERIFY(!main_->developmentWindow());
        state_->options.guaranteeKind = 9;
        QVERIFY(main_->runCommand("SviluppoOrtogonale"));
        auto* w = main_->findChild<SviluppoOrtogonale*>("SviluppoOrtogonale");
        QVERIFY(w && w->isVisible());
        QCOMPARE(w->findChild<QLabel*>("LabGaranzia")->text(), QString("Gar.1  con 2 Numeri"));
        waitForEnd(w);
        QCOMPARE(app_->status(), QString("Colonne finali = 3"));
    }

    // The ordinary development stays what it was when the set-up does not
    // ask for the orthogonal one, and "Solo calcolo" never runs it.
    void ordinaryDevelopmentWithoutTheOption() {
        choose({4, 9, 17, 23, 36, 48}, {});
        main_->findChild<QAction*>("Condizioni(3)")->trigger();
        QVERIFY(!main_->findChild<SviluppoOrtogonale*>("SviluppoOrtogonale"));
        QTRY_VERIFY_WITH_TIMEOUT(main_->developmentWindow() && !main_->isBusy(), 60000);
        QCOMPARE(app_->status(), QString("Colonne finali = 6"));

        chooseOption(4);
        main_->findChild<QAction*>("SoloCalcolo")->trigger();
        QVERIFY(!main_->findChild<SviluppoOrtogonale*>("SviluppoOrtogonale"));
        QVERIFY(main_->developmentWindow()->isRunning());
        QTRY_VERIFY_WITH_TIMEOUT(!main_->isBusy(), 60000);
    }
};

QTEST_MAIN(OrthogonalTest)
#include "tst_orthogonal.moc"
