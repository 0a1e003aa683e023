#include "FileBytes.h"
#include "UiTestSupport.h"
#include "WidgetDriving.h"

#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

using namespace varnelo;

class ImportaTest : public QObject {
    Q_OBJECT

    // The program with a system, a crossword set and a personal reduced
    // system of its own, and "Esporta,   Importa:" opened from the
    // "&Sistemi" menu on another folder.
    struct Session {
        MainWindowUnderTest t;
        QTemporaryDir outside;
        QWidget* w = nullptr;
        Session() {
            const QString root = t.program.path("");
            QDir().mkpath(root + "andor");
            QDir().mkpath(root + "ridotti");
            if (!writeBytes(root + "qor/mio.sse", "impostazioni") ||
                !writeBytes(root + "qor/mio.cna", "colonne") ||
                !writeBytes(root + "andor/croce.sck", "cruciverba") ||
                !writeBytes(root + "ridotti/piccolo.rid", "ridotto"))
                return;
            w = openFromMenu(&t.main, "MenuFile(6)", "Importa");
            if (w)
                w->findChild<QLineEdit*>("Dir1")->setText(outside.path());
        }
        QTableWidget* grid() const { return w->findChild<QTableWidget*>("MSFGestioneS"); }
        // Selects the row naming `name`; false when the grid has none.
        bool select(const QString& name) const {
            const auto found = grid()->findItems(name, Qt::MatchExactly);
            if (found.isEmpty())
                return false;
            grid()->setCurrentCell(found.front()->row(), 0);
            return true;
        }
        // Clicks `button`, answers the first window that follows with
        // `answer` and any further notice with "OK"; returns their texts.
        QString click(const char* button, const char* answer) {
            QString seen;
            int answered = 0;
            QTimer poll;
            QObject::connect(&poll, &QTimer::timeout, [&] {
                QWidget* m = QApplication::activeModalWidget();
                if (!m || !m->isVisible())
                    return;
                seen += m->windowTitle() + "|" + m->findChild<QLabel*>("Testo")->text() + "\n";
                auto* b = m->findChild<QAbstractButton*>(answered++ == 0 ? answer : "OK");
                if (b)
                    b->click();
                else
                    m->close();
            });
            poll.start(10);
            clickButton(w, button);
            return seen;
        }
    };

  private Q_SLOTS:
    void initTestCase() { prepareWindowTests(); }

    void exportsEachKindOfItem() {
        Session s;
        QVERIFY(s.w);
        QCOMPARE(s.w->windowTitle(), QString("Esporta,   Importa:"));
        QStringList rows;
        for (int r = 0; r < s.grid()->rowCount(); ++r)
            rows << s.grid()->item(r, 0)->text() + " " + s.grid()->item(r, 1)->text();
        QVERIFY2(rows.contains("Sistema mio") && rows.contains("Cruciverba croce") &&
                     rows.contains("Ridotto piccolo") && !rows.contains("Sistema archivio"),
                 qPrintable(rows.join(", ")));
        for (const char* name : {"mio", "croce", "piccolo"}) {
            QVERIFY(s.select(name));
            QCOMPARE(s.click("CommEseg", "OK"),
                     QString("Esporta:|Sistema trasferito\nsull'unità con successo.\n"));
        }
        QCOMPARE(fileBytes(s.outside.path() + "/mio.sse"), QByteArray("impostazioni"));
        QCOMPARE(fileBytes(s.outside.path() + "/mio.cna"), QByteArray("colonne"));
        QCOMPARE(fileBytes(s.outside.path() + "/croce.sck"), QByteArray("cruciverba"));
        QCOMPARE(fileBytes(s.outside.path() + "/piccolo.rid"), QByteArray("ridotto"));
        saveScreenshot(s.w, "importa");
    }

    void importAsksBeforeReplacing() {
        Session s;
        QVERIFY(s.w);
        QVERIFY(writeBytes(s.outside.path() + "/mio.sse", "nuove impostazioni"));
        QVERIFY(writeBytes(s.outside.path() + "/mio.cna", "nuove colonne"));
        QVERIFY(writeBytes(s.outside.path() + "/altro.sse", "altro"));
        clickButton(s.w, "Option1(1)");
        QVERIFY(s.select("altro"));
        QCOMPARE(s.click("CommEseg", "OK"),
                 QString("Importa:| Sistema trasferito:\nNella Cartella del programma con "
                         "successo.\n"));
        QCOMPARE(fileBytes(s.t.program.path("qor/altro.sse")), QByteArray("altro"));

        QVERIFY(s.select("mio"));
        QVERIFY(s.click("CommEseg", "No").contains("Sostituire il file?"));
        QCOMPARE(fileBytes(s.t.program.path("qor/mio.sse")), QByteArray("impostazioni"));

        QVERIFY(s.select("mio"));
        QVERIFY(s.click("CommEseg", "Si").contains("Sostituire il file?"));
        QTRY_COMPARE(fileBytes(s.t.program.path("qor/mio.sse")), QByteArray("nuove impostazioni"));
        QCOMPARE(fileBytes(s.t.program.path("qor/mio.cna")), QByteArray("nuove colonne"));
    }

    void deletesAPersonalReducedSystemAfterAsking() {
        Session s;
        QVERIFY(s.w);
        QVERIFY(s.select("piccolo"));
        QVERIFY(s.click("CommElimina", "No")
                    .contains("Eliminare il mio ridotto personale = "
                              "piccolo"));
        QVERIFY(QFile::exists(s.t.program.path("ridotti/piccolo.rid")));
        QVERIFY(s.select("piccolo"));
        s.click("CommElimina", "Si");
        QVERIFY(!QFile::exists(s.t.program.path("ridotti/piccolo.rid")));
        QVERIFY(!s.select("piccolo"));
        QVERIFY(s.select("mio"));
        QVERIFY(!s.w->findChild<QAbstractButton*>("CommElimina")->isEnabled());
    }
};

QTEST_MAIN(ImportaTest)
#include "tst_importa.moc"
