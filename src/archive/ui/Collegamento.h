#pragma once

#include "archive/ui/Download.h"
#include "system/ArchiveMaintenance.h"
#include "ui/ChildWindow.h"

#include <string>
#include <vector>

class QCheckBox;
class QGroupBox;
class QLineEdit;
class QPlainTextEdit;
class QProgressBar;
class QPushButton;

namespace varnelo {

// "Download da Internet:": fetches the newest draws into the archive and
// checks for a newer program, from the addresses of enal/collegamento.txt.
class Collegamento : public ChildWindow {
    Q_OBJECT
  public:
    explicit Collegamento(Shell& shell);

    // "Controlla aggiornamento Programma" of the Help menu: the check alone.
    void checkProgramOnly();
    // A download stops after this silence or beyond this size.
    void setLimits(const DownloadLimits& limits) { limits_ = limits; }

  private:
    enum class Step { None, Archive, Version };

    void start();
    void startArchive();
    void startVersion();
    void downloaded(bool ok);
    void archiveDone(const ArchiveUpdateOutcome& out);
    void versionDone(const std::vector<std::string>& lines);
    void finish();
    void report(const std::vector<std::string>& lines);
    bool saveAddresses();

    Download download_;
    DownloadLimits limits_;
    Step step_ = Step::None;
    QLineEdit* archiveAddress_ = nullptr;
    QLineEdit* versionAddress_ = nullptr;
    QGroupBox* frame_ = nullptr;
    QCheckBox* archive_ = nullptr;
    QCheckBox* version_ = nullptr;
    QPushButton* start_ = nullptr;
    QPushButton* cancel_ = nullptr;
    QProgressBar* progress_ = nullptr;
    QPlainTextEdit* text_ = nullptr;
};

} // namespace varnelo
