#include "UiTestSupport.h"
#include "app/gui/Startup.h"
#include "archive/ui/ColonneUscite.h"
#include "archive/ui/Ricerca.h"
#include "shell/ui/Forum.h"
#include "system/ui/GestioneSalva.h"
#include "system/ui/ImportaDaTesto.h"
#include "ui/Avviso.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QStandardPaths>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QtTest>

#include <fstream>
#include <memory>

using namespace varnelo;

// The archive windows and the small dialogs, driven as a user would.
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

    void archiveEditorAddsChecksAndRewrites() {
        ColonneUscite w(*state_);
        QVERIFY(w.isOpen());
        w.show();
        auto* grid = w.findChild<QTableWidget*>("MSFlexGrid6");
        const int rows = grid->rowCount();
        QVERIFY(rows > 0);
        const char* entry[] = {"3", "14", "15", "27", "44", "2", "9"};
        for (int i = 0; i < 7; ++i)
            w.findChild<QLineEdit*>(QString("TextNumCol(%1)").arg(i))->setText(entry[i]);
        const char* date[] = {"1", "12", "2026"};
        for (int i = 0; i < 3; ++i)
            w.findChild<QLineEdit*>(QString("TextNumUsc(%1)").arg(i))->setText(date[i]);
        w.addFromFields();
        QCOMPARE(grid->rowCount(), rows + 1);
        QCOMPARE(grid->item(rows, 1)->text(), QString("03-14-15-27-44"));
        saveScreenshot(&w, "ColonneUscite");

        // Numbers not ascending: the notice, the grid unchanged.
        w.findChild<QLineEdit*>("TextNumCol(0)")->setText("30");
        w.findChild<QLineEdit*>("TextNumCol(1)")->setText("14");
        for (int i = 2; i < 7; ++i)
            w.findChild<QLineEdit*>(QString("TextNumCol(%1)").arg(i))->setText(entry[i]);
        QString title;
        clickInNextModal("OK", &title);
        w.addFromFields();
        QCOMPARE(title, QString("Informazione:"));
        QCOMPARE(grid->rowCount(), rows + 1);

        QVERIFY(w.commit());
        std::ifstream in(program_->path("enal/archivio.cna").toStdString());
        std::string line, last;
        while (std::getline(in, line))
            if (!line.empty())
                last = line;
        if (!last.empty() && last.back() == '\r')
            last.pop_back();
        QCOMPARE(QString::fromStdString(last), QString("03-14-15-27-44020901-12-2026"));
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
        saveScreenshot(&notice, "Avviso");
    }
};

QTEST_MAIN(ArchiveWindowsTest)
#include "tst_archive.moc"
