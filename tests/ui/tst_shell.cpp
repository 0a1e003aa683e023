#include "UiTestSupport.h"
#include "app/gui/Startup.h"
#include "shell/ui/CondizioniInGioco.h"
#include "shell/ui/Pronostico.h"
#include "shell/ui/Sviluppatore.h"
#include "shell/ui/Varnelo.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QStandardPaths>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QToolBar>
#include <QtTest>

#include <functional>
#include <memory>

using namespace varnelo;

class ShellTest : public QObject {
    Q_OBJECT

    std::unique_ptr<TestProgram> program_;
    ProgramState* state_ = nullptr;
    std::unique_ptr<Varnelo> main_;

    // "Imposta sistema" from its menu.
    void openSetup() { main_->findChild<QAction*>("Condizioni(1)")->trigger(); }

  private Q_SLOTS:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }

    void init() {
        program_ = std::make_unique<TestProgram>();
        state_ = program_->state.get();
        main_ = std::make_unique<Varnelo>(*state_);
        main_->show();
    }
    void cleanup() {
        main_.reset();
        program_.reset();
    }

    void menusFollowTheLayout() {
        auto* file = main_->findChild<QMenu*>("MenuFile");
        QVERIFY(file);
        QCOMPARE(file->title(), QString("&Sistemi"));
        QStringList texts;
        for (QAction* a : file->actions())
            texts << (a->isSeparator() ? "-" : a->text());
        QCOMPARE(texts, QStringList({"Nuovo", "Apri", "Apri sistemi versione precedente", "Salva",
                                     "Salva col nome", "Import\\Export", "-",
                                     "Salva colonne su file di testo",
                                     "Importa colonne da file di testo", "-", "Esci"}));
        auto* open = main_->findChild<QAction*>("MenuFile(2)");
        QCOMPARE(open->shortcut(), QKeySequence("F3"));
        QVERIFY(!main_->findChild<QAction*>("CondProgramma(9)")->isVisible());
        // The number-entry and conditions-in-play windows can always be reached.
        QVERIFY(main_->findChild<QAction*>("Condizioni(9)")->isVisible());
        QVERIFY(main_->findChild<QAction*>("Condizioni(10)")->isVisible());
        QVERIFY(!main_->findChild<QAction*>("MenuFile(8)")->isEnabled()); // no columns yet
        QVERIFY(!main_->findChild<QMenu*>("ColonneSistema")->isEnabled());
        // A window that does not exist yet stays visible, disabled, with a tooltip.
        auto* homePage = main_->findChild<QAction*>("MenHelp(2)");
        QVERIFY(homePage->isVisible());
        QVERIFY(homePage->toolTip().contains("Non ancora disponibile"));
        QVERIFY(main_->findChild<QAction*>("Condizioni(1)")->isEnabled()); // Imposta sistema
        QCOMPARE(main_->findChild<QAction*>("Condizioni(1)")->shortcut(), QKeySequence("F11"));
        QVERIFY(main_->findChild<QMenu*>("Sommai"));
        QCOMPARE(main_->findChild<QMenu*>("Sommai")->actions().size(), 6);
        auto* bar = main_->findChild<QToolBar*>("Bar");
        QVERIFY(bar->findChild<QAction*>("Statistiches") ||
                main_->findChild<QAction*>("Statistiches"));
        QCOMPARE(main_->findChild<QAction*>("Statistiches")->property("command"),
                 main_->findChild<QAction*>("Statistiche1")->property("command"));
        saveScreenshot(main_.get(), "Varnelo");
    }

    void popupMenusSwitchTheirSlots() {
        auto* sums = main_->findChild<QMenu*>("Sommai");
        const auto items = sums->actions();
        QCOMPARE(items.size(), 6);
        items[1]->trigger(); // "Somma pari"
        QVERIFY(state_->conditions.isActive(112));
        QVERIFY(!state_->conditions.isActive(111));
        items[4]->trigger(); // "Tutto attivato"
        for (int slot = 111; slot <= 114; ++slot)
            QVERIFY(state_->conditions.isActive(slot));
        items[5]->trigger(); // "Tutto disattivato"
        for (int slot = 111; slot <= 114; ++slot)
            QVERIFY(!state_->conditions.isActive(slot));
        QVERIFY(state_->modified);
        QVERIFY(state_->modifiedFamilies.names().size() == 1);
        auto* positions = main_->findChild<QMenu*>("Attivacc");
        QVERIFY(!positions->actions()[5]->isEnabled()); // the sixth position has no slot
    }

    void conditionMenuCheckMarks() {
        auto* somma = main_->findChild<QAction*>("CondProgramma(28)");
        QVERIFY(somma->isCheckable());
        QVERIFY(!somma->isChecked());
        state_->conditions.setActive(111, true);
        main_->refresh();
        QVERIFY(!somma->isChecked()); // active without admitted values
        state_->conditions.setCell(111, 120, {CellStatus::Admitted, 0});
        main_->refresh();
        QVERIFY(somma->isChecked());
    }

    void numberGridEditModes() {
        main_->findChild<QAction*>("Condizioni(9)")->trigger();
        Pronostico* p = main_->pronostico();
        QVERIFY(p->isVisible());
        auto* grid = p->findChild<QTableWidget*>("MSFlexGrid3");
        QVERIFY(grid);
        for (int n : {3, 14, 27, 38, 41, 49})
            clickNumber(p, n);
        QCOMPARE(state_->selection.chosenCount(), 6);
        QCOMPARE(grid->item(1, 3)->background().color(), QColor(0xff, 0x60, 0x60));
        clickNumber(p, 14); // a second click drops it
        QCOMPARE(state_->selection.state(14), Selection::NotChosen);
        clickNumber(p, 14, Qt::LeftButton, Qt::ControlModifier);
        QCOMPARE(state_->selection.state(14), Selection::Fixed);
        clickNumber(p, 3, Qt::RightButton);
        QCOMPARE(state_->selection.state(3), Selection::NotChosen);
        clickNumber(p, 50);
        QCOMPARE(state_->selection.chosenCount(), 5);
        QVERIFY(state_->modified);

        // Keyboard: F fixes, never a fifth; mode 0 on a chosen number drops it.
        grid->setFocus();
        for (int column : {0, 1, 4}) {
            grid->setCurrentCell(0, column);
            QTest::keyClick(grid, Qt::Key_F);
        }
        QCOMPARE(state_->selection.fixedCount(), 4);
        grid->setCurrentCell(0, 6);
        QTest::keyClick(grid, Qt::Key_F);
        QCOMPARE(state_->selection.state(7), Selection::NotChosen);
        QTest::keyClick(grid, Qt::Key_S);
        QCOMPARE(state_->selection.state(7), Selection::Chosen);
        clickNumber(p, 7, Qt::LeftButton, Qt::ControlModifier);
        QCOMPARE(state_->selection.state(7), Selection::NotChosen);
        QTest::keyClick(grid, Qt::Key_Plus);
        QTest::keyClick(grid, Qt::Key_Minus);
        QCOMPARE(state_->selection.state(7), Selection::NotChosen);

        clickNumerone(p, 2);
        clickNumerone(p, 10);
        QCOMPARE(state_->selection.numeroneCount(), 2);
        QVERIFY(state_->selection.numerone(10));
        saveScreenshot(p, "Pronostico");

        auto* lock = p->findChild<QPushButton*>("ComRossoNero");
        QCOMPARE(lock->text(), QString("Blocca"));
        lock->click();
        QCOMPARE(lock->text(), QString("Sblocca"));
        clickNumber(p, 30);
        QCOMPARE(state_->selection.state(30), Selection::NotChosen); // locked
        lock->click();
        QCOMPARE(lock->text(), QString("Blocca"));
    }

    void setupWindowRules() {
        openSetup();
        auto* w = main_->findChild<Sviluppatore*>("Sviluppatore");
        QVERIFY(w);
        QCOMPARE(w->windowTitle(), QString("Imposta sistema:"));
        saveScreenshot(w, "Sviluppatore");
        auto* coverage = w->findChild<QLineEdit*>("Text1");
        QVERIFY(!coverage->isEnabled()); // integral
        w->findChild<QRadioButton*>("Option1(1)")->click();
        QVERIFY(coverage->isEnabled());
        w->findChild<QCheckBox*>("Check3")->click();
        QVERIFY(!w->findChild<QRadioButton*>("Option1(0)")->isEnabled());
        QVERIFY(w->findChild<QComboBox*>("Combs")->isEnabled());
        w->findChild<QComboBox*>("Combs")->setCurrentIndex(6);
        auto* contest = w->findChild<QLineEdit*>("TexNumConcorso");
        w->findChild<QCheckBox*>("Check8")->click();
        contest->setText("900");
        w->findChild<QCheckBox*>("Check7")->click();
        w->findChild<QPushButton*>("CalcSviluppo(1)")->click();
        QCOMPARE(state_->options.guaranteeKind, 7);
        QCOMPARE(state_->options.kindCode, 2);
        QCOMPARE(state_->settings.contestNumber, 500);
        QCOMPARE(state_->settings.displayOptions, 2);
        QVERIFY(state_->settings.shuffle);

        // Difference 3 round-trips through the window; a cleared coverage gives 100.
        openSetup();
        w->findChild<QCheckBox*>("Check3")->click();
        w->findChild<QCheckBox*>("Check2")->click();
        w->findChild<QSpinBox*>("TexMR")->setValue(3);
        w->findChild<QPushButton*>("CalcSviluppo(1)")->click();
        QCOMPARE(state_->options.kindCode, 23);
        openSetup();
        QVERIFY(w->findChild<QCheckBox*>("Check2")->isChecked());
        QCOMPARE(w->findChild<QSpinBox*>("TexMR")->value(), 3);
        w->findChild<QCheckBox*>("Check2")->click();
        w->findChild<QRadioButton*>("Option1(2)")->click();
        coverage->clear();
        w->findChild<QPushButton*>("CalcSviluppo(1)")->click();
        QCOMPARE(state_->options.coverage, 100.0);
        QCOMPARE(state_->options.developmentLevel, 3);

        // Annulla drops the edits.
        openSetup();
        w->findChild<QRadioButton*>("Option1(4)")->click();
        w->findChild<QPushButton*>("CalcSviluppo(0)")->click();
        QCOMPARE(state_->options.developmentLevel, 3);
    }

    void conditionsInPlayWindow() {
        state_->conditions.setActive(116, true);
        state_->conditions.setCell(116, 3, {CellStatus::Admitted, 0});
        main_->findChild<QAction*>("Condizioni(10)")->trigger();
        auto* w = main_->findChild<CondizioniInGioco*>("CondizioniInGioco");
        QVERIFY(w && w->isVisible());
        auto* list = w->findChild<QTableWidget*>("MSFCondizioni");
        QCOMPARE(list->rowCount(), 41);
        QCOMPARE(list->item(9, 0)->text(), QString("Distanza"));
        QCOMPARE(list->item(9, 0)->background().color(), QColor(0xC0, 0xFF, 0xC0));
        QCOMPARE(list->item(0, 0)->background().color(), QColor(Qt::white));
        // A click on the row lists its sub-conditions; choosing one switches it.
        QStringList entries;
        std::function<void()> answer = [&entries, &answer] {
            auto* popup = qobject_cast<QMenu*>(QApplication::activePopupWidget());
            if (!popup) {
                QTimer::singleShot(20, answer);
                return;
            }
            for (QAction* a : popup->actions())
                entries << a->text();
            popup->actions()[1]->trigger();
            popup->close();
        };
        QTimer::singleShot(20, answer);
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                          list->visualItemRect(list->item(9, 0)).center());
        QTRY_COMPARE(entries.size(), 4);
        QCOMPARE(entries[1], QString("Distanza Minima attivata"));
        // A double click opens the family's editor.
        const QRect row = list->visualItemRect(list->item(9, 0));
        QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, row.center());
        QTRY_VERIFY(main_->findChild<QWidget*>("CondizioniTre") &&
                    main_->findChild<QWidget*>("CondizioniTre")->isVisible());
        QVERIFY(!state_->conditions.isActive(116));
        QCOMPARE(list->item(9, 0)->background().color(), QColor(Qt::white));
        QVERIFY(w->findChild<QLabel*>("LabModificate")->text().contains("Distanza"));
        saveScreenshot(w, "CondizioniInGioco");
    }
};

QTEST_MAIN(ShellTest)
#include "tst_shell.moc"
