#include "shell/ui/MidiPlayer.h"

#include "core/MidiFiles.h"

#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>

namespace varnelo {

namespace {

// The General MIDI fonts of the Debian packages, smallest first.
QString soundFont() {
    for (const char* path :
         {"/usr/share/sounds/sf2/TimGM6mb.sf2", "/usr/share/sounds/sf2/FluidR3_GM.sf2",
          "/usr/share/sounds/sf2/default-GM.sf2"})
        if (QFileInfo::exists(path))
            return path;
    return {};
}

} // namespace

MidiPlayer::MidiPlayer(QObject* parent) : QObject(parent) {}

MidiPlayer::~MidiPlayer() {
    stop();
}

void MidiPlayer::play(const QString& file) {
    stop();
    const QString program = QStandardPaths::findExecutable("fluidsynth");
    const QString font = soundFont();
    if (program.isEmpty() || font.isEmpty()) {
        setStatus(program.isEmpty() ? "Musica non disponibile: manca il programma fluidsynth."
                                    : "Musica non disponibile: manca un sound font General MIDI.");
        return;
    }
    QStringList arguments;
    for (const std::string& a : synthArguments(font.toStdString(), file.toStdString(),
                                               qEnvironmentVariable("VARNELO_AUDIO").toStdString()))
        arguments << QString::fromStdString(a);
    process_ = new QProcess(this);
    // What fluidsynth says about the sound card is not for the player.
    process_->setStandardOutputFile(QProcess::nullDevice());
    process_->setStandardErrorFile(QProcess::nullDevice());
    connect(process_, &QProcess::finished, this, [this](int code) { ended(code); });
    connect(process_, &QProcess::errorOccurred, this, [this](QProcess::ProcessError e) {
        if (e == QProcess::FailedToStart)
            ended(-1);
    });
    playing_ = QFileInfo(file).fileName();
    process_->start(program, arguments);
    setStatus("In esecuzione: " + playing_);
}

void MidiPlayer::stop() {
    if (!process_)
        return;
    stopping_ = true;
    process_->kill();
    process_->waitForFinished(3000);
    stopping_ = false;
    delete process_;
    process_ = nullptr;
    setStatus("Musica fermata.");
}

bool MidiPlayer::isPlaying() const {
    return process_ && process_->state() != QProcess::NotRunning;
}

void MidiPlayer::ended(int exitCode) {
    if (stopping_ || !process_)
        return;
    process_->deleteLater();
    process_ = nullptr;
    setStatus(exitCode == 0 ? "Fine del brano: " + playing_
                            : "Musica non disponibile: nessuna uscita audio.");
}

void MidiPlayer::setStatus(const QString& status) {
    status_ = status;
    Q_EMIT statusChanged(status_);
}

} // namespace varnelo
