#include "FileBytes.h"
#include "UiTestSupport.h"
#include "WidgetDriving.h"
#include "archive/ui/Collegamento.h"
#include "support/ArchiveLines.h"

#include <QCheckBox>
#include <QFile>
#include <QGroupBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTcpServer>
#include <QTcpSocket>
#include <QtTest>

#include <map>

using namespace varnelo;

namespace {

// A small HTTP server on the loopback address: each path answers as its
// route says, including the ways a real server goes wrong.
class LoopbackServer : public QTcpServer {
  public:
    enum class Mode { Whole, Truncated, Silent };
    struct Route {
        QByteArray status = "200 OK";
        QByteArray body;
        Mode mode = Mode::Whole;
        QByteArray location;
    };
    std::map<QByteArray, Route> routes;

    LoopbackServer() {
        listen(QHostAddress::LocalHost);
        connect(this, &QTcpServer::newConnection, this, [this] {
            while (QTcpSocket* s = nextPendingConnection()) {
                connect(s, &QTcpSocket::readyRead, s, [this, s] { answer(s); });
                connect(s, &QTcpSocket::disconnected, s, &QObject::deleteLater);
            }
        });
    }
    QString url(const char* path) const {
        return QString("http://127.0.0.1:%1%2").arg(serverPort()).arg(path);
    }

  private:
    void answer(QTcpSocket* s) {
        QByteArray& request = requests_[s];
        request += s->readAll();
        if (!request.contains("\r\n\r\n"))
            return;
        const QByteArray path = request.split(' ').value(1);
        const auto found = routes.find(path);
        const Route route =
            found == routes.end() ? Route{"404 Not Found", "non trovato"} : found->second;
        if (route.mode == Mode::Silent)
            return;
        QByteArray head = "HTTP/1.1 " + route.status + "\r\nContent-Type: text/plain\r\n" +
                          "Content-Length: " + QByteArray::number(route.body.size()) + "\r\n";
        if (!route.location.isEmpty())
            head += "Location: " + route.location + "\r\n";
        head += "Connection: close\r\n\r\n";
        s->write(head);
        s->write(route.mode == Mode::Truncated ? route.body.left(route.body.size() / 2)
                                               : route.body);
        s->disconnectFromHost();
    }
    std::map<QTcpSocket*, QByteArray> requests_;
};

} // namespace

class CollegamentoTest : public QObject {
    Q_OBJECT

    LoopbackServer server_;
    const QByteArray local_ = bytesOf(test::crlfText(test::masterLines(1, 3000)));

    void serve() {
        using Mode = LoopbackServer::Mode;
        auto bad = test::masterLines(2651, 400);
        bad[199] = "05-08-21-37-99060823-03-2020";
        server_.routes = {
            {"/blocco", {"200 OK", bytesOf(test::crlfText(test::masterLines(2651, 400)))}},
            {"/corrente", {"200 OK", bytesOf(test::crlfText(test::masterLines(2651, 350)))}},
            {"/staccato", {"200 OK", bytesOf(test::crlfText(test::masterLines(3002, 40)))}},
            {"/riga-cattiva", {"200 OK", bytesOf(test::crlfText(bad))}},
            {"/prima", {"200 OK", bytesOf(test::crlfText(test::masterLines(2400, 651)))}},
            {"/troncato",
             {"200 OK", bytesOf(test::crlfText(test::masterLines(2651, 400))), Mode::Truncated}},
            {"/muto", {"200 OK", "", Mode::Silent}},
            {"/grande", {"200 OK", bytesOf(test::crlfText(test::masterLines(1, 4000)))}},
            {"/spostato", {"302 Found", "", Mode::Whole, "/blocco"}},
            {"/versione", {"200 OK", "9.9 Nuove statistiche\r\n"}},
        };
    }

    // The program on a 3,000-draw archive, with `Collegamento` opened from
    // its menu item and the addresses typed in.
    struct Session {
        MainWindowUnderTest t;
        Collegamento* w = nullptr;
        Session(const QByteArray& archive, const QString& archiveUrl, const QString& versionUrl) {
            // The statistics run on every draw, as the selection window leaves them.
            if (!writeBytes(t.program.path("enal/archivio.cna"), archive) ||
                !writeBytes(t.program.path("enal/archivio2.cna"), archive))
                return;
            w = qobject_cast<Collegamento*>(
                openFromMenu(&t.main, "MenuArchivio(2)", "Collegamento"));
            if (!w)
                return;
            w->setLimits({400, 64 * 1024});
            w->findChild<QLineEdit*>("TextIndirizzo")->setText(archiveUrl);
            w->findChild<QLineEdit*>("TextIndirizzoVersione")->setText(versionUrl);
        }
        QString report() const { return w->findChild<QPlainTextEdit*>("TextInf")->toPlainText(); }
        QByteArray archive() const { return fileBytes(t.program.path("enal/archivio.cna")); }
        bool ended() const {
            return report().contains("Archivio scaricato regolarmente.") ||
                   report().contains("Archivio non scaricato.");
        }
    };

  private Q_SLOTS:
    void initTestCase() {
        prepareWindowTests();
        QVERIFY(server_.isListening());
        serve();
    }

    void downloadsTheBlockOrLeavesTheArchive_data() {
        QTest::addColumn<QString>("path");
        QTest::addColumn<QString>("said");
        QTest::addColumn<QByteArray>("archive");
        const QByteArray updated = bytesOf(test::crlfText(test::masterLines(1, 3050)));
        QTest::newRow("good block") << "/blocco"
                                    << "Archivio scaricato regolarmente." << updated;
        QTest::newRow("redirect") << "/spostato"
                                  << "Estrazioni nuove: 50" << updated;
        QTest::newRow("block starting before draw 2651")
            << "/prima"
            << "Archivio scaricato regolarmente." << updated;
        QTest::newRow("already current") << "/corrente"
                                         << "Aggiornamento non disponibile." << local_;
        QTest::newRow("does not connect") << "/staccato"
                                          << "non si collega" << local_;
        QTest::newRow("bad line") << "/riga-cattiva"
                                  << "Non valida la riga 200 del blocco scaricato" << local_;
        QTest::newRow("truncated") << "/troncato"
                                   << "Archivio non scaricato." << local_;
        QTest::newRow("404") << "/manca"
                             << "errore HTTP 404" << local_;
        QTest::newRow("never answers") << "/muto"
                                       << "Nessuna risposta dal server" << local_;
        QTest::newRow("too large") << "/grande"
                                   << "Risposta troppo grande" << local_;
    }
    void downloadsTheBlockOrLeavesTheArchive() {
        QFETCH(QString, path);
        QFETCH(QString, said);
        QFETCH(QByteArray, archive);
        Session s(local_, server_.url(path.toLatin1().constData()), "");
        QVERIFY(s.w);
        clickButton(s.w, "Command2");
        QTRY_VERIFY_WITH_TIMEOUT(s.ended(), 10000);
        QVERIFY2(s.report().contains(said), qPrintable(s.report()));
        QVERIFY(s.report().startsWith(
            "Aggiornamento dell'archivio (Colonne vincenti) in corso... Attendere.!"));
        QCOMPARE(s.archive(), archive);
        QVERIFY(!QFile::exists(s.t.program.path("enal/cambiasn.cgg")));
        QVERIFY(!QFile::exists(s.t.program.path("enal/archivio.cnn")));
        QVERIFY(s.w->findChild<QAbstractButton*>("Command2")->isEnabled());
        // The statistics see the new draws at once.
        if (archive != local_)
            QCOMPARE(s.t.program.state->archive.statisticsCount, 3050);
        saveScreenshot(s.w, "collegamento");
    }

    void addressesStayInTheSettingsFile() {
        const QString url = server_.url("/blocco");
        {
            Session s(local_, url, server_.url("/versione"));
            QVERIFY(s.w);
            clickButton(s.w, "Command2");
            QTRY_VERIFY_WITH_TIMEOUT(s.ended(), 10000);
            QCOMPARE(fileBytes(s.t.program.path("enal/collegamento.txt")),
                     (url + "\r\n" + server_.url("/versione") + "\r\n").toUtf8());
        }
    }

    void checksTheProgramVersion() {
        Session s(local_, server_.url("/blocco"), server_.url("/versione"));
        QVERIFY(s.w);
        s.w->findChild<QCheckBox*>("CheckProgramma")->setChecked(true);
        clickButton(s.w, "Command2");
        QTRY_VERIFY_WITH_TIMEOUT(s.report().contains("Controllo aggiornamento programma"), 10000);
        QVERIFY2(s.report().contains("Archivio scaricato regolarmente.\n"
                                     "Controllo aggiornamento programma OK.\n"
                                     "È disponibile la versione 9.9"),
                 qPrintable(s.report()));
        QCOMPARE(fileBytes(s.t.program.path("enal/versione.cgg")),
                 QByteArray("9.9 Nuove statistiche\r\n"));
    }

    void helpMenuChecksTheVersionAlone() {
        for (const char* path : {"/versione", "/manca"}) {
            Session s(local_, server_.url("/blocco"), server_.url(path));
            QVERIFY(s.w);
            s.w->closeWindow();
            QAction* item = s.t.main.findChild<QAction*>("MenHelp(1)");
            QVERIFY(item);
            item->trigger();
            const bool found = QString(path) == "/versione";
            QTRY_VERIFY_WITH_TIMEOUT(s.report().contains(found ? "Controllo aggiornamento "
                                                                 "programma OK."
                                                               : "Controllo aggiornamento "
                                                                 "programma non disponibile."),
                                     10000);
            QVERIFY(!s.report().contains("Archivio"));
            QCOMPARE(s.archive(), local_);
        }
    }

    void cancelStopsADownload() {
        Session s(local_, server_.url("/muto"), "");
        QVERIFY(s.w);
        s.w->setLimits({60000, 64 * 1024});
        clickButton(s.w, "Command2");
        clickButton(s.w, "CommAnnulla");
        QTRY_VERIFY_WITH_TIMEOUT(s.ended(), 5000);
        QVERIFY(s.report().contains("Scaricamento annullato."));
        QCOMPARE(s.archive(), local_);
    }

    void anEmptyAddressSaysHowToSetIt() {
        Session s(local_, "", "");
        QVERIFY(s.w);
        clickButton(s.w, "Command2");
        QVERIFY(s.ended());
        QVERIFY(s.report().contains("Indirizzo dell'archivio non impostato"));
        QCOMPARE(s.archive(), local_);
    }

    void anEmptyArchiveLeavesTheFrameDisabled() {
        QString title;
        clickInNextModal("OK", &title);
        Session s("", server_.url("/blocco"), "");
        QVERIFY(s.w);
        QTRY_COMPARE(title, QString("Archivio:"));
        QVERIFY(!s.w->findChild<QGroupBox*>("FrameAggiornamento")->isEnabled());
    }
};

QTEST_MAIN(CollegamentoTest)
#include "tst_collegamento.moc"
