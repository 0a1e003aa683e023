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
