#include "UiTestSupport.h"
#include "WidgetDriving.h"
#include "checking/LevelScores.h"
#include "checking/ui/ColonneSulVideo.h"
#include "columns/ColumnView.h"
#include "engine/ui/SviluppoS.h"
#include "shell/ui/Pronostico.h"
#include "support/Columns.h"
#include "system/ColumnSystems.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>

#include <random>

using namespace varnelo;

namespace {

std::vector<Column> randomColumns(std::size_t count) {
    std::mt19937 rng(7);
    std::vector<Column> out(count);
    for (Column& c : out)
        c = test::randomColumn(rng);
    return out;
}

std::vector<Column> storedColumns(const ColumnStore& s) {
    std::vector<Column> out;
    for (std::int32_t i = 1; i <= s.storedCount; ++i)
        out.push_back(s.column(i));
    return out;
}

// Answers the next notice whose text holds `part` with the button `button`,
// and keeps its text in `seen`.
void answerNotice(const QString& part, const QString& button, QString* seen = nullptr) {
    whenModalShows(
        [button, seen](QWidget* w) {
            if (seen)
                *seen = w->findChild<QLabel*>("Testo")->text();
            w->findChild<QAbstractButton*>(button)->click();
        },
        [part](QWidget* w) {
            auto* text = w->findChild<QLabel*>("Testo");
            return text && text->text().contains(part);
        });
}

// Types `name` in the next "Salva col nome:" and confirms it.
void nameInNextDialog(const QString& name) {
    whenModalShows(
        [name](QWidget* w) {
            w->findChild<QLineEdit*>("TextNome")->setText(name);
            w->findChild<QAbstractButton*>("OK")->click();
        },
        [](QWidget* w) { return w->objectName() == "SalvaColonne"; });
}

QStringList rowTexts(const QAbstractItemModel* m, int row) {
    QStringList cells;
    for (int c = 0; c < m->columnCount(); ++c)
        cells << m->index(row, c).data().toString();
    return cells;
}

} // namespace

class ColumnViewTest : public QObject {
    Q_OBJECT

    std::unique_ptr<MainWindowUnderTest> app_;
    ProgramState* state_ = nullptr;

    Varnelo& main() { return app_->main; }
    ColonneSulVideo* openFromMenuItem() {
        return qobject_cast<ColonneSulVideo*>(
            openFromMenu(&main(), "ColonneSistema(1)", "ColonneSulVideo"));
    }
    QTableView* list(QWidget* w) { return w->findChild<QTableView*>("MSFlexGrid1"); }
    void markCells(QWidget* w, std::initializer_list<int> cells) {
        for (int n : cells)
            clickBoardCell(w, "MSFCV", n);
    }

  private Q_SLOTS:
    void initTestCase() { prepareWindowTests(); }
    void init() {
        app_ = std::make_unique<MainWindowUnderTest>();
        state_ = app_->program.state.get();
    }
    void cleanup() { app_.reset(); }

    // A developed system changed by hand: a column made of five clicked
    // cells, another deleted, saved as a column-defined system and found
    // again on reopening; then its distribution of wins.
    void editedColumnsAreSavedAndReopened() {
        QVERIFY(!openFromMenuItem()); // no columns yet: the item is shut
        clickNumber(main().pronostico(), 4, Qt::LeftButton, Qt::ControlModifier);
        developAtPronostico(main(), {1, 2, 3, 5, 6, 7}, {1, 2});
        const std::vector<Column> developed = storedColumns(state_->columns);
        QVERIFY(!developed.empty());
        const QString name = QString::fromStdString(state_->systemName);

        ColonneSulVideo* w = openFromMenuItem();
        QVERIFY(w);
        QCOMPARE(w->windowTitle(), "Colonne sul video   ...Nome sistema = " + name);
        QCOMPARE(w->findChild<QLabel*>("LabSistema")->text(),
                 "Sistema = " + name + "\nNumeri (7): 1-2-3-4-5-6-7\nCapogiochi: 4");
        QCOMPARE(list(w)->model()->rowCount(), int(developed.size()));

        markCells(w, {40, 3, 17, 9, 22});
        clickButton(w, "TastiColViveo(2)");
        const int last = int(developed.size());
        QCOMPARE(rowTexts(list(w)->model(), last),
                 QStringList({QString::number(last + 1), "03", "09", "17", "22", "40"}));

        clickCell(w, 0);
        auto* insert = w->findChild<QPushButton*>("TastiColViveo(2)");
        QCOMPARE(insert->text(), "Modifica  colonna");
        clickButton(w, "TastiColViveo(1)");
        QCOMPARE(insert->text(), "Inserisci nuova colonna");
        std::vector<Column> expected(developed.begin() + 1, developed.end());
        expected.push_back(test::col(3, 9, 17, 22, 40));
        QCOMPARE(storedColumns(w->columns()), expected);
        QVERIFY(storedColumns(state_->columns) == developed); // nothing saved yet

        QString question, told;
        answerNotice("Salvare le modifiche al sistema = ", "Si", &question);
        answerNotice("salvato come file colonnare", "OK", &told);
        clickButton(w, "TastiColViveo(5)");
        QCOMPARE(question,
                 "Salvare le modifiche al sistema = " + name + "\nconfermare le modifiche");
        QVERIFY(told.contains(name));
        QVERIFY(state_->options.imported());
        QCOMPARE(w->findChild<QLabel*>("LabColonne")->text(),
                 QString("Numero colonne = %1").arg(expected.size()));
        QCOMPARE(app_->status(), QString("Colonne finali = %1").arg(expected.size()));
        std::vector<Column> onDisk;
        QVERIFY(!readColumnSystem(state_->folder, state_->systemName, onDisk));
        QCOMPARE(onDisk, expected);

        clickButton(w, "TastiColViveo(0)");
        QVERIFY(!w->isVisible());
        w = openFromMenuItem();
        QVERIFY(w);
        QCOMPARE(storedColumns(w->columns()), expected);
        QCOMPARE(list(w)->model()->rowCount(), int(expected.size()));
        QVERIFY(!w->hasChanges());

        clickButton(w, "TastiColViveo(3)");
        auto* grid = w->findChild<QTableView*>("MSFlexGrid2");
        QTRY_COMPARE_WITH_TIMEOUT(grid->model()->rowCount(), 6, 60000);
        Progress progress;
        const WinLevels levels =
            winLevels(winLevelsInput(state_->selection, state_->columns, false), progress);
        const std::vector<LevelScoreRow> rows = levelScoreRows(levels);
        for (int r = 0; r < 6; ++r) {
            QStringList want;
            for (const std::string& cell : rows[std::size_t(r)])
                want << QString::fromStdString(cell);
            QCOMPARE(rowTexts(grid->model(), r), want);
        }
        saveScreenshot(w, "colonne-sul-video");
    }

    // The toolbar key opens the window; deleting the only column leaves an
    // empty list, and closing without saving keeps the system as it was.
    void deletingTheLastColumnLeavesAnEmptyList() {
        fillColumns(*state_, {test::col(5, 10, 15, 20, 25)});
        main().refresh();
        main().findChild<QAction*>("ColonneVideo")->trigger();
        auto* w = main().findChild<ColonneSulVideo*>("ColonneSulVideo");
        QVERIFY(w && w->isVisible());
        clickCell(w, 0);
        clickButton(w, "TastiColViveo(1)");
        QCOMPARE(list(w)->model()->rowCount(), 0);
        QCOMPARE(w->columns().storedCount, 0);
        QVERIFY(w->findChild<QLabel*>("LabColonne")->text().startsWith("Numero colonne = 0"));

        QString missing;
        answerNotice("Ai evidenziato", "OK", &missing);
        markCells(w, {1, 2, 3});
        clickButton(w, "TastiColViveo(2)");
        QCOMPARE(missing, QString("Ai evidenziato = 3  Caselle\nNe devi evidenziare = 5"));
        QCOMPARE(w->columns().storedCount, 0);

        QString question;
        answerNotice("Salvare le modifiche al sistema = ", "No", &question);
        clickButton(w, "TastiColViveo(0)");
        QVERIFY(!question.isEmpty());
        QVERIFY(!w->isVisible());
        QCOMPARE(state_->columns.storedCount, 1);
        main().findChild<QAction*>("ColonneVideo")->trigger();
        QCOMPARE(list(w)->model()->rowCount(), 1);
    }

    // "Salva col nome": the reserved name refused, an existing system kept
    // when the player does not replace it, a new name saved and made current.
    void savesUnderANewNameWithItsQuestions() {
        const std::vector<Column> old = {test::col(1, 2, 3, 4, 5)};
        QVERIFY(saveColumnSystem(state_->folder, "altro", old).done());
        fillColumns(*state_, {test::col(5, 10, 15, 20, 25), test::col(6, 12, 18, 24, 30)});
        main().refresh();
        ColonneSulVideo* w = openFromMenuItem();
        QVERIFY(w);
        clickCell(w, 0);
        clickButton(w, "TastiColViveo(1)");

        QString told;
        nameInNextDialog("archivio");
        answerNotice("archivio", "OK", &told);
        clickButton(w, "TastiColViveo(8)");
        QVERIFY(told.startsWith("Non e possibile salvare un sistema col nome ''archivio''"));

        QString asked;
        nameInNextDialog("altro");
        answerNotice("Sostituire il file?", "No", &asked);
        clickButton(w, "TastiColViveo(8)");
        QCOMPARE(asked, QString("File gia esistente  = altro\nSostituire il file?"));
        std::vector<Column> kept;
        QVERIFY(!readColumnSystem(state_->folder, "altro", kept));
        QCOMPARE(kept, old);
        QVERIFY(w->hasChanges());

        nameInNextDialog("nuovo");
        answerNotice("salvato come file colonnare", "OK");
        clickButton(w, "TastiColViveo(8)");
        QCOMPARE(state_->systemName, std::string("nuovo"));
        QCOMPARE(storedColumns(state_->columns), std::vector<Column>{test::col(6, 12, 18, 24, 30)});
        QCOMPARE(w->windowTitle(), QString("Colonne sul video   ...Nome sistema = nuovo"));
        QVERIFY(!w->hasChanges());
    }

    // Exactly 100,000 columns load, searched by number; one more column is
    // refused, and so is a system of 100,001.
    void holdsAHundredThousandColumnsAndNoMore() {
        const std::vector<Column> many = randomColumns(kColumnViewLimit);
        fillColumns(*state_, many);
        main().refresh();
        ColonneSulVideo* w = openFromMenuItem();
        QVERIFY(w);
        QCOMPARE(list(w)->model()->rowCount(), kColumnViewLimit);

        auto* find = w->findChild<QLineEdit*>("TextColUsc");
        find->setText("99999");
        QTest::keyClick(find, Qt::Key_Return);
        QCOMPARE(list(w)->selectionModel()->selectedRows().first().row(), 99998);
        const Column found = many[99998];
        QCOMPARE(w->findChild<QPushButton*>("TastiColViveo(2)")->text(), "Modifica  colonna");

        clickButton(w, "CommNuova");
        QString refused;
        answerNotice("Non si possono", "OK", &refused);
        markCells(w, {1, 2, 3, 4, 5});
        clickButton(w, "TastiColViveo(2)");
        QCOMPARE(refused, QString("Non si possono più\ninserire colonne Max 100.000"));
        QCOMPARE(w->columns().storedCount, kColumnViewLimit);
        QVERIFY(w->columns().column(99999) == found);
        QVERIFY(!w->hasChanges());

        // A calculation on 100,000 columns stops when the window closes.
        clickButton(w, "TastiColViveo(3)");
        QVERIFY(!w->findChild<QPushButton*>("TastiColViveo(1)")->isEnabled());
        QVERIFY(w->findChild<QPushButton*>("TastiColViveo(0)")->isEnabled());
        clickButton(w, "TastiColViveo(0)");
        QTRY_VERIFY_WITH_TIMEOUT(!w->isVisible(), 60000);

        std::vector<Column> tooMany = many;
        tooMany.push_back(test::col(1, 2, 3, 4, 5));
        fillColumns(*state_, tooMany);
        main().refresh();
        QString told;
        answerNotice("Max 100.000 colonne.", "OK", &told);
        w = openFromMenuItem();
        QVERIFY(w);
        QCOMPARE(told, QString("Colonne N°= 100001\nMax 100.000 colonne."));
        QCOMPARE(list(w)->model()->rowCount(), 0);
        QVERIFY(!w->findChild<QPushButton*>("TastiColViveo(2)")->isEnabled());
        QVERIFY(!w->findChild<QPushButton*>("TastiColViveo(5)")->isEnabled());
    }
};

QTEST_MAIN(ColumnViewTest)
#include "tst_column_view.moc"
