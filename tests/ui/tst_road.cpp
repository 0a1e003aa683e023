#include "UiTestSupport.h"
#include "app/gui/Startup.h"
#include "engine/ui/SviluppoS.h"
#include "shell/ui/Pronostico.h"
#include "shell/ui/Varnelo.h"

#include <QAbstractButton>
#include <QAction>
#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QScreen>
#include <QStandardPaths>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QtTest>

#include <optional>

using namespace varnelo;

// The road of a new user: the program started as main() starts it, and only
// what is on the screen used to reach each window.
class RoadTest : public QObject {
    Q_OBJECT

    QTemporaryDir dir_;
    std::optional<RunningProgram> program_;

    Varnelo* main() const { return program_->window.get(); }
    QString status() const { return main()->findChild<QLabel*>("ColonneFinali")->text(); }

    // The visible widget of that name inside the main window.
    template <typename T> T* visible(const QString& name) const {
        for (T* w : main()->findChildren<T*>(name))
            if (w->isVisible())
                return w;
        return nullptr;
    }
    // A menu item as the user sees it: visible and enabled in its menu.
    QAction* menuItem(const QString& menu, const QString& text) const {
        auto* m = main()->menuBar()->findChild<QMenu*>(menu);
        if (!m)
            return nullptr;
        for (QAction* a : m->actions())
            if (a->text() == text && a->isVisible() && a->isEnabled())
                return a;
        return nullptr;
    }
    void pressKey(Qt::Key key) {
        QTest::keyClick(main()->windowHandle(), key);
        QCoreApplication::processEvents();
    }
    QRect inArea(QWidget* w) const {
        auto* area = main()->findChild<QWidget*>("MDIForm");
        return {w->mapTo(area, QPoint(0, 0)), w->size()};
    }
    void develop() {
        QTRY_VERIFY(visible<QTableWidget>("MSFlexGrid3"));
        QWidget* grid = visible<QTableWidget>("MSFlexGrid3")->window();
        for (int n = 1; n <= 7; ++n)
            clickNumber(grid, n);
        clickNumerone(grid, 1);
        clickNumerone(grid, 2);
        pressKey(Qt::Key_F5);
        QTRY_COMPARE_WITH_TIMEOUT(status(), QString("Colonne finali = 21"), 20000);
    }

  private Q_SLOTS:
    void initTestCase() {
        QStandardPaths::setTestModeEnabled(true);
        setUpApplication();
    }

    void init() {
        StartupOptions options;
        options.folder = dir_.path() + "/" + QTest::currentTestFunction();
        int status = 1;
        program_ = startProgram(options, status);
        QVERIFY(program_);
        QCOMPARE(status, 0);
        main()->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(main()));
    }
    void cleanup() {
        if (program_)
            program_->state->modified = false;
        program_.reset();
    }

    void sevenNumbersAndTwoNumeroniMakeTwentyOneColumns() {
        develop();
        // The run's window leaves the number grids in view, and speaks the
        // same plain digits as the status bar.
        auto* run = visible<SviluppoS>("SviluppoS");
        QVERIFY(run);
        QVERIFY(
            !inArea(run->parentWidget()).intersects(inArea(visible<QTableWidget>("MSFlexGrid3"))));
        QCOMPARE(run->findChild<QLabel*>("LabEsaminate")->text(), QString("21"));
        QVERIFY(run->findChild<QLabel*>("LabRisultato")->text().contains("Colonne finali = 21"));
        saveScreenshot(main(), "strada-sviluppo");
        // Enter closes it once the run is over.
        run->activateWindow();
        run->findChild<QPushButton*>("CommStop")->setFocus();
        QTest::keyClick(run, Qt::Key_Return);
        QTRY_VERIFY(!run->isVisible());
    }

    void qtDialogsSpeakItalian() {
        QDialogButtonBox box(QDialogButtonBox::Cancel | QDialogButtonBox::Yes);
        QCOMPARE(box.button(QDialogButtonBox::Cancel)->text(), QString("Annulla"));
        QCOMPARE(box.button(QDialogButtonBox::Yes)->text(), QString("&Sì"));
    }

    void windowsKeepTheirPlaceAndFitTheScreen() {
        const QRect screen = main()->screen()->availableGeometry();
        QVERIFY(main()->frameGeometry().height() <= screen.height());
        QVERIFY(main()->frameGeometry().width() <= screen.width());
        menuItem("Condizioni", "Condizioni")->trigger();
        QWidget* frame = visible<QWidget>("CondizioniInGioco")->parentWidget();
        frame->move(37, 23);
        // Closing the program stores the place; the next start opens it there.
        main()->close();
        StartupOptions options;
        options.folder = dir_.path() + "/" + QTest::currentTestFunction();
        int status = 1;
        program_.reset();
        program_ = startProgram(options, status);
        QVERIFY(program_);
        menuItem("Condizioni", "Condizioni")->trigger();
        QCOMPARE(visible<QWidget>("CondizioniInGioco")->parentWidget()->pos(), QPoint(37, 23));
    }

    void forecastCanAlwaysBeReachedFromTheMenu() {
        auto* forecast = visible<Pronostico>("Pronostico");
        QVERIFY(forecast);
        qobject_cast<QMdiSubWindow*>(forecast->parentWidget())->close();
        QVERIFY(!visible<QTableWidget>("MSFlexGrid3"));
        QAction* item = menuItem("Condizioni", "Pronostico");
        QVERIFY(item);
        item->trigger();
        QVERIFY(visible<QTableWidget>("MSFlexGrid3"));
        QAction* conditions = menuItem("Condizioni", "Condizioni");
        QVERIFY(conditions);
        conditions->trigger();
        QVERIFY(visible<QWidget>("CondizioniInGioco"));
    }

    void tooFewNumbersBringTheForecastForward() {
        auto* forecast = visible<Pronostico>("Pronostico");
        qobject_cast<QMdiSubWindow*>(forecast->parentWidget())->close();
        QString title;
        clickInNextModal("OK", &title);
        pressKey(Qt::Key_F5);
        QTRY_VERIFY(visible<QTableWidget>("MSFlexGrid3"));
        QVERIFY(!title.isEmpty());
        QVERIFY(!visible<SviluppoS>("SviluppoS"));
    }

    void newSystemAfterADevelopmentUnlocksTheForecast() {
        develop();
        QCOMPARE(visible<QPushButton>("ComRossoNero")->text(), QString("Sblocca"));
        // Nuovo asks to save the developed system first.
        clickInNextModal("No");
        menuItem("MenuFile", "Nuovo")->trigger();
        auto* lock = visible<QPushButton>("ComRossoNero");
        QVERIFY(lock);
        QCOMPARE(lock->text(), QString("Blocca"));
        QVERIFY(visible<QTableWidget>("MSFlexGrid3")->isEnabled());
        QVERIFY(visible<QPushButton>("CalcSviluppo(0)")->isEnabled());
        QCOMPARE(status(), QString("Colonne finali = 0"));
        // F5 on the empty forecast refuses instead of developing nothing.
        clickInNextModal("OK");
        pressKey(Qt::Key_F5);
        QTest::qWait(200);
        QVERIFY(!program_->state->modified);
    }

    void keyboardReachesEveryControl() {
        auto* numbers = visible<QTableWidget>("MSFlexGrid3");
        auto* numeroni = visible<QTableWidget>("MSFlEuroNumP");
        numbers->setFocus();
        // Arrows move inside the grid, Space chooses, Tab leaves.
        QTest::keyClick(numbers, Qt::Key_Right);
        QTest::keyClick(numbers, Qt::Key_Space);
        QCOMPARE(program_->state->selection.state(2), Selection::Chosen);
        QTest::keyClick(numbers, Qt::Key_Tab);
        QTRY_VERIFY(numeroni->hasFocus());
        QTest::keyClick(numeroni, Qt::Key_Right);
        QTest::keyClick(numeroni, Qt::Key_Space);
        QVERIFY(program_->state->selection.numerone(2));
        QTest::keyClick(numeroni, Qt::Key_Return);
        QVERIFY(!program_->state->selection.numerone(2));
        QTest::keyClick(numeroni, Qt::Key_Tab);
        QTRY_VERIFY(visible<QPushButton>("ComRossoNero")->hasFocus());
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QTRY_VERIFY(visible<QPushButton>("CalcSviluppo(0)")->hasFocus());
    }

    void setupWindowFromTheMenu() {
        QAction* item = menuItem("Condizioni", "Imposta sistema");
        QVERIFY(item);
        item->trigger();
        auto* setup = visible<QWidget>("Sviluppatore");
        QVERIFY(setup);
        QVERIFY(setup->findChild<QPushButton*>("ImageHelp"));
        // The coverage belongs to a guarantee level.
        auto* level = setup->findChild<QAbstractButton*>("Option1(1)");
        QTest::mouseClick(level, Qt::LeftButton, {}, QPoint(8, level->height() / 2));
        auto* coverage = setup->findChild<QLineEdit*>("Text1");
        QVERIFY(coverage->isEnabled());
        coverage->setFocus();
        coverage->selectAll();
        QTest::keyClick(coverage, Qt::Key_Delete);
        QTest::keyClicks(coverage, "abc999");
        QCOMPARE(setup->findChild<QLabel*>("LabCopertura")->text(),
                 QString("Valore non valido: sarà usato 100,0"));
        saveScreenshot(setup, "strada-imposta-sistema");
        // Escape is "Annulla": the typed coverage is not applied.
        QTest::keyClick(setup, Qt::Key_Escape);
        QTRY_VERIFY(!setup->isVisible());
        QVERIFY(!program_->state->modified);
    }
};

QTEST_MAIN(RoadTest)
#include "tst_road.moc"
