#include "archive/ui/CopiaArchivio.h"

#include "system/ArchiveMaintenance.h"
#include "system/ArchiveTables.h"
#include "ui/Avviso.h"
#include "ui/DialogParts.h"
#include "ui/FolderPicker.h"
#include "ui/Shell.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace varnelo {

CopiaArchivio::CopiaArchivio(Shell& shell) : ChildWindow(shell, "CopiaArchivio") {
    help_ = new QLabel(this);
    help_->setWordWrap(true);
    picker_ = new FolderPicker({"*.cna"}, this);
    copy_ = namedButton("Copia", "CommEseg", this);
    auto* close = namedButton("Chiudi", "Command1", this);
    connect(copy_, &QPushButton::clicked, this, &CopiaArchivio::copy);
    connect(close, &QPushButton::clicked, this, &ChildWindow::closeWindow);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(copy_);
    buttons->addWidget(close);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(help_);
    layout->addWidget(picker_, 1);
    layout->addLayout(buttons);
    setMinimumSize(480, 340);
    setMode(Mode::Backup);
}

void CopiaArchivio::setMode(Mode mode) {
    mode_ = mode;
    const bool backup = mode == Mode::Backup;
    setWindowTitle(backup ? "Backup Archivio" : "Ripristina Archivio");
    help_->setText(backup ? "Scegliere la cartella in cui copiare l'archivio delle colonne "
                            "vincenti (archivio.cna)."
                          : "Scegliere la cartella da cui riprendere l'archivio delle colonne "
                            "vincenti (archivio.cna); l'archivio attuale resta in "
                            "enal/archivio.bak.");
}

void CopiaArchivio::copy() {
    const std::filesystem::path dir = picker_->folder().toStdString();
    const ArchiveCopyOutcome out = mode_ == Mode::Backup ? backupArchive(state().folder, dir)
                                                         : restoreArchive(state().folder, dir);
    if (out.done && mode_ == Mode::Restore) {
        showNotices(refreshArchiveTables(state()), this);
        shell().refresh();
    }
    picker_->refresh();
    if (out.notice)
        Avviso::ask(*out.notice, this);
}

} // namespace varnelo
