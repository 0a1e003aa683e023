#include "app/gui/Startup.h"

#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

#include <QLabel>
#include <QStatusBar>

#include "shell/ui/Varnelo.h"
#include "system/ProgramState.h"

class StartupTest : public QObject {
    Q_OBJECT
  private Q_SLOTS:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }

    void mainWindowShowsCaptionAndStatus() {
        QTemporaryDir dir;
        varnelo::ProgramState state(varnelo::ProgramFolder(dir.path().toStdString()));
        varnelo::Varnelo window(state);
        window.show();
        QCOMPARE(window.windowTitle(),
                 QString("Programma del Varnelo   ...Nome sistema = qor1.cna"));
        auto* status = window.findChild<QLabel*>("ColonneFinali");
        QVERIFY(status);
        QCOMPARE(status->text(), QString("Colonne finali = 0"));
    }

    void closeAfterStartSeedsTheFolderAndExits() {
        QTemporaryDir dir;
        const QString folder = dir.path() + "/nuova";
        QProcess p;
        p.setProcessChannelMode(QProcess::MergedChannels);
        p.start(VARNELO_GUI_PATH, {"--cartella", folder, "--chiudi-dopo-avvio"});
        QVERIFY(p.waitForFinished(60000));
        QCOMPARE(p.exitStatus(), QProcess::NormalExit);
        QCOMPARE(p.exitCode(), 0);
        for (const char* sub : {"enal", "qor", "andor", "ridotti", "piramide", "picchetto",
                                "giocate", "immagini", "midi"})
            QVERIFY2(QFileInfo(folder + "/" + sub).isDir(), sub);
    }

    // Nobody is there to press OK: the notice goes to standard error and
    // the program still closes.
    void closeAfterStartWritesStartupNoticesToStandardError() {
        QTemporaryDir dir;
        QVERIFY(QDir(dir.path()).mkpath("enal"));
        QFile selection(dir.path() + "/enal/archivio2.cna");
        QVERIFY(selection.open(QIODevice::WriteOnly));
        selection.write("non e una estrazione\r\n");
        selection.close();
        QProcess p;
        p.start(VARNELO_GUI_PATH, {"--cartella", dir.path(), "--chiudi-dopo-avvio"});
        QVERIFY(p.waitForFinished(60000));
        QCOMPARE(p.exitCode(), 0);
        const QString err = QString::fromUtf8(p.readAllStandardError());
        QVERIFY2(err.contains("Archivio non valido:") && err.contains("archivio2.cna"),
                 qPrintable(err));
    }

    void commandLineOptions() {
        auto o = varnelo::parseStartupOptions(
            {"varnelo", "--cartella", "/tmp/x", "--chiudi-dopo-avvio"});
        QCOMPARE(o.folder, QString("/tmp/x"));
        QVERIFY(o.closeAfterStart);
        QVERIFY(o.error.isEmpty());
        QVERIFY(!varnelo::parseStartupOptions({"varnelo", "--cartella"}).error.isEmpty());
        QVERIFY(!varnelo::parseStartupOptions({"varnelo", "--boh"}).error.isEmpty());
    }
};

QTEST_MAIN(StartupTest)
#include "tst_startup.moc"
