#include "UiTestSupport.h"
#include "app/gui/Startup.h"
#include "engine/ui/SviluppoS.h"
#include "shell/ui/Pronostico.h"
#include "shell/ui/Varnelo.h"
#include "system/SystemRun.h"
#include "system/ui/GestioneSistemi.h"
#include "ui/Avviso.h"

#include "conditions/FamilyFiles.h"
#include "engine/DevelopmentRun.h"
#include "system/SystemStorage.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QRadioButton>
#include <QStandardPaths>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QtTest>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <memory>

using namespace varnelo;

// What a user does with whole systems: develop, save, start anew, reopen.
class SystemsTest : public QObject {
    Q_OBJECT

    std::unique_ptr<TestProgram> program_;
    ProgramState* state_ = nullptr;
    std::unique_ptr<Varnelo> main_;

    QString status() const { return main_->findChild<QLabel*>("ColonneFinali")->text(); }

    void clickNumber(int n) { ::clickNumber(main_->pronostico(), n); }
    void clickNumerone(int n) { ::clickNumerone(main_->pronostico(), n); }
    // A menu item or toolbar key, as the user finds it: visible and enabled.
    bool trigger(const char* name) {
        auto* a = main_->findChild<QAction*>(name);
        if (!a || !a->isVisible() || !a->isEnabled())
            return false;
        a->trigger();
        return true;
    }
    void waitForDevelopment() {
        QTRY_VERIFY_WITH_TIMEOUT(
            main_->developmentWindow() && !main_->developmentWindow()->isRunning(), 60000);
    }

    // "Importa colonne da file di testo" from its menu, on a file of these lines.
    void importColumns(const std::string& lines) {
        const QString file = program_->path("colonne.txt");
        std::ofstream(file.toStdString()) << lines;
        main_->systemCommands().chooseOpenFile = [file](const QString&, const QString&) {
            return file;
        };
        clickInNextModal("OK");
        main_->findChild<QAction*>("MenuFile(9)")->trigger();
    }

    // Develops eight numbers (summing 20..22 when `withCondition`) and saves
    // the system under `name`.
    void saveDeveloped(const std::string& name, bool withCondition) {
        newSystem(*state_);
        for (int n = 1; n <= 8; ++n)
            state_->selection.setState(n, Selection::Chosen);
        state_->selection.setNumerone(1, true);
        state_->selection.setNumerone(2, true);
        if (withCondition) {
            state_->conditions.setActive(111, true); // Somma totale 20..22
            for (int v = 20; v <= 22; ++v)
                state_->conditions.setCell(111, v, {CellStatus::Admitted, 0});
        }
        RunProgress run;
        developSystem(*state_, {}, run);
        Progress progress;
        QVERIFY(saveSystemAs(*state_, name, progress).done());
    }

  private Q_SLOTS:
    void initTestCase() {
        QStandardPaths::setTestModeEnabled(true);
        QLocale::setDefault(QLocale(QLocale::Italian, QLocale::Italy));
    }

    void init() {
        program_ = std::make_unique<TestProgram>();
        state_ = program_->state.get();
        main_ = std::make_unique<Varnelo>(*state_);
        main_->show();
        trigger("Condizioni(9)");
    }
    void cleanup() {
        state_->modified = false; // nothing to ask when the test window goes
        main_.reset();
        program_.reset();
    }

    void developSixNumbersThenSaveNewAndReopen() {
        for (int n : {4, 9, 17, 23, 36, 48})
            clickNumber(n);
        clickNumerone(2);
        clickNumerone(7);
        saveScreenshot(main_.get(), "Varnelo-pronostico");
        auto* develop = main_->pronostico()->findChild<QPushButton*>("CalcSviluppo(0)");
        QVERIFY(develop->isEnabled());
        develop->click();
        waitForDevelopment();
        QCOMPARE(status(), QString("Colonne finali = 6"));
        QVERIFY(main_->findChild<QAction*>("MenuFile(8)")->isEnabled()); // columns to export
        saveScreenshot(main_.get(), "Varnelo-sviluppo");
        saveScreenshot(main_->developmentWindow(), "SviluppoS");

        QVERIFY(trigger("MenuFile(4)"));
        QVERIFY(!state_->modified);
        const std::string name = state_->systemName;
        QVERIFY(QFileInfo::exists(program_->path("qor/" + QString::fromStdString(name) + ".cna")));

        QVERIFY(trigger("MenuFile(1)")); // saved: no question
        QCOMPARE(state_->selection.chosenCount(), 0);
        QCOMPARE(status(), QString("Colonne finali = 0"));
        QVERIFY(state_->systemName != name);

        whenModalShows([&](QWidget* w) {
            auto* dialog = qobject_cast<GestioneSistemi*>(w);
            QVERIFY(dialog);
            saveScreenshot(dialog, "GestioneSistemi");
            auto* grid = dialog->findChild<QTableWidget*>("MSFGestioneS");
            for (int r = 0; r < grid->rowCount(); ++r)
                if (grid->item(r, 0)->text() == QString::fromStdString(name))
                    grid->selectRow(r);
            dialog->findChild<QPushButton*>("CommApri")->click();
        });
        QVERIFY(trigger("MenuFile(2)"));
        QCOMPARE(state_->systemName, name);
        QCOMPARE(state_->selection.chosenNumbers(), (std::vector<int>{4, 9, 17, 23, 36, 48}));
        QVERIFY(state_->selection.numerone(2) && state_->selection.numerone(7));
        QCOMPARE(state_->columns.storedCount, 6);
        QCOMPARE(state_->columns.column(1), (Column{4, 9, 17, 23, 36}));
        QCOMPARE(status(), QString("Colonne finali = 6"));
        QVERIFY(main_->windowTitle().endsWith(QString::fromStdString(name) + ".cna"));
    }

    void fourNumbersShowTheNoticeAndOpenNothing() {
        for (int n : {1, 2, 3, 4})
            clickNumber(n);
        clickNumerone(1);
        clickNumerone(2);
        QString title;
        clickInNextModal("OK", &title);
        QVERIFY(trigger("Condizioni(3)"));
        QCOMPARE(title, QString("Sviluppo:"));
        QVERIFY(!main_->developmentWindow());
        QVERIFY(!main_->pronostico()->isLocked());
    }

    void stopDuringAFullDevelopmentLeavesNothing() {
        for (int n = 1; n <= 49; ++n)
            state_->selection.setState(n, Selection::Chosen);
        state_->selection.setNumerone(1, true);
        state_->selection.setNumerone(2, true);
        state_->options.developmentLevel = 2; // slow enough to be stopped
        QVERIFY(trigger("Condizioni(3)"));
        SviluppoS* w = main_->developmentWindow();
        QVERIFY(w && w->isRunning());
        QVERIFY(!main_->findChild<QAction*>("MenuFile(1)")->isEnabled()); // menus locked
        w->findChild<QPushButton*>("CommStop")->click();
        waitForDevelopment();
        QCOMPARE(status(), QString("Colonne finali = 0"));
        QCOMPARE(state_->columns.storedCount, 0);
        QVERIFY(main_->findChild<QAction*>("MenuFile(1)")->isEnabled());
    }

    void savePromptAnswers() {
        // Unmodified: closing asks nothing.
        QVERIFY(main_->close());
        main_->show();
        // Modified: "Annulla" keeps the program running with the system intact.
        clickNumber(10);
        clickInNextModal("Annulla");
        QVERIFY(!main_->close());
        QVERIFY(main_->isVisible());
        QCOMPARE(state_->selection.state(10), Selection::Chosen);
        // "No" lets it close without saving.
        clickInNextModal("No");
        QVERIFY(main_->close());
        QVERIFY(!QFileInfo::exists(
            program_->path("qor/" + QString::fromStdString(state_->systemName) + ".sse")));
        QVERIFY(
            QFileInfo::exists(program_->path("enal/quadri.csv"))); // settings written at shutdown
    }

    void reworkWithTheConditionsOfAnotherSystem() {
        saveDeveloped("tutte", false);
        saveDeveloped("filtro", true);
        const int filtered = state_->columns.finalCount;
        QVERIFY(filtered > 0 && filtered < 56);
        newSystem(*state_);
        main_->refresh();

        whenModalShows([&](QWidget* w) {
            auto* dialog = qobject_cast<GestioneSistemi*>(w);
            QVERIFY(dialog);
            auto* grid = dialog->findChild<QTableWidget*>("MSFGestioneS");
            for (int r = 0; r < grid->rowCount(); ++r)
                if (grid->item(r, 0)->text() == "tutte")
                    grid->selectRow(r);
            dialog->findChild<QCheckBox*>("CheRielabora")->setChecked(true);
            dialog->findChild<QRadioButton*>("OptRielabora(2)")->setChecked(true);
            whenModalShows(
                [](QWidget* pick) {
                    pick->findChild<QComboBox*>()->setCurrentText("filtro");
                    qobject_cast<QDialog*>(pick)->accept();
                },
                [](QWidget* w) { return w->findChild<QComboBox*>() != nullptr; });
            dialog->findChild<QPushButton*>("CommApri")->click();
        });
        QVERIFY(trigger("MenuFile(2)"));
        waitForDevelopment();
        QCOMPARE(state_->systemName, std::string("tutte"));
        QCOMPARE(status(), QString("Colonne finali = %1").arg(filtered));
        QVERIFY(state_->conditions.isActive(111));
        QVERIFY(main_->pronostico()->isLocked());
    }

    void importedColumnsLockTheForecast() {
        importColumns("7,3,45,12,9\n1 2 3 4\n10 11 12 13 14\n");
        QCOMPARE(state_->columns.storedCount, 2);
        QCOMPARE(state_->columns.column(1), (Column{3, 7, 9, 12, 45}));
        QCOMPARE(status(), QString("Colonne finali = 2"));
        QVERIFY(main_->pronostico()->isLocked());
        QVERIFY(main_->pronostico()->findChild<QLabel*>("LabRielabora")->isVisible());
        saveScreenshot(main_->pronostico(), "Pronostico-rielaborazione");
    }

    // The open window lists an imported system as columns only, preselects
    // the system in use, refuses to delete the archive system and keeps
    // still while the rework box is ticked.
    void systemListGuardsThePlayer() {
        importColumns("7,3,45,12,9\n10 11 12 13 14\n");
        const QString current = QString::fromStdString(state_->systemName);

        QString selected, description, refusal, question;
        QPoint openBefore, openAfter;
        int listWidth = 0, viewportWidth = -1;
        whenModalShows([&](QWidget* w) {
            auto* grid = w->findChild<QTableWidget*>("MSFGestioneS");
            const int row = grid->currentRow();
            selected = grid->item(row, 0)->text();
            description = grid->item(row, 4)->text();
            for (int r = 0; r < grid->rowCount(); ++r)
                if (grid->item(r, 0)->text() == "archivio")
                    grid->selectRow(r);
            whenModalShows(
                [&](QWidget* notice) {
                    refusal = notice->findChild<QLabel*>("Testo")->text();
                    question = notice->findChild<QAbstractButton*>("Si") ? "Si" : "";
                    notice->findChild<QAbstractButton*>("OK")->click();
                },
                [](QWidget* n) { return n->objectName() == "Avviso"; });
            QTest::mouseClick(w->findChild<QPushButton*>("CommElimina"), Qt::LeftButton);
            // The list still fills its width: no empty band at its side.
            QCoreApplication::processEvents();
            const QHeaderView* header = grid->horizontalHeader();
            listWidth = header->sectionViewportPosition(4) + header->sectionSize(4);
            viewportWidth = grid->viewport()->width();
            auto* open = w->findChild<QPushButton*>("CommApri");
            openBefore = open->mapTo(w, QPoint(0, 0));
            auto* rework = w->findChild<QCheckBox*>("CheRielabora");
            QTest::mouseClick(rework, Qt::LeftButton, {}, QPoint(8, rework->height() / 2));
            QVERIFY(rework->isChecked());
            QCoreApplication::processEvents();
            openAfter = open->mapTo(w, QPoint(0, 0));
            saveScreenshot(w, "GestioneSistemi-rielabora");
            w->findChild<QPushButton*>("CommChiudi")->click();
        });
        main_->findChild<QAction*>("MenuFile(2)")->trigger();
        QCOMPARE(selected, current);
        QCOMPARE(description, QString("Sistema Colonnare"));
        QVERIFY(refusal.contains("non si elimina"));
        QVERIFY(question.isEmpty());
        QVERIFY(QFileInfo::exists(program_->path("qor/archivio.sse")));
        QCOMPARE(openAfter, openBefore);
        QCOMPARE(listWidth, viewportWidth);
    }

    // Enter opens the player's newest system, not the archive system listed
    // before it; Enter on the delete question keeps the system.
    void openWindowPrefersTheNewestOwnSystem() {
        QString preselected;
        auto readPreselected = [&](QWidget* w) {
            auto* grid = w->findChild<QTableWidget*>("MSFGestioneS");
            preselected = grid->item(grid->currentRow(), 0)->text();
            QTest::mouseClick(w->findChild<QPushButton*>("CommChiudi"), Qt::LeftButton);
        };
        // The archive system alone is the one there is to preselect.
        whenModalShows(readPreselected);
        QVERIFY(trigger("MenuFile(2)"));
        QCOMPARE(preselected, QString("archivio"));

        saveDeveloped("zeta", false);
        saveDeveloped("alfa", false);
        newSystem(*state_);
        main_->refresh();
        // Listed by name (alfa, archivio, zeta), newest by time: archivio, zeta, alfa.
        const auto now = std::filesystem::file_time_type::clock::now();
        auto age = [&](const char* name, std::chrono::hours hours) {
            std::filesystem::last_write_time(
                program_->path(QString("qor/%1.sse").arg(name)).toStdString(), now - hours);
        };
        age("alfa", std::chrono::hours(2));
        age("zeta", std::chrono::hours(1));
        age("archivio", std::chrono::hours(0));

        bool keptOnEnter = false;
        whenModalShows([&](QWidget* w) {
            auto* grid = w->findChild<QTableWidget*>("MSFGestioneS");
            preselected = grid->item(grid->currentRow(), 0)->text();
            whenModalShows([](QWidget* q) { QTest::keyClick(q, Qt::Key_Return); },
                           [](QWidget* n) { return n->objectName() == "Avviso"; });
            QTest::mouseClick(w->findChild<QPushButton*>("CommElimina"), Qt::LeftButton);
            keptOnEnter = QFileInfo::exists(program_->path("qor/zeta.sse")) &&
                          grid->item(grid->currentRow(), 0)->text() == "zeta";
            QTest::keyClick(grid, Qt::Key_Return);
        });
        QVERIFY(trigger("MenuFile(2)"));
        QCOMPARE(preselected, QString("zeta"));
        QVERIFY(keptOnEnter);
        QCOMPARE(state_->systemName, std::string("zeta"));
    }

    // A column file that is not the one saved with its settings (a save cut
    // short, a file copied over) opens as no columns, and the player is told.
    void aMismatchedColumnFileOpensWithoutColumnsAndSaysSo() {
        saveDeveloped("misto", false);
        saveDeveloped("altro", true);
        std::filesystem::copy_file(program_->path("qor/altro.cna").toStdString(),
                                   program_->path("qor/misto.cna").toStdString(),
                                   std::filesystem::copy_options::overwrite_existing);
        newSystem(*state_);
        main_->refresh();

        QString title;
        whenModalShows([&](QWidget* w) {
            auto* grid = w->findChild<QTableWidget*>("MSFGestioneS");
            for (int r = 0; r < grid->rowCount(); ++r)
                if (grid->item(r, 0)->text() == "misto")
                    grid->selectRow(r);
            whenModalShows(
                [&](QWidget* n) {
                    title = n->windowTitle();
                    QTest::keyClick(n, Qt::Key_Return);
                },
                [](QWidget* n) { return n->objectName() == "Avviso"; });
            w->findChild<QPushButton*>("CommApri")->click();
        });
        QVERIFY(trigger("MenuFile(2)"));
        QTRY_COMPARE(title, QString("Sistema non integro:"));
        QCOMPARE(state_->systemName, std::string("misto"));
        QCOMPARE(state_->selection.chosenCount(), 8);
        QCOMPARE(state_->columns.storedCount, 0);
        QCOMPARE(status(), QString("Colonne finali = 0"));
    }

    // Enter on a question that destroys something answers "No".
    void destructiveQuestionsDefaultToNo() {
        Avviso overwrite(overwriteQuestion("mio"));
        overwrite.show();
        QTest::keyClick(&overwrite, Qt::Key_Return);
        QCOMPARE(overwrite.reply(), Avviso::No);
        Avviso replace(replaceFileQuestion("mio quadro.txt", "mio quadro"));
        replace.show();
        QTest::keyClick(&replace, Qt::Key_Return);
        QCOMPARE(replace.reply(), Avviso::No);
        state_->modified = true;
        Avviso save(*savePrompt(*state_));
        save.show();
        QTest::keyClick(&save, Qt::Key_Return);
        QCOMPARE(save.reply(), Avviso::Yes);
    }
};

QTEST_MAIN(SystemsTest)
#include "tst_systems.moc"
