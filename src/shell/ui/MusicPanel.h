#pragma once

#include "core/ProgramFolder.h"

#include <QGroupBox>

class QLabel;
class QListWidget;

namespace varnelo {

class MidiPlayer;

// The frame "Musica Midi:" of the number-entry window: the music files of
// the midi folder in `MSFGestioneS`; choosing one plays it in the
// background, "Close Midi" stops it.
class MusicPanel : public QGroupBox {
    Q_OBJECT
  public:
    MusicPanel(const ProgramFolder& folder, QWidget* parent);

    // Reads the midi folder again.
    void reload();
    const MidiPlayer& player() const { return *player_; }

  private:
    void playCurrent();

    ProgramFolder folder_;
    QListWidget* files_ = nullptr;
    QLabel* status_ = nullptr;
    MidiPlayer* player_ = nullptr;
};

} // namespace varnelo
