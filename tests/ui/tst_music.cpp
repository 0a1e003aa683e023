#include "UiTestSupport.h"
#include "shell/ui/MidiPlayer.h"
#include "shell/ui/MusicPanel.h"
#include "shell/ui/Pronostico.h"

#include <QGroupBox>
#include <QListWidget>
#include <QPushButton>

using namespace varnelo;

class MusicTest : public QObject {
    Q_OBJECT

    std::unique_ptr<MainWindowUnderTest> app_;

    Varnelo& main() { return app_->main; }
    MusicPanel* openMusic() {
        main().findChild<QAction*>("MenuColVincenti(3)")->trigger();
        auto* panel = main().pronostico()->findChild<MusicPanel*>("FrameMidi");
        return panel && panel->isVisible() ? panel : nullptr;
    }
    QString status(MusicPanel* panel) { return panel->findChild<QLabel*>("LabMidi")->text(); }

  private Q_SLOTS:
    void initTestCase() { prepareWindowTests(); }
    void init() {
        // No sound card here: fluidsynth plays into nothing, in real time.
        qputenv("VARNELO_AUDIO", "file");
        app_ = std::make_unique<MainWindowUnderTest>();
    }
    void cleanup() { app_.reset(); }

    // "Musica midi" shows the panel with the files of midi/; "Suona" plays
    // the chosen one in the background until "Close Midi".
    void playsInTheBackgroundUntilClosed() {
        QVERIFY(!main().pronostico() ||
                !main().pronostico()->findChild<MusicPanel*>("FrameMidi")->isVisible());
        MusicPanel* panel = openMusic();
        QVERIFY(panel);
        auto* files = panel->findChild<QListWidget*>("MSFGestioneS");
        QCOMPARE(files->count(), 1);
        QCOMPARE(files->item(0)->text(), QString("Varnelo.mid"));
        saveScreenshot(main().pronostico(), "Pronostico-musica");

        panel->findChild<QPushButton*>("ComMidi(0)")->click();
        QVERIFY(panel->player().isPlaying());
        QCOMPARE(status(panel), QString("In esecuzione: Varnelo.mid"));
        QTest::qWait(700);
        QVERIFY(panel->player().isPlaying()); // a tune of some twenty seconds
        panel->findChild<QPushButton*>("ComMidi(1)")->click();
        QVERIFY(!panel->player().isPlaying());
        QCOMPARE(status(panel), QString("Musica fermata."));

        // A file added since is listed the next time the panel is asked for.
        QFile::copy(app_->program.path("midi/Varnelo.mid"), app_->program.path("midi/Bis.MID"));
        QCOMPARE(openMusic(), panel);
        QCOMPARE(files->count(), 2);
        QCOMPARE(files->item(0)->text(), QString("Bis.MID"));
    }

    // Without an audio output or without fluidsynth the panel says so,
    // quietly: no notice stops the player.
    void withoutSoundItStaysSilent() {
        MusicPanel* panel = openMusic();
        QVERIFY(panel);
        qputenv("VARNELO_AUDIO", "nessuno"); // a driver fluidsynth cannot open
        panel->findChild<QPushButton*>("ComMidi(0)")->click();
        QTRY_COMPARE_WITH_TIMEOUT(status(panel),
                                  QString("Musica non disponibile: nessuna uscita audio."), 10000);
        QVERIFY(!panel->player().isPlaying());
        QVERIFY(!QApplication::activeModalWidget());

        const QByteArray path = qgetenv("PATH");
        qputenv("PATH", "");
        panel->findChild<QPushButton*>("ComMidi(0)")->click();
        qputenv("PATH", path);
        QCOMPARE(status(panel), QString("Musica non disponibile: manca il programma fluidsynth."));
        QVERIFY(!panel->player().isPlaying());
    }
};

QTEST_MAIN(MusicTest)
#include "tst_music.moc"
