#include "UiTestSupport.h"
#include "app/gui/Startup.h"
#include "archive/ui/ColonneUscite.h"
#include "archive/ui/Ricerca.h"
#include "shell/ui/Forum.h"
#include "system/ui/GestioneSalva.h"
#include "system/ui/ImportaDaTesto.h"
#include "ui/Avviso.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QFile>
#include <QFileDialog>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QStandardPaths>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTranslator>
#include <QtTest>

#include <fstream>
#include <memory>

using namespace varnelo;

// The archive windows and the small dialogs, driven as a user would.
static QByteArray readAll(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

class ArchiveWindowsTest : public QObject {
    Q_OBJECT

    std::unique_ptr<TestProgram> program_;
    ProgramState* state_ = nullptr;

    int selectionLines() const {
        std::ifstream in(program_->path("enal/archivio2.cna").toStdString());
        int n = 0;
        for (std::string line; std::getline(in, line);)
            n += !line.empty();
        return n;
    }

  private Q_SLOTS:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }
    void init() {
        program_ = std::make_unique<TestProgram>();
        state_ = program_->state.get();
    }

    void selectionCountsLiveAndWritesOnOk() {
        Ricerca w(*state_);
        w.show();
        saveScreenshot(&w, "Ricerca");
        auto* count = w.findChild<QLabel*>("LabConcorsiInGioco");
        const int all = state_->archive.statisticsCount;
        QCOMPARE(count->text(), QString("Concorsi in Gioco = %1").arg(all));
        // Only Saturdays (the demo archive draws on Tuesday, Thursday, Saturday).
        for (int d : {1, 2, 3, 4, 5, 7})
            w.findChild<QCheckBox*>(QString("CheGiorno(%1)").arg(d))->setChecked(false);
        const int saturdays = count->text().section("= ", 1).toInt();
        QVERIFY(saturdays > all / 4 && saturdays < all / 2);
        // A range with its first above its last selects nothing.
        w.findChild<QRadioButton*>("OptEsaminare(0)")->setChecked(true);
        w.findChild<QSpinBox*>("TextColUsc(1)")->setValue(10);
        w.findChild<QSpinBox*>("TextColUsc(0)")->setValue(20);
        QCOMPARE(count->text(), QString("Concorsi in Gioco = 0"));
        w.findChild<QSpinBox*>("TextColUsc(0)")->setValue(1);
        w.findChild<QSpinBox*>("TextColUsc(1)")->setValue(all);
        QVERIFY(w.apply());
        QCOMPARE(state_->archive.statisticsCount, saturdays);
        QCOMPARE(selectionLines(), saturdays);
        Ricerca again(*state_);
        QVERIFY(!again.findChild<QCheckBox*>("CheGiorno(1)")->isChecked());
        QVERIFY(again.findChild<QCheckBox*>("CheGiorno(6)")->isChecked());
    }

    // Types a draw into the entry fields and clicks "Aggiungi".
    static void typeDraw(QWidget* w, const QStringList& numbers, const QStringList& date) {
        for (int i = 0; i < 7; ++i) {
            auto* f = w->findChild<QLineEdit*>(QString("TextNumCol(%1)").arg(i));
            f->clear();
            QTest::keyClicks(f, numbers[i]);
        }
        for (int i = 0; i < 3; ++i) {
            auto* f = w->findChild<QLineEdit*>(QString("TextNumUsc(%1)").arg(i));
            f->clear();
            QTest::keyClicks(f, date[i]);
        }
        QTest::mouseClick(w->findChild<QPushButton*>("CommAggiungi"), Qt::LeftButton);
    }

    void archiveEditorAddsChecksAndRewrites() {
        ColonneUscite w(*state_);
        QVERIFY(w.isOpen());
        w.show();
        auto* grid = w.findChild<QTableWidget*>("MSFlexGrid6");
        const int rows = grid->rowCount();
        QVERIFY(rows > 0);
        const QStringList entry = {"3", "14", "15", "27", "44", "2", "9"};
        typeDraw(&w, entry, {"1", "12", "2026"});
        QCOMPARE(grid->rowCount(), rows + 1);
        QCOMPARE(grid->item(rows, 1)->text(), QString("03-14-15-27-44"));
        // The added draw shows on the last line, and the columns fill the grid.
        QCoreApplication::processEvents();
        const int lastTop = grid->rowViewportPosition(rows);
        QVERIFY(lastTop >= 0);
        QVERIFY(lastTop + grid->rowHeight(rows) <= grid->viewport()->height());
        QVERIFY(lastTop + 2 * grid->rowHeight(rows) > grid->viewport()->height());
        auto* header = grid->horizontalHeader();
        QCOMPARE(header->sectionViewportPosition(3) + header->sectionSize(3),
                 grid->viewport()->width());
        saveScreenshot(&w, "ColonneUscite");

        // Numbers not ascending: the notice, the grid unchanged.
        QString title;
        clickInNextModal("OK", &title);
        typeDraw(&w, {"30", "14", "15", "27", "44", "2", "9"}, {"1", "12", "2026"});
        QCOMPARE(title, QString("Informazione:"));
        QCOMPARE(grid->rowCount(), rows + 1);

        QTest::mouseClick(w.findChild<QPushButton*>("OK"), Qt::LeftButton);
        QVERIFY(!w.isVisible());
        std::ifstream in(program_->path("enal/archivio.cna").toStdString());
        std::string line, last;
        while (std::getline(in, line))
            if (!line.empty())
                last = line;
        if (!last.empty() && last.back() == '\r')
            last.pop_back();
        QCOMPARE(QString::fromStdString(last), QString("03-14-15-27-44020901-12-2026"));
    }

    // Escape after "Aggiungi" asks before the added draw is dropped.
    void archiveEditorAsksBeforeDroppingChanges() {
        const QByteArray before = readAll(program_->path("enal/archivio.cna"));
        ColonneUscite w(*state_);
        w.show();
        typeDraw(&w, {"3", "14", "15", "27", "44", "2", "9"}, {"1", "12", "2026"});
        auto* grid = w.findChild<QTableWidget*>("MSFlexGrid6");
        const int added = grid->rowCount();
        QString title;
        clickInNextModal("Annulla", &title);
        QTest::keyClick(&w, Qt::Key_Escape);
        QCOMPARE(title, QString("Aggiornamento archivio:"));
        QVERIFY(w.isVisible());
        // The close box asks the same, and "Annulla" keeps the draw in the grid.
        title.clear();
        clickInNextModal("Annulla", &title);
        QVERIFY(!w.close());
        QCOMPARE(title, QString("Aggiornamento archivio:"));
        QVERIFY(w.isVisible());
        QCOMPARE(grid->rowCount(), added);
        // The editor's own "Annulla" asks too; "No" drops the draw.
        clickInNextModal("No");
        QTest::mouseClick(w.findChild<QPushButton*>("Annulla"), Qt::LeftButton);
        QVERIFY(!w.isVisible());
        QCOMPARE(readAll(program_->path("enal/archivio.cna")), before);

        // "Sì" keeps the draw, as "OK" does.
        ColonneUscite again(*state_);
        again.show();
        typeDraw(&again, {"3", "14", "15", "27", "44", "2", "9"}, {"1", "12", "2026"});
        clickInNextModal("Si");
        again.close();
        QVERIFY(
            readAll(program_->path("enal/archivio.cna")).contains("03-14-15-27-44020901-12-2026"));
        // Deleting a draw is destructive: Enter answers "No".
        grid = again.findChild<QTableWidget*>("MSFlexGrid6");
        again.show();
        const int rows = grid->rowCount();
        QTest::mouseClick(grid->viewport(), Qt::LeftButton, {},
                          grid->visualItemRect(grid->item(rows - 1, 1)).center());
        QCOMPARE(grid->currentRow(), rows - 1);
        whenModalShows([](QWidget* q) { QTest::keyClick(q, Qt::Key_Return); });
        QTest::mouseClick(again.findChild<QPushButton*>("CommElimina"), Qt::LeftButton);
        QCOMPARE(grid->rowCount(), rows);
    }

    void dialogsLookRight() {
        GestioneSalva save("qor1");
        save.show();
        auto* name = save.findChild<QLineEdit*>("TextNome");
        name->clear();
        QTest::keyClicks(name, "Mio-Sistema ");
        QKeyEvent accented(QEvent::KeyPress, Qt::Key_Egrave, Qt::NoModifier, "è");
        QApplication::sendEvent(name, &accented);
        QTest::keyClicks(name, " 2");
        QCOMPARE(save.name(), QString("miosistema  2"));
        saveScreenshot(&save, "GestioneSalva");
        ImportaDaTesto import;
        import.show();
        saveScreenshot(&import, "ImportaDaTesto");
        QVERIFY(!import.intoNewSystem());
        Forum about;
        about.show();
        QVERIFY(about.findChild<QLabel*>("Archivio")->text().contains("simulato"));
        saveScreenshot(&about, "Forum");
        Avviso notice(*state_->selection.readyToDevelop());
        notice.show();
        QCOMPARE(notice.windowTitle(), QString("Sviluppo:"));
        QVERIFY(notice.findChild<QLabel*>("Testo")->text().contains("Inserire Min 2 Numeroni"));
        saveScreenshot(&notice, "Avviso");
        // Dialogs nobody resizes keep a fixed size, so the window manager adds
        // no resize strip under them.
        for (QDialog* d : std::initializer_list<QDialog*>{&save, &import, &about, &notice})
            QCOMPARE(d->minimumSize(), d->maximumSize());
    }

    // Qt's own buttons and file dialogs speak Italian once the translations are in.
    void qtDialogsSpeakItalian() {
        QTranslator* italian = installQtTranslations();
        QVERIFY(italian);
        QDialogButtonBox box(QDialogButtonBox::Save | QDialogButtonBox::Cancel);
        QFileDialog files;
        files.setOption(QFileDialog::DontUseNativeDialog);
        files.setAcceptMode(QFileDialog::AcceptOpen);
        const QString cancel = box.button(QDialogButtonBox::Cancel)->text();
        const QString open =
            files.findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Open)->text();
        // Later tests look for the program's own texts only.
        QCoreApplication::removeTranslator(italian);
        delete italian;
        QCOMPARE(cancel, QString("Annulla"));
        QCOMPARE(QString(open).remove('&'), QString("Apri"));
    }
};

QTEST_MAIN(ArchiveWindowsTest)
#include "tst_archive.moc"
