#pragma once

#include "ui/ChildWindow.h"

class QLabel;
class QPushButton;

namespace varnelo {

class FolderPicker;

// "Backup Archivio" and "Ripristina Archivio": the archive copied to a
// folder of the player's choice, or taken back from there.
class CopiaArchivio : public ChildWindow {
    Q_OBJECT
  public:
    enum class Mode { Backup, Restore };

    explicit CopiaArchivio(Shell& shell);
    void setMode(Mode mode);
    Mode mode() const { return mode_; }

  private:
    void copy();

    Mode mode_ = Mode::Backup;
    QLabel* help_ = nullptr;
    FolderPicker* picker_ = nullptr;
    QPushButton* copy_ = nullptr;
};

} // namespace varnelo
