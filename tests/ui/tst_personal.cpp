#include "UiTestSupport.h"
#include "WidgetDriving.h"
#include "engine/ui/SviluppoS.h"
#include "reduced/PersonalTable.h"
#include "shell/ui/Pronostico.h"
#include "ui/NumberBoard.h"

#include <QAbstractButton>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QSpinBox>
#include <QTableView>
#include <QTableWidget>

#include <initializer_list>
#include <memory>

using namespace varnelo;

namespace {

QByteArray fileBytes(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// The notice window and the name window, told apart as they show.
bool isNotice(QWidget* w) {
    return w->objectName() == "Avviso";
}
bool isNameWindow(QWidget* w) {
    return w->objectName() == "SalvaRidotto";
}

} // namespace

// The personal tables as a player makes and uses them: "Editor ridotti" to
// build, save and reopen one, the number-entry window to apply it.
class PersonalTest : public QObject {
    Q_OBJECT

    std::unique_ptr<MainWindowUnderTest> app_;

    Varnelo& main() { return app_->main; }
    ProgramState& state() { return *app_->program.state; }
    QString path(const QString& relative) const { return app_->program.path(relative); }

    QWidget* openEditor() { return openFromMenu(&main(), "MenuColVincenti(0)", "Ridotti"); }
    // The editor's "Apri".
    QWidget* openChooser(QWidget* editor) {
        clickButton(editor, "CommApri");
        auto* w = main().findChild<QWidget*>("GestioneRidotto");
        return w && w->isVisible() ? w : nullptr;
    }

    static void mark(QWidget* editor, std::initializer_list<int> cells) {
        for (int cell : cells)
            clickBoardCell(editor, "MSFCV", cell);
    }
    static void insert(QWidget* editor, std::initializer_list<int> cells) {
        mark(editor, cells);
        clickButton(editor, "CommInserisci");
    }
    // The cells marked on the board, as its colours show them.
    static std::vector<int> marked(QWidget* editor) {
        auto* board = editor->findChild<QTableWidget*>("MSFCV");
        std::vector<int> out;
        for (int cell = 1; cell <= 50; ++cell)
            if (board->item((cell - 1) / 10, (cell - 1) % 10)->background().color() == kBoardChosen)
                out.push_back(cell);
        return out;
    }
    // The rows of the list `MSFlexGrid1`, each as "1 2 3 4 5".
    static QStringList listed(QWidget* editor) {
        const QAbstractItemModel* m = editor->findChild<QTableView*>("MSFlexGrid1")->model();
        QStringList rows;
        for (int r = 0; r < m->rowCount(); ++r) {
            QStringList cells;
            for (int c = 1; c <= 5; ++c)
                cells << m->index(r, c).data().toString();
            rows << cells.join(' ');
        }
        return rows;
    }
    // Highlights the entry of that name (and kind) in a list of tables.
    static void highlight(QWidget* chooser, const QString& name, const QString& kind = "Ridotto") {
        const QAbstractItemModel* m = chooser->findChild<QTableView*>("ListRidotti")->model();
        for (int r = 0; r < m->rowCount(); ++r)
            if (m->index(r, 0).data().toString() == name &&
                m->index(r, 1).data().toString() == kind) {
                clickCell(chooser, r, "ListRidotti");
                return;
            }
        QFAIL(qPrintable("non in lista: " + name));
    }
    static QStringList names(QWidget* chooser) {
        const QAbstractItemModel* m = chooser->findChild<QTableView*>("ListRidotti")->model();
        QStringList out;
        for (int r = 0; r < m->rowCount(); ++r)
            out << m->index(r, 0).data().toString() + " " + m->index(r, 1).data().toString();
        return out;
    }

    // Answers the next notice with `button`; `seen` gets its title and lines.
    static void answerNotice(const QString& button, QString* seen = nullptr) {
        whenModalShows(
            [button, seen](QWidget* w) {
                if (seen)
                    *seen = w->windowTitle() + "\n" + w->findChild<QLabel*>("Testo")->text();
                if (auto* b = w->findChild<QAbstractButton*>(button))
                    b->click();
            },
            isNotice);
    }
    // Answers the name window with `name` (the one proposed when empty);
    // `proposed` gets the name it offered.
    static void answerName(const QString& name, QString* proposed = nullptr) {
        whenModalShows(
            [name, proposed](QWidget* w) {
                auto* box = w->findChild<QLineEdit*>("TextNome");
                if (proposed)
                    *proposed = box->text();
                if (!name.isEmpty())
                    box->setText(name);
                w->findChild<QAbstractButton*>("OK")->click();
            },
            isNameWindow);
    }

    // An editor holding the columns, saved as `name` through "Salva col nome".
    QWidget* savedTable(const QString& name,
                        std::initializer_list<std::initializer_list<int>> rows) {
        QWidget* editor = openEditor();
        if (!editor)
            return nullptr;
        for (const auto& row : rows)
            insert(editor, row);
        answerName(name);
        clickButton(editor, "CommSalvaNome");
        return editor;
    }

  private Q_SLOTS:
    void initTestCase() { prepareWindowTests(); }
    void init() { app_ = std::make_unique<MainWindowUnderTest>(); }
    void cleanup() { app_.reset(); }

    void buildSaveAndOpenAgain() {
        QWidget* editor = openEditor();
        QVERIFY(editor);
        QCOMPARE(editor->windowTitle(), QString("Ridotti personali"));

        // Three cells are not a column: the notice, and the board stays as marked.
        mark(editor, {1, 2, 3});
        QString seen;
        answerNotice("OK", &seen);
        clickButton(editor, "CommInserisci");
        QCOMPARE(seen, QString("Avviso:\nAi evidenziato = 3\ncaselle, ne devi evidenziare = 5"));
        QVERIFY(listed(editor).isEmpty());
        QCOMPARE(marked(editor), (std::vector<int>{1, 2, 3}));
        mark(editor, {4, 5});
        clickButton(editor, "CommInserisci");
        QVERIFY(marked(editor).empty());

        // The keyboard marks too: arrows move, Space marks.
        auto* board = editor->findChild<QTableWidget*>("MSFCV");
        board->setFocus();
        board->setCurrentCell(0, 5);
        for (int k = 0; k < 5; ++k) {
            QTest::keyClick(board, Qt::Key_Space);
            QTest::keyClick(board, Qt::Key_Right);
        }
        clickButton(editor, "CommInserisci");
        insert(editor, {11, 1, 2, 3, 4});
        clickButton(editor, "OptGaranzia(0)");
        const QStringList columns = {"1 2 3 4 5", "6 7 8 9 10", "1 2 3 4 11"};
        QCOMPARE(listed(editor), columns);
        const QAbstractItemModel* list = editor->findChild<QTableView*>("MSFlexGrid1")->model();
        QCOMPARE(list->index(2, 0).data().toString(), QString("3"));
        QCOMPARE(editor->findChild<QSpinBox*>("TextNumeri")->value(), 11);
        saveScreenshot(editor, "Ridotti");

        answerNotice("OK", &seen);
        clickButton(editor, "CommVerifica");
        QVERIFY2(seen.contains("Garanzia 2 rispettata sui 11 numeri in gioco"), qPrintable(seen));

        // A table never saved is named on "Salva": rqor1 is offered.
        QString proposed;
        answerName({}, &proposed);
        clickButton(editor, "CommSalva");
        QCOMPARE(proposed, QString("rqor1"));
        QVERIFY(QFile::exists(path("ridotti/rqor1.rid")));
        QCOMPARE(editor->windowTitle(), QString("Ridotti personali   ...Nome sistema = rqor1"));

        clickButton(editor, "CommNuovo"); // saved: nothing to ask
        QVERIFY(listed(editor).isEmpty());
        QCOMPARE(editor->windowTitle(), QString("Ridotti personali"));

        QWidget* chooser = openChooser(editor);
        QVERIFY(chooser);
        QCOMPARE(chooser->windowTitle(), QString("Apertura, eliminazione, ridotti"));
        saveScreenshot(chooser, "GestioneRidotto");
        highlight(chooser, "rqor1");
        clickButton(chooser, "CommApri");
        QVERIFY(!chooser->isVisible());
        QCOMPARE(listed(editor), columns);
        QCOMPARE(editor->windowTitle(), QString("Ridotti personali   ...Nome sistema = rqor1"));
        QVERIFY(editor->findChild<QRadioButton*>("OptGaranzia(0)")->isChecked());
        QCOMPARE(editor->findChild<QSpinBox*>("TextNumeri")->value(), 11);
    }

    // "Modifica colonnina" takes the highlighted column onto the board,
    // "Inserisci modifica colonnina" puts the new marks in its place.
    void changeAndDeleteColumns() {
        QWidget* editor = openEditor();
        QVERIFY(editor);
        insert(editor, {1, 2, 3, 4, 5});
        insert(editor, {6, 7, 8, 9, 10});
        insert(editor, {1, 2, 3, 4, 11});
        clickCell(editor, 1);
        clickButton(editor, "CommModifica");
        QCOMPARE(marked(editor), (std::vector<int>{6, 7, 8, 9, 10}));
        mark(editor, {10, 12});
        clickButton(editor, "CommInserisciModifica");
        QCOMPARE(listed(editor), (QStringList{"1 2 3 4 5", "6 7 8 9 12", "1 2 3 4 11"}));
        QVERIFY(marked(editor).empty());

        // Marked onto another column's cells, the change is refused.
        clickCell(editor, 2);
        clickButton(editor, "CommModifica");
        mark(editor, {11, 5});
        QString seen;
        answerNotice("OK", &seen);
        clickButton(editor, "CommInserisciModifica");
        QCOMPARE(seen, QString("Avviso:\nColonnina già inserita\nalla riga N°= 1"));
        // "Annulla inserimento" clears the board and ends the change.
        clickButton(editor, "CommAnnulla");
        QVERIFY(marked(editor).empty());
        answerNotice("OK", &seen);
        clickButton(editor, "CommInserisciModifica");
        QVERIFY(seen.contains("Nessuna colonnina in modifica:"));

        clickCell(editor, 0);
        clickButton(editor, "CommElimina");
        QCOMPARE(listed(editor), (QStringList{"6 7 8 9 12", "1 2 3 4 11"}));

        // Closing a table never saved asks; "Annulla" keeps the window, "No" drops the table.
        answerNotice("Annulla", &seen);
        clickButton(editor, "CommChiudi");
        QVERIFY(seen.contains("Il nuovo ridotto non è stato salvato."));
        QVERIFY(editor->isVisible());
        answerNotice("No");
        clickButton(editor, "CommChiudi");
        QVERIFY(!editor->isVisible());
        QVERIFY(openEditor());
        QVERIFY(listed(editor).isEmpty());
    }

    void replacingAFileAsksFirst() {
        QWidget* editor = savedTable("mio", {{1, 2, 3, 4, 5}});
        QVERIFY(editor);
        const QByteArray first = fileBytes(path("ridotti/mio.rid"));
        QVERIFY(!first.isEmpty());
        clickButton(editor, "CommNuovo");
        insert(editor, {6, 7, 8, 9, 10});

        QString seen;
        answerName("mio");
        answerNotice("No", &seen);
        clickButton(editor, "CommSalvaNome");
        QVERIFY2(seen.contains("Nome sistema = mio\nSostituire il file?"), qPrintable(seen));
        QCOMPARE(fileBytes(path("ridotti/mio.rid")), first);
        QCOMPARE(editor->windowTitle(), QString("Ridotti personali"));

        answerName("mio");
        answerNotice("Si");
        clickButton(editor, "CommSalvaNome");
        PersonalTable back;
        QVERIFY(!loadPersonalTable(state().folder, "mio", back));
        QCOMPARE(back.columns.size(), std::size_t{1});
        QCOMPARE(int(back.columns[0][0]), 6);
        QCOMPARE(editor->windowTitle(), QString("Ridotti personali   ...Nome sistema = mio"));
    }

    void damagedFileGivesANoticeAndChangesNothing_data() {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<QString>("line");
        QTest::newRow("intestazione")
            << QByteArray("x\r\n") << "Intestazione non valida alla riga 1";
        QTest::newRow("troppe colonne")
            << QByteArray("10001\r\n10\r\n0\r\n3\r\n*\r\n 1 2 3 4 5\r\n") << "Colonne N°= 10001";
        QTest::newRow("colonna") << QByteArray("1\r\n10\r\n0\r\n3\r\n*\r\n 1 2 3 4 51\r\n")
                                 << "Colonna non valida alla riga 6";
    }
    void damagedFileGivesANoticeAndChangesNothing() {
        QFETCH(QByteArray, text);
        QFETCH(QString, line);
        QFile bad(path("ridotti/rotto.rid"));
        QVERIFY(bad.open(QIODevice::WriteOnly));
        bad.write(text);
        bad.close();
        QWidget* editor = openEditor();
        QVERIFY(editor);
        insert(editor, {1, 2, 3, 4, 5});

        QWidget* chooser = openChooser(editor);
        QVERIFY(chooser);
        QVERIFY(names(chooser).contains("rotto Danneggiato"));
        highlight(chooser, "rotto", "Danneggiato");
        QString seen;
        answerNotice("OK", &seen);
        clickButton(chooser, "CommApri");
        QVERIFY2(seen.contains(line), qPrintable(seen));
        QVERIFY(chooser->isVisible());
        QCOMPARE(listed(editor), QStringList{"1 2 3 4 5"});
        QCOMPARE(editor->windowTitle(), QString("Ridotti personali"));
    }

    // Deleting asks first; a system picked through the pattern box is not a table.
    void deleteAsksAndSystemsAreRefused() {
        QWidget* editor = savedTable("mio", {{1, 2, 3, 4, 5}});
        QVERIFY(editor);
        QWidget* chooser = openChooser(editor);
        QVERIFY(chooser);
        QCOMPARE(names(chooser), QStringList{"mio Ridotto"});
        highlight(chooser, "mio");
        QString seen;
        answerNotice("No", &seen);
        clickButton(chooser, "CommElimina");
        QCOMPARE(seen, QString("Ridotti personali:\nEliminare il mio ridotto personale = mio ?"));
        QVERIFY(QFile::exists(path("ridotti/mio.rid")));

        auto* pattern = chooser->findChild<QLineEdit*>("TextFile");
        pattern->clear();
        QTest::keyClicks(pattern, "*");
        QCOMPARE(names(chooser), (QStringList{"mio Ridotto", "archivio Sistema"}));
        highlight(chooser, "archivio", "Sistema");
        for (const char* command : {"CommApri", "CommElimina"}) {
            answerNotice("OK", &seen);
            clickButton(chooser, command);
            QVERIFY2(seen.contains("Questo e un Sistema!"), qPrintable(seen));
        }
        QVERIFY(QFile::exists(path("qor/archivio.sse")));

        highlight(chooser, "mio");
        answerNotice("Si");
        clickButton(chooser, "CommElimina");
        QVERIFY(!QFile::exists(path("ridotti/mio.rid")));
        QCOMPARE(names(chooser), QStringList{"archivio Sistema"});
    }

    // "Ridotto Personale" of the number-entry window: the fixed number takes
    // position 1, the free numbers the next ones.
    void appliedFromTheNumberEntryWindow() {
        QVERIFY(!savePersonalTable(state().folder, "mio",
                                   {7, 1, 3, {{1, 2, 3, 4, 5}, {1, 2, 3, 6, 7}}}));
        QVERIFY(!savePersonalTable(state().folder, "largo", {12, 0, 3, {{1, 2, 3, 4, 12}}}));
        Pronostico* desk = main().pronostico();
        QVERIFY(desk);
        clickNumber(desk, 30, Qt::LeftButton, Qt::ControlModifier);
        for (int n : {2, 4, 6, 8, 10, 12})
            clickNumber(desk, n);
        clickNumerone(desk, 1);
        clickNumerone(desk, 2);
        const QString before = app_->status();

        clickButton(desk, "CalcSviluppo(1)");
        auto* chooser = main().findChild<QWidget*>("GestRidottiP");
        QVERIFY(chooser && chooser->isVisible());
        QCOMPARE(chooser->windowTitle(), QString("Apertura: ridotti personali"));
        highlight(chooser, "largo");
        QString seen;
        answerNotice("OK", &seen);
        clickButton(chooser, "CommApri");
        QCOMPARE(seen,
                 QString("Ridotto non compatibile:\nRidotto non compatibile al\npronostico "
                         "inserito!\nIl ridotto largo usa 12 numeri, il pronostico ne ha 7."));
        QCOMPARE(app_->status(), before);

        highlight(chooser, "mio");
        clickButton(chooser, "CommApri");
        QVERIFY(!chooser->isVisible());
        auto* run = main().findChild<SviluppoS*>("SvilupPerRid");
        QVERIFY(run);
        QTRY_VERIFY_WITH_TIMEOUT(!run->isRunning(), 60000);
        QCOMPARE(app_->status(), QString("Colonne finali = 2"));
        QCOMPARE(state().columns.column(1), (Column{2, 4, 6, 8, 30}));
        QCOMPARE(state().columns.column(2), (Column{2, 4, 10, 12, 30}));
        QCOMPARE(state().options.description, std::string("Ridotto personale mio"));
    }
};

QTEST_MAIN(PersonalTest)
#include "tst_personal.moc"
