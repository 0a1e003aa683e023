#pragma once

#include <QObject>
#include <QString>

class QProcess;

namespace varnelo {

// Plays one music file at a time in the background with the fluidsynth
// program and a General MIDI sound font. Without fluidsynth, a sound font
// or an audio device it stays silent and says so in `status`, no dialog.
// VARNELO_AUDIO names the fluidsynth audio driver ("file": no sound card).
class MidiPlayer : public QObject {
    Q_OBJECT
  public:
    explicit MidiPlayer(QObject* parent);
    ~MidiPlayer() override;

    void play(const QString& file);
    void stop();
    bool isPlaying() const;
    const QString& status() const { return status_; }

  Q_SIGNALS:
    void statusChanged(const QString& status);

  private:
    void setStatus(const QString& status);
    void ended(int exitCode);

    QProcess* process_ = nullptr;
    QString playing_;
    QString status_;
    bool stopping_ = false;
};

} // namespace varnelo
