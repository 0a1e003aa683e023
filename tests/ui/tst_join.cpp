#include "UiTestSupport.h"
#include "WidgetDriving.h"
#include "shell/ui/Varnelo.h"
#include "system/ColumnSystems.h"

#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QSpinBox>
#include <QTableView>
#include <QtTest>

#include <memory>

using namespace varnelo;

namespace {

Column col(int a, int b, int c, int d, int e) {
    return {std::uint8_t(a), std::uint8_t(b), std::uint8_t(c), std::uint8_t(d), std::uint8_t(e)};
}

// Picks the system `name` in the next "Apri sistemi colonnari:" and opens it.
void pickInNextChooser(const QString& name) {
    whenModalShows([name](QWidget* w) {
        auto* list = w->findChild<QListWidget*>("ListSistemi");
        for (int i = 0; list && i < list->count(); ++i)
            if (list->item(i)->data(Qt::UserRole).toString() == name)
                list->setCurrentRow(i);
        if (auto* open = w->findChild<QAbstractButton*>("CommApri"))
            open->click();
    });
}

// Types `name` in the next name box and confirms it.
void nameInNextDialog(const QString& name) {
    whenModalShows([name](QWidget* w) {
        if (auto* box = w->findChild<QLineEdit*>())
            box->setText(name);
        if (auto* ok = w->findChild<QAbstractButton*>("OK"))
            ok->click();
    });
}

} // namespace

// "Unisci sistemi" as a player uses it: the menu item, both systems chosen,
// an elimination level, the join, the save.
class JoinTest : public QObject {
    Q_OBJECT

    std::unique_ptr<MainWindowUnderTest> app_;

    ProgramFolder folder() const { return app_->program.state->folder; }

  private Q_SLOTS:
    void initTestCase() { prepareWindowTests(); }
    void init() {
        app_ = std::make_unique<MainWindowUnderTest>();
        QVERIFY(
            saveColumnSystem(folder(), "uno", {col(1, 2, 3, 4, 5), col(6, 7, 8, 9, 10)}).done());
        QVERIFY(
            saveColumnSystem(folder(), "due",
                             {col(1, 2, 3, 4, 5), col(1, 2, 20, 21, 22), col(30, 31, 32, 33, 34)})
                .done());
    }
    void cleanup() { app_.reset(); }

    void joinsWithGuarantee2AndSaves() {
        QWidget* w = openFromMenu(&app_->main, "MenuColVincenti(7)", "UnisciColonne");
        QVERIFY(w);
        pickInNextChooser("uno");
        clickButton(w, "CommSistema1");
        pickInNextChooser("due");
        clickButton(w, "CommSistema2");
        QCOMPARE(w->findChild<QLabel*>("LabSistema2")->text(), "2° Sistema = due   colonne = 3");
        clickButton(w, "CheckElimina");
        clickButton(w, "OptElimina(3)");
        clickButton(w, "CommUnisci");
        QTRY_COMPARE(w->findChild<QLabel*>("LabEliminate")->text(), "Eliminate = 2");
        QCOMPARE(w->findChild<QLabel*>("LabRisultato")->text(), "Sistema Unito   N° Colonne= 3");
        saveScreenshot(w, "unisci-colonne");
        nameInNextDialog("unito");
        clickButton(w, "CommSalva");
        std::vector<Column> saved;
        QVERIFY(!readColumnSystem(folder(), "unito", saved));
        QCOMPARE(saved.size(), std::size_t{3});
        QVERIFY(saved[2] == col(30, 31, 32, 33, 34));
    }

    void refusesTheSameSystemTwiceAndAnInputName() {
        QWidget* w = openFromMenu(&app_->main, "MenuColVincenti(7)", "UnisciColonne");
        QVERIFY(w);
        pickInNextChooser("uno");
        clickButton(w, "CommSistema1");
        pickInNextChooser("uno");
        clickButton(w, "CommSistema2");
        QString title;
        clickInNextModal("OK", &title);
        clickButton(w, "CommUnisci");
        QCOMPARE(title, "Avviso:");
        QCOMPARE(w->findChild<QLabel*>("LabEliminate")->text(), "Eliminate = 0");
        pickInNextChooser("due");
        clickButton(w, "CommSistema2");
        clickButton(w, "CommUnisci");
        QTRY_COMPARE(w->findChild<QLabel*>("LabRisultato")->text(),
                     "Sistema Unito   N° Colonne= 5");
        nameInNextDialog("due");
        clickInNextModal("OK", &title);
        clickButton(w, "CommSalva");
        std::vector<Column> kept;
        QVERIFY(!readColumnSystem(folder(), "due", kept));
        QCOMPARE(kept.size(), std::size_t{3});
    }

    void chooserDeletesAJoinedSystemAfterAsking() {
        QVERIFY(saveColumnSystem(folder(), "unito", {col(1, 2, 3, 4, 5)},
                                 ExtraFile{"unito.sss", "Sistema Unito"})
                    .done());
        QWidget* w = openFromMenu(&app_->main, "MenuColVincenti(7)", "UnisciColonne");
        QVERIFY(w);
        bool stillListed = true;
        whenModalShows([&stillListed](QWidget* chooser) {
            QCOMPARE(chooser->windowTitle(), "Apri sistemi colonnari:");
            saveScreenshot(chooser, "gestione-unione");
            auto* list = chooser->findChild<QListWidget*>("ListSistemi");
            for (int i = 0; i < list->count(); ++i)
                if (list->item(i)->data(Qt::UserRole).toString() == "unito")
                    list->setCurrentRow(i);
            clickInNextModal("Si");
            chooser->findChild<QAbstractButton*>("CommElimina")->click();
            stillListed = !list->findItems("unito", Qt::MatchStartsWith).isEmpty();
            chooser->findChild<QAbstractButton*>("CommChiudi")->click();
        });
        clickButton(w, "CommSistema1");
        QVERIFY(!stillListed);
        QVERIFY(!QFile::exists(app_->program.path("qor/unito.sse")));
        QVERIFY(!QFile::exists(app_->program.path("qor/unito.sss")));
        QVERIFY(QFile::exists(app_->program.path("qor/uno.sse")));
    }

    // "Confronta Colonne": AND, a refused sign change, OR saved under a new name.
    void comparesAndSaves() {
        QWidget* w = openFromMenu(&app_->main, "MenuColVincenti(8)", "ConfrontaColonne");
        QVERIFY(w);
        pickInNextChooser("uno");
        clickButton(w, "CommSistema1");
        pickInNextChooser("due");
        clickButton(w, "CommSistema2");
        auto* operation = w->findChild<QComboBox*>("ComboS1");
        auto* result = w->findChild<QLabel*>("LabColonne");
        // The signs of the first system until there is a result.
        auto* signs = w->findChild<QTableView*>("MSFSegni");
        QCOMPARE(signs->model()->rowCount(), 10);
        operation->setCurrentText("AND");
        clickButton(w, "CommEsegui");
        QTRY_COMPARE(result->text(), "Colonne N° = 1");

        operation->setCurrentText("Sostituzione di Segni");
        w->findChild<QSpinBox*>("TextNumero")->setValue(1);
        w->findChild<QSpinBox*>("TextConNumero")->setValue(5);
        QString refused;
        whenModalShows([&refused](QWidget* notice) {
            refused = notice->findChild<QLabel*>("Testo")->text();
            notice->findChild<QAbstractButton*>("OK")->click();
        });
        clickButton(w, "CommEsegui");
        QTRY_VERIFY(refused.contains("Controllare la sostituzione dei segni."));
        QCOMPARE(result->text(), "");

        operation->setCurrentText("OR");
        clickButton(w, "CommEsegui");
        QTRY_COMPARE(result->text(), "Colonne N° = 4");
        QCOMPARE(signs->model()->rowCount(), 18);
        saveScreenshot(w, "confronta-colonne");
        QString title;
        nameInNextDialog("archivio");
        clickInNextModal("OK", &title);
        clickButton(w, "CommSalva");
        QCOMPARE(title, "Avviso:");
        nameInNextDialog("unione");
        clickButton(w, "CommSalva");
        std::vector<Column> saved;
        QVERIFY(!readColumnSystem(folder(), "unione", saved));
        QCOMPARE(saved.size(), std::size_t{4});
        QVERIFY(saved[0] == col(6, 7, 8, 9, 10));

        // 1 2 20 21 22 is three numbers away from 1 2 3 4 5 kept before it.
        w->findChild<QSpinBox*>("TextConsecutivita")->setValue(4);
        clickButton(w, "CommEsegui");
        QTRY_COMPARE(result->text(), "Colonne N° = 3   Scartate per consecutività = 1");
    }
};

QTEST_MAIN(JoinTest)
#include "tst_join.moc"
