#include "shell/ui/MusicPanel.h"

#include "core/MidiFiles.h"
#include "shell/ui/MidiPlayer.h"
#include "ui/DialogParts.h"
#include "ui/Text.h"

#include <QGridLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>

namespace varnelo {

MusicPanel::MusicPanel(const ProgramFolder& folder, QWidget* parent)
    : QGroupBox("Musica Midi:", parent), folder_(folder) {
    setObjectName("FrameMidi");
    files_ = new QListWidget(this);
    files_->setObjectName("MSFGestioneS");
    files_->setMaximumHeight(files_->fontMetrics().lineSpacing() * 4 + 8);
    player_ = new MidiPlayer(this);
    status_ = new QLabel(this);
    status_->setObjectName("LabMidi");
    status_->setWordWrap(true);
    connect(player_, &MidiPlayer::statusChanged, status_, &QLabel::setText);
    auto* play = namedButton("Suona", "ComMidi(0)", this);
    auto* close = namedButton("Close Midi", "ComMidi(1)", this);
    connect(files_, &QListWidget::itemActivated, this, &MusicPanel::playCurrent);
    connect(play, &QPushButton::clicked, this, &MusicPanel::playCurrent);
    connect(close, &QPushButton::clicked, player_, &MidiPlayer::stop);
    auto* grid = new QGridLayout(this);
    grid->addWidget(files_, 0, 0, 1, 2);
    grid->addWidget(play, 1, 0);
    grid->addWidget(close, 1, 1);
    grid->addWidget(status_, 2, 0, 1, 2);
    reload();
}

void MusicPanel::reload() {
    const QString current = files_->currentItem() ? files_->currentItem()->text() : QString();
    files_->clear();
    for (const std::string& name : midiFiles(folder_))
        files_->addItem(qs(name));
    const auto same = files_->findItems(current, Qt::MatchExactly);
    files_->setCurrentRow(same.isEmpty() ? 0 : files_->row(same.front()));
    if (files_->count() == 0)
        status_->setText("Nessun file .mid nella cartella midi.");
}

void MusicPanel::playCurrent() {
    if (const QListWidgetItem* item = files_->currentItem())
        player_->play(qs(folder_.path("midi/" + item->text().toStdString()).string()));
}

} // namespace varnelo
