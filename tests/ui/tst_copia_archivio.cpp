#include "FileBytes.h"
#include "UiTestSupport.h"
#include "WidgetDriving.h"
#include "support/ArchiveLines.h"

#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QTemporaryDir>
#include <QtTest>

using namespace varnelo;

namespace {

// Title and text of the next notice, answered with "OK".
struct NoticeSeen {
    QString title;
    QString text;
    void expect() {
        whenModalShows([this](QWidget* w) {
            title = w->windowTitle();
            if (auto* label = w->findChild<QLabel*>("Testo"))
                text = label->text();
            if (auto* ok = w->findChild<QAbstractButton*>("OK"))
                ok->click();
        });
    }
};

} // namespace

class CopiaArchivioTest : public QObject {
    Q_OBJECT

    const QByteArray local_ = bytesOf(test::crlfText(test::masterLines(1, 300)));

    // The program on a 300-draw archive with the window of `item` open on `folder`.
    struct Session {
        MainWindowUnderTest t;
        QWidget* w = nullptr;
        Session(const QByteArray& archive, const char* item, const QString& folder) {
            QVERIFY(writeBytes(t.program.path("enal/archivio.cna"), archive));
            w = openFromMenu(&t.main, item, "CopiaArchivio");
            if (w)
                w->findChild<QLineEdit*>("Dir1")->setText(folder);
        }
        QByteArray archive() const { return fileBytes(t.program.path("enal/archivio.cna")); }
        QString copy() {
            NoticeSeen seen;
            seen.expect();
            clickButton(w, "CommEseg");
            return seen.title + "|" + seen.text;
        }
    };

  private Q_SLOTS:
    void initTestCase() { prepareWindowTests(); }

    void backupGoesIntoTheChosenFolder() {
        for (const QString& end : {QString(), QString("/")}) {
            QTemporaryDir target;
            Session s(local_, "MenuArchivio(4)", target.path() + end);
            QVERIFY(s.w);
            QCOMPARE(s.w->windowTitle(), QString("Backup Archivio"));
            QCOMPARE(s.copy(),
                     "Copia:|Copia effettuata con successo:\n" + target.path() + "/archivio.cna");
            QCOMPARE(fileBytes(target.path() + "/archivio.cna"), local_);
            const auto* files = s.w->findChild<QListWidget*>("File1");
            QCOMPARE(files->count(), 1);
            QCOMPARE(files->item(0)->text(), QString("archivio.cna"));
            saveScreenshot(s.w, "copia-archivio");
        }
    }

    void restoreTakesOnlySoundArchivesOfTheProgram_data() {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<QString>("notice");
        auto damaged = test::masterLines(1, 320);
        damaged[99] = "05-08-21-37-46060832-13-2012";
        QTest::newRow("foreign") << bytesOf(test::crlfText(test::masterLines(2, 320)))
                                 << "Errore:|Ripristino non effettuato:\nL'archivio in questione "
                                    "non è del Varnelo.";
        QTest::newRow("damaged") << bytesOf(test::crlfText(damaged))
                                 << "Errore:|Ripristino non effettuato:\nNon valida la riga 100";
        QTest::newRow("sound") << bytesOf(test::crlfText(test::masterLines(1, 320)))
                               << "Ripristico:|Ripristino effettuato con successo:";
    }
    void restoreTakesOnlySoundArchivesOfTheProgram() {
        QFETCH(QByteArray, file);
        QFETCH(QString, notice);
        QTemporaryDir source;
        QVERIFY(writeBytes(source.path() + "/archivio.cna", file));
        Session s(local_, "MenuArchivio(5)", source.path());
        QVERIFY(s.w);
        QCOMPARE(s.w->windowTitle(), QString("Ripristina Archivio"));
        const QString seen = s.copy();
        QVERIFY2(seen.startsWith(notice), qPrintable(seen));
        const bool restored = notice.startsWith("Ripristico:");
        QCOMPARE(s.archive(), restored ? file : local_);
        QCOMPARE(QFile::exists(s.t.program.path("enal/archivio.bak")), restored);
        if (restored)
            QCOMPARE(fileBytes(s.t.program.path("enal/archivio.bak")), local_);
    }
};

QTEST_MAIN(CopiaArchivioTest)
#include "tst_copia_archivio.moc"
