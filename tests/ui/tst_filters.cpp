#include "UiTestSupport.h"
#include "WidgetDriving.h"
#include "columns/FilterAnalysis.h"
#include "columns/FilterSources.h"
#include "columns/ui/ColFilUsciteSistem.h"
#include "conditions/FamilyFiles.h"
#include "shell/ui/Varnelo.h"
#include "support/Columns.h"
#include "system/SystemStorage.h"

#include <QAbstractButton>
#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QElapsedTimer>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QProcess>
#include <QScrollBar>
#include <QSpinBox>
#include <QStandardPaths>
#include <QTabWidget>
#include <QTableView>
#include <QTextStream>
#include <QtTest>

#include <memory>
#include <random>

using namespace varnelo;
using varnelo::test::forEachColumn;

namespace {

// What a notice showed: its title and its lines.
struct Seen {
    QString title;
    QString text;
};

// A picture of the window once its layout and charts have settled.
void shot(QWidget* w, const QString& name) {
    QCoreApplication::processEvents();
    saveScreenshot(w, name);
}

ListColumn filterColumn(std::vector<std::uint8_t> numbers, int minHits, int maxHits) {
    return {std::move(numbers), admittedHitBits(minHits, maxHits), 0};
}

} // namespace

// The filter-column windows, driven through their widgets.
class FiltersTest : public QObject {
    Q_OBJECT

    std::unique_ptr<MainWindowUnderTest> app_;
    TestProgram* program_ = nullptr;
    ProgramState* state_ = nullptr;
    Varnelo* main_ = nullptr;

    QWidget* window(const char* name) const {
        auto* w = main_->findChild<QWidget*>(name);
        return w && w->isVisible() ? w : nullptr;
    }
    // "&Condizioni" → "Colonne filtro AND".
    QWidget* openList() {
        QAction* item = main_->findChild<QAction*>("CondProgramma(3)");
        if (!item || !item->isEnabled())
            return nullptr;
        item->trigger();
        return window("ColonneFiltro");
    }
    // Records the next notice and answers it with `button`.
    static std::shared_ptr<Seen> answerNotice(const QString& button = "OK") {
        auto seen = std::make_shared<Seen>();
        whenModalShows(
            [seen, button](QWidget* w) {
                seen->title = w->windowTitle();
                if (auto* t = w->findChild<QLabel*>("Testo"))
                    seen->text = t->text();
                if (auto* b = w->findChild<QAbstractButton*>(button))
                    b->click();
            },
            [](QWidget* w) { return w->objectName() == "Avviso"; });
        return seen;
    }
    static void setRange(QWidget* w, const QString& name, int first, int last) {
        auto* a = w->findChild<QSpinBox*>(name + "(0)");
        auto* b = w->findChild<QSpinBox*>(name + "(1)");
        QVERIFY(a && b);
        a->setValue(first);
        b->setValue(last);
    }
    static QTableView* grid(QWidget* w) { return w->findChild<QTableView*>("MSFGrande"); }
    static QString cell(QWidget* w, int row, int column = 0) {
        return grid(w)->model()->index(row, column).data().toString();
    }
    // Types into a cell of the list, as a player does: a double click opens it.
    static void typeInto(QTableView* view, int row, const QString& text) {
        const QModelIndex at = view->model()->index(row, 0);
        view->scrollTo(at);
        const QPoint centre = view->visualRect(at).center();
        QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, centre);
        QTest::mouseDClick(view->viewport(), Qt::LeftButton, {}, centre);
        QLineEdit* editor = nullptr;
        for (QLineEdit* e : view->viewport()->findChildren<QLineEdit*>())
            if (e->isVisible())
                editor = e;
        QVERIFY(editor);
        editor->selectAll();
        QTest::keyClicks(editor, text);
        QTest::keyClick(editor, Qt::Key_Return);
        QCoreApplication::processEvents();
    }
    QString status() const { return main_->findChild<QLabel*>("ColonneFinali")->text(); }
    QWidget* withList(std::vector<ListColumn> columns) {
        state_->families.filterList.columns = std::move(columns);
        return openList();
    }

  private Q_SLOTS:
    void initTestCase() { prepareWindowTests(); }
    void init() {
        app_ = std::make_unique<MainWindowUnderTest>();
        program_ = &app_->program;
        state_ = program_->state.get();
        main_ = &app_->main;
    }
    void cleanup() { app_.reset(); }

    // The newest 40 draws become filter columns admitting 0..2 hits; the
    // activated list filters the development exactly as the command line
    // filters the saved system.
    void archiveListFiltersTheDevelopmentAsTheCommandLine() {
        QWidget* w = openList();
        QVERIFY(w);
        clickButton(w, "CommImporta");
        QWidget* source = window("ColonneFiltroMatr");
        QVERIFY(source);
        shot(source, "ColonneFiltroMatr");
        clickButton(source, "CommVincenti");
        QWidget* archive = window("ColFilUscite");
        QVERIFY(archive);
        QVERIFY(!window("ColonneFiltroMatr"));
        const auto& draws = state_->archive.selection;
        const int count = static_cast<int>(draws.size());
        QVERIFY(count > 40);
        archive->findChild<QComboBox*>("CombRec")->setCurrentIndex(count - 40);
        archive->findChild<QComboBox*>("CombRec2")->setCurrentIndex(count - 1);
        QVERIFY(archive->findChild<QLabel*>("LabConteggio")->text().endsWith("= 40"));
        setRange(archive, "TextPresenze", 0, 2);
        shot(archive, "ColFilUscite");
        clickButton(archive, "CommImporta");
        QVERIFY(!window("ColFilUscite"));
        QCOMPARE(grid(w)->model()->rowCount(), 41);
        QCOMPARE(cell(w, 0),
                 QString::fromStdString(filterNumbersText(
                     {draws[count - 40].numbers.begin(), draws[count - 40].numbers.end()})));
        QCOMPARE(cell(w, 0, 2), QString("0"));
        QCOMPARE(cell(w, 0, 3), QString("2"));
        QCOMPARE(w->findChild<QLabel*>("LabColonne")->text(), QString("Colonne filtro: 40"));

        w->findChild<QCheckBox*>("CheckCol")->click();
        QVERIFY(w->findChild<QCheckBox*>("CheckCol")->isChecked());
        shot(w, "ColonneFiltro");
        QVERIFY(state_->families.activeFilters.empty()); // nothing taken before "OK"
        clickButton(w, "CommOk");
        QVERIFY(!window("ColonneFiltro"));
        QVERIFY(state_->families.filterList.active);
        QCOMPARE(state_->families.activeFilters.size(), std::size_t{40});
        QVERIFY(main_->findChild<QAction*>("CondProgramma(3)")->isChecked());

        std::vector<int> numbers;
        for (int n = 1; n <= 30; ++n) {
            state_->selection.setState(n, Selection::Chosen);
            numbers.push_back(n);
        }
        state_->selection.setNumerone(1, true);
        state_->selection.setNumerone(2, true);
        state_->systemName = "filtri";
        Progress saving;
        QVERIFY(saveSystem(*state_, saving).done());
        main_->findChild<QAction*>("Condizioni(3)")->trigger();
        QTRY_VERIFY_WITH_TIMEOUT(status() != "Colonne finali = 0", 30000);

        const FilterColumnsTest test(state_->families.activeFilters);
        std::int64_t kept = 0;
        forEachColumn(numbers, [&](const Column& c) { kept += test.pass(c) ? 1 : 0; });
        QVERIFY(kept > 0 && kept < binomial(30, 5));
        QCOMPARE(status(), QString("Colonne finali = %1").arg(kept));
        QCOMPARE(app_->commandLineStatus("filtri"), status());
    }

    // Every refusal shows its notice and leaves the list as it was.
    void refusalsLeaveTheListAsItWas() {
        struct Case {
            const char* what;
            std::vector<ListColumn> list;
            std::function<void(FiltersTest*, QWidget*)> act;
            QString title;
            QString line;
        };
        const std::vector<Case> cases = {
            {"empty list",
             {},
             [](FiltersTest*, QWidget* w) { w->findChild<QCheckBox*>("CheckCol")->click(); },
             "Avviso:",
             "Non e inserito nessuna colonna filtro."},
            {"gap in the list",
             {filterColumn({1, 2, 3}, 0, 1), {}, filterColumn({4, 5}, 0, 1)},
             [](FiltersTest*, QWidget* w) { w->findChild<QCheckBox*>("CheckCol")->click(); },
             "Avviso:",
             "Nella colonna N° 2"},
            {"minimum above maximum",
             {filterColumn({1, 2, 3}, 0, 1), filterColumn({4, 5}, 0, 1)},
             [](FiltersTest* t, QWidget* w) {
                 clickButton(w, "CommUguali");
                 QWidget* u = t->window("ColonneFiltroUguali");
                 QVERIFY(u);
                 shot(u, "ColonneFiltroUguali");
                 setRange(u, "TextPunti", 3, 1);
                 clickButton(u, "CommApplica");
             },
             "Errore:",
             "Il valore minimo che si e inserito e superiore alla"},
            {"replacement already present",
             {filterColumn({1, 2, 3}, 0, 1), filterColumn({4, 5, 7}, 0, 1)},
             [](FiltersTest* t, QWidget* w) {
                 grid(w)->selectAll();
                 clickButton(w, "CommSostituisci");
                 QWidget* c = t->window("ColonneFiltroCambia");
                 QVERIFY(c);
                 shot(c, "ColonneFiltroCambia");
                 c->findChild<QSpinBox*>("TextRicerca")->setValue(3);
                 c->findChild<QSpinBox*>("TextSostituisciCon")->setValue(2);
                 clickButton(c, "CommSostituisci");
             },
             "Sostituzione di Segni:",
             "il numero in = [2]  Colonne 1"},
            {"a number above 99 typed",
             {filterColumn({1, 2, 3}, 0, 1)},
             [](FiltersTest*, QWidget* w) { typeInto(grid(w), 0, "4 150"); },
             "Avviso:",
             "Numero non valido: 4 150"},
        };
        for (const Case& c : cases) {
            QWidget* w = withList(c.list);
            QVERIFY2(w, c.what);
            const FilterList before = state_->families.filterList;
            auto seen = answerNotice();
            c.act(this, w);
            QTRY_VERIFY2(!seen->title.isEmpty(), c.what);
            QCOMPARE(seen->title, c.title);
            QVERIFY2(seen->text.contains(c.line), qPrintable(seen->text));
            QVERIFY2(!w->findChild<QCheckBox*>("CheckCol")->isChecked(), c.what);
            clickButton(w, "CommOk");
            QCOMPARE(state_->families.filterList.columns, before.columns);
            QVERIFY(state_->families.activeFilters.empty());
        }
    }

    // A damaged `.car` or `.cac` gives a notice naming the file; the list stays.
    void damagedFilesNameTheFileAndChangeNothing() {
        QDir(program_->path("andor")).mkpath(".");
        for (const auto& [file, body] :
             {std::pair{"rotto.car", "rotto\r\n0 0 0 0 0 0 2\r\n111000 000000 1 2 3\r\n"},
              std::pair{"rotta.cac", "1 2 3\r\n4 x 6\r\n"}}) {
            QFile f(program_->path(QString("andor/") + file));
            QVERIFY(f.open(QIODevice::WriteOnly));
            f.write(body);
        }
        const std::vector<ListColumn> list = {filterColumn({7, 8, 9}, 0, 2)};
        QWidget* w = withList(list);
        QVERIFY(w);
        for (const char* file : {"rotto.car", "rotta.cac"}) {
            clickButton(w, "CommGestione");
            QWidget* g = window("GestioneColFiltro");
            QVERIFY(g);
            auto* files = g->findChild<QListWidget*>("ListMatrici");
            const auto found = files->findItems(file, Qt::MatchExactly);
            QCOMPARE(found.size(), 1);
            files->setCurrentItem(found.front());
            shot(g, "GestioneColFiltro");
            auto seen = answerNotice();
            clickButton(g, "CommAggiungi");
            QTRY_VERIFY(!seen->title.isEmpty());
            QVERIFY2(seen->text.contains(QString("andor/") + file), qPrintable(seen->text));
            QVERIFY(seen->text.contains("non e valido"));
            QCOMPARE(grid(w)->model()->rowCount(), 2);
            clickButton(g, "CommChiudi");
        }
        clickButton(w, "CommOk");
        QCOMPARE(state_->families.filterList.columns, list);
    }

    // A list saved as `.car` keeps its admitted hits, as `.cac` only its
    // numbers; both open again through "Gestione", replacing or adding.
    void savedListsOpenAgain() {
        std::vector<ListColumn> list = {filterColumn({1, 2, 3, 4, 5, 6}, 1, 3),
                                        filterColumn({10, 20, 30}, 0, 0)};
        QWidget* w = withList(list);
        QVERIFY(w);
        for (int kind : {0, 1}) {
            whenModalShows([kind](QWidget* d) {
                shot(d, "SalvaColonneFiltro");
                d->findChild<QLineEdit*>("TextNome")->setText("mia");
                d->findChild<QAbstractButton*>(QString("OptFile(%1)").arg(kind))->click();
                d->findChild<QAbstractButton*>("OK")->click();
            });
            clickButton(w, "CommSalva");
        }
        QVERIFY(QFile::exists(program_->path("andor/mia.car")));
        QVERIFY(QFile::exists(program_->path("andor/mia.cac")));
        QCOMPARE(w->findChild<QLabel*>("LabNome")->text(), QString("Nome colonne filtro = mia"));

        // Saving again over the file asks first; "No" leaves it.
        const QByteArray before = [&] {
            QFile f(program_->path("andor/mia.car"));
            f.open(QIODevice::ReadOnly);
            return f.readAll();
        }();
        grid(w)->setCurrentIndex(grid(w)->model()->index(0, 0));
        w->findChild<QCheckBox*>("CheckPunti(0)")->click(); // stretches 1..3 to 0..3
        QCOMPARE(cell(w, 0, 4), QString("0 1 2 3"));
        auto question = answerNotice("No");
        whenModalShows(
            [](QWidget* d) {
                d->findChild<QLineEdit*>("TextNome")->setText("mia");
                d->findChild<QAbstractButton*>("OptFile(0)")->click();
                d->findChild<QAbstractButton*>("OK")->click();
                QTimer::singleShot(50, d,
                                   [d] { d->findChild<QAbstractButton*>("Annulla")->click(); });
            },
            [](QWidget* d) { return d->objectName() == "SalvaColonneFiltro"; });
        clickButton(w, "CommSalva");
        QTRY_VERIFY(!question->title.isEmpty());
        QVERIFY(question->text.contains("Sostituire il file?"));
        QFile saved(program_->path("andor/mia.car"));
        QVERIFY(saved.open(QIODevice::ReadOnly));
        QCOMPARE(saved.readAll(), before);

        auto no = answerNotice("No");
        clickButton(w, "CommCancella");
        QTRY_VERIFY(!no->title.isEmpty());
        QCOMPARE(grid(w)->model()->rowCount(), 3);
        auto yes = answerNotice("Si");
        clickButton(w, "CommCancella");
        QTRY_COMPARE(grid(w)->model()->rowCount(), 1);

        clickButton(w, "CommGestione");
        QWidget* g = window("GestioneColFiltro");
        auto* files = g->findChild<QListWidget*>("ListMatrici");
        files->setCurrentItem(files->findItems("mia.car", Qt::MatchExactly).front());
        clickButton(g, "CommApri");
        QCOMPARE(grid(w)->model()->rowCount(), 3);
        QCOMPARE(cell(w, 0, 4), QString("1 2 3"));
        clickButton(w, "CommGestione");
        g = window("GestioneColFiltro");
        files = g->findChild<QListWidget*>("ListMatrici");
        files->setCurrentItem(files->findItems("mia.cac", Qt::MatchExactly).front());
        setRange(g, "TextPunti", 0, 1);
        clickButton(g, "CommAggiungi");
        QCOMPARE(grid(w)->model()->rowCount(), 5);
        QCOMPARE(cell(w, 2), QString("1 2 3 4 5 6"));
        QCOMPARE(cell(w, 2, 4), QString("0 1"));

        // Deleting a stored list asks with its name.
        clickButton(w, "CommGestione");
        g = window("GestioneColFiltro");
        files = g->findChild<QListWidget*>("ListMatrici");
        files->setCurrentItem(files->findItems("mia.cac", Qt::MatchExactly).front());
        auto erase = answerNotice("Si");
        clickButton(g, "CommElimina");
        QTRY_VERIFY(!erase->title.isEmpty());
        QVERIFY(erase->text.contains("Eliminare le colonne filtro   = mia.cac"));
        QVERIFY(!QFile::exists(program_->path("andor/mia.cac")));
        clickButton(w, "CommAnnulla");
        QCOMPARE(state_->families.filterList.columns, list);
    }

    // Range deletion asks and removes exactly the chosen positions; the
    // highlighted column goes on its own.
    void deletingColumns() {
        std::vector<ListColumn> list;
        for (std::uint8_t n = 1; n <= 6; ++n)
            list.push_back(filterColumn({n, static_cast<std::uint8_t>(n + 10)}, 0, 1));
        QWidget* w = withList(list);
        QVERIFY(w);
        clickButton(w, "CommEliminaDa");
        QWidget* e = window("ColonneFiltroElimona");
        QVERIFY(e);
        shot(e, "ColonneFiltroElimona");
        setRange(e, "TextElimina", 2, 4);
        auto seen = answerNotice("Si");
        clickButton(e, "CommElimina");
        QTRY_VERIFY(!seen->title.isEmpty());
        QVERIFY(seen->text.contains("Eliminare le colonne dalla= 2 Alla= 4"));
        QCOMPARE(grid(w)->model()->rowCount(), 4);
        QCOMPARE(cell(w, 1), QString("5 15"));
        grid(w)->setCurrentIndex(grid(w)->model()->index(0, 0));
        auto one = answerNotice("Si");
        clickButton(w, "CommElimina");
        QTRY_VERIFY(one->text.contains("Eliminare la colonne N°= 1"));
        QCOMPARE(cell(w, 0), QString("5 15"));
        clickButton(w, "CommOk");
        QCOMPARE(state_->families.filterList.columns.size(), std::size_t{2});
        QVERIFY(!window("ColonneFiltroElimona"));
    }

    // 20000 text lines come in as filter columns and scroll at once; the
    // 20001st column is refused.
    void twentyThousandColumnsFromText() {
        const QString path = program_->path("lista.txt");
        {
            QFile f(path);
            QVERIFY(f.open(QIODevice::WriteOnly));
            QTextStream out(&f);
            std::mt19937 random(7);
            std::uniform_int_distribution<int> number(1, 49);
            for (int i = 0; i < 20000; ++i) {
                for (int k = 0; k < 6; ++k)
                    out << number(random) << (k < 5 ? " " : "\r\n");
            }
        }
        QWidget* w = openList();
        QVERIFY(w);
        clickButton(w, "CommImporta");
        clickButton(window("ColonneFiltroMatr"), "CommTesto");
        auto* text = qobject_cast<ColFilUsciteSistem*>(window("ColFilUsciteSistem"));
        QVERIFY(text);
        shot(text, "ColFilUsciteSistem");
        QElapsedTimer clock;
        clock.start();
        QVERIFY(text->importTextFile(path));
        QCoreApplication::processEvents();
        const qint64 importMs = clock.elapsed();
        QCOMPARE(grid(w)->model()->rowCount(), 20001);

        QTableView* view = grid(w);
        clock.restart();
        for (int page = 0; page < 100; ++page) {
            view->verticalScrollBar()->setValue(view->verticalScrollBar()->maximum() * page / 99);
            view->viewport()->repaint();
        }
        const qint64 scrollMs = clock.elapsed();
        qInfo("Importazione di 20000 righe: %lld ms; 100 salti di pagina con ridisegno: %lld ms",
              importMs, scrollMs);
        QVERIFY(view->rowAt(view->viewport()->height() - 2) > 19900);

        auto seen = answerNotice();
        typeInto(view, 20000, "1 2 3");
        QTRY_VERIFY(!seen->title.isEmpty());
        QCOMPARE(seen->title, QString("Troppe Colonne :"));
        QVERIFY(seen->text.contains("Troppe colonne  N°=20001"));
        QCOMPARE(view->model()->rowCount(), 20001);

        w->findChild<QCheckBox*>("CheckCol")->click();
        clickButton(w, "CommOk");
        QCOMPARE(state_->families.activeFilters.size(), std::size_t{20000});
    }

    // A column typed in the last row joins the list; its hits are set in
    // "Presenze:" and "Minimo" / "Massimo" follow.
    void typingAColumnAndItsHits() {
        QWidget* w = openList();
        QVERIFY(w);
        typeInto(grid(w), 0, "5 10 15 20 25 30");
        QCOMPARE(grid(w)->model()->rowCount(), 2);
        QCOMPARE(cell(w, 0), QString("5 10 15 20 25 30"));
        QCOMPARE(cell(w, 0, 1), QString("6"));
        grid(w)->setCurrentIndex(grid(w)->model()->index(0, 0));
        for (int h : {5, 4, 3}) // the run 0..5 loses its top
            w->findChild<QCheckBox*>(QString("CheckPunti(%1)").arg(h))->click();
        QCOMPARE(cell(w, 0, 2), QString("0"));
        QCOMPARE(cell(w, 0, 3), QString("2"));
        w->findChild<QCheckBox*>("CheckPunti(1)")->click(); // inside: keeps what lies below
        QCOMPARE(cell(w, 0, 4), QString("0"));
        w->findChild<QCheckBox*>("CheckConsecutivi(0)")->click();
        QCOMPARE(cell(w, 0, 5), QString("0"));
        clickButton(w, "CommOk");
        const ListColumn& c = state_->families.filterList.columns.at(0);
        QCOMPARE(c.hits, std::uint8_t{1});
        QCOMPARE(c.consecutive, std::uint8_t{1});
        QVERIFY(state_->modified);
    }

    // The four analyses agree with the core over the selection and the system.
    void analysesShowTheirFigures() {
        const auto& draws = state_->archive.selection;
        std::vector<ListColumn> list;
        for (std::size_t i = draws.size() - 10; i < draws.size(); ++i)
            list.push_back(
                {{draws[i].numbers.begin(), draws[i].numbers.end()}, admittedHitBits(0, 2), 0});
        QWidget* w = withList(list);
        QVERIFY(w);
        ActiveFilters store;
        QVERIFY(!activateFilterList(state_->families.filterList, store));
        Progress progress;
        std::vector<Column> columns;
        for (const Draw& d : draws)
            columns.push_back(d.numbers);

        clickButton(w, "CommAnalisi(0)");
        QWidget* a = window("ColonneFiltroAnalisi");
        QVERIFY(a);
        auto* tabs = a->findChild<QTabWidget*>("TabAnalisi");
        QCOMPARE(tabs->currentIndex(), 0);
        const auto records = analyseFilterColumns(store, columns, progress);
        auto* perColumn = a->findChild<QTableView*>("MSFAnalisi(0)");
        QCOMPARE(perColumn->model()->rowCount(), 10);
        QCOMPARE(perColumn->model()->index(9, 8).data().toString(),
                 QLocale().toString(records[9].admitted));
        QCOMPARE(perColumn->model()->index(9, 10).data().toString(),
                 QLocale().toString(records[9].delay));
        shot(a, "ColonneFiltroAnalisi-0");

        clickButton(w, "CommAnalisi(1)");
        QCOMPARE(tabs->currentIndex(), 1);
        const auto years = analyseByYear(store, draws, progress);
        auto* byYear = a->findChild<QTableView*>("MSFAnalisi(1)");
        QCOMPARE(byYear->model()->rowCount(), static_cast<int>(years.size()) + 1);
        QCOMPARE(byYear->model()->index(static_cast<int>(years.size()), 0).data().toString(),
                 QString("Media"));
        QCOMPARE(byYear->model()->index(0, 2).data().toString(),
                 QLocale().toString(years[0].passing));
        shot(a, "ColonneFiltroAnalisi-1");

        clickButton(w, "CommAnalisi(2)");
        auto* numbers = a->findChild<QTableView*>("MSFAnalisi(2)");
        QCOMPARE(numbers->model()->rowCount(), 49);
        const auto frequency = numberFrequency(state_->families.filterList);
        QCOMPARE(numbers->model()->index(draws.back().numbers[0] - 1, 1).data().toString(),
                 QLocale().toString(frequency[draws.back().numbers[0]]));
        shot(a, "ColonneFiltroAnalisi-2");

        // The system page walks the current system's columns.
        for (int n = 1; n <= 12; ++n)
            state_->selection.setState(n, Selection::Chosen);
        state_->selection.setNumerone(1, true);
        state_->selection.setNumerone(2, true);
        main_->findChild<QAction*>("Condizioni(3)")->trigger();
        QTRY_VERIFY_WITH_TIMEOUT(status() == "Colonne finali = 792", 30000);
        clickButton(w, "CommAnalisi(3)");
        const auto d = distributeSystem(store, state_->columns, progress);
        auto* summary = a->findChild<QLabel*>("LabAnalisi(3)");
        QVERIFY2(summary->text().contains(QString("Superano il filtro: %1").arg(d.byFailures[0])),
                 qPrintable(summary->text()));
        QCOMPARE(a->findChild<QTableView*>("MSFAnalisiColonne")->model()->rowCount(), 10);
        shot(a, "ColonneFiltroAnalisi-3");
        clickButton(w, "CommAnnulla");
        QVERIFY(!window("ColonneFiltroAnalisi"));
    }
};

QTEST_MAIN(FiltersTest)
#include "tst_filters.moc"
