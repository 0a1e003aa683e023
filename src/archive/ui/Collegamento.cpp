#include "archive/ui/Collegamento.h"

#include "archive/DownloadAddresses.h"
#include "archive/ProgramVersion.h"
#include "core/Archive.h"
#include "core/AtomicWriter.h"
#include "core/TextFile.h"
#include "system/ArchiveMaintenance.h"
#include "system/ArchiveTables.h"
#include "ui/Avviso.h"
#include "ui/DialogParts.h"
#include "ui/Shell.h"
#include "ui/Text.h"

#include <QCheckBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

#include <filesystem>

namespace varnelo {

namespace {

// The archive has a last draw to join the downloaded block to.
bool archiveHasDraws(const ProgramFolder& folder) {
    const auto path = folder.path("enal/archivio.cna");
    std::string error;
    if (!std::filesystem::exists(path))
        writeFileAtomically(path, "", error);
    ArchiveContents archive;
    return readArchive(path, kMaxArchiveLines, archive, error) && !archive.draws.empty();
}

std::string bytesOf(const QByteArray& body) {
    return std::string(body.constData(), static_cast<std::size_t>(body.size()));
}

} // namespace

Collegamento::Collegamento(Shell& shell) : ChildWindow(shell, "Collegamento") {
    setWindowTitle("Download da Internet:");

    auto* addresses = new QGroupBox("Indirizzi:", this);
    archiveAddress_ = new QLineEdit(addresses);
    archiveAddress_->setObjectName("TextIndirizzo");
    archiveAddress_->setPlaceholderText("https://.../cambiasn.cgg");
    versionAddress_ = new QLineEdit(addresses);
    versionAddress_->setObjectName("TextIndirizzoVersione");
    versionAddress_->setPlaceholderText("https://.../versione.cgg");
    auto* where = new QLabel("Gli indirizzi restano nel file enal/collegamento.txt.", addresses);
    where->setEnabled(false);
    auto* form = new QFormLayout(addresses);
    form->addRow("Archivio (Colonne vincenti):", archiveAddress_);
    form->addRow("Versione del programma:", versionAddress_);
    form->addRow(where);
    const DownloadAddresses saved = readDownloadAddresses(state().folder);
    archiveAddress_->setText(qs(saved.archive));
    versionAddress_->setText(qs(saved.version));

    frame_ = new QGroupBox("Aggiornameto:", this);
    frame_->setObjectName("FrameAggiornamento");
    archive_ = new QCheckBox("Archivio (Colonne vincenti)", frame_);
    archive_->setObjectName("CheckToto");
    archive_->setChecked(true);
    version_ = new QCheckBox("Controlla aggiornamento programma", frame_);
    version_->setObjectName("CheckProgramma");
    start_ = namedButton("Scarica:", "Command2", frame_);
    cancel_ = namedButton("Annulla", "CommAnnulla", frame_);
    cancel_->setEnabled(false);
    progress_ = new QProgressBar(frame_);
    progress_->setObjectName("ProgressBar1");
    progress_->setRange(0, 1);
    progress_->setValue(0);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(start_);
    buttons->addWidget(cancel_);
    buttons->addWidget(progress_, 1);
    auto* frameLayout = new QVBoxLayout(frame_);
    frameLayout->addWidget(archive_);
    frameLayout->addWidget(version_);
    frameLayout->addLayout(buttons);

    text_ = new QPlainTextEdit(this);
    text_->setObjectName("TextInf");
    text_->setReadOnly(true);
    text_->setMinimumHeight(140);

    auto* close = namedButton("Chiudi", "Command1", this);
    connect(close, &QPushButton::clicked, this, &ChildWindow::closeWindow);
    auto* bottom = new QHBoxLayout;
    bottom->addStretch();
    bottom->addWidget(close);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(addresses);
    layout->addWidget(frame_);
    layout->addWidget(text_, 1);
    layout->addLayout(bottom);
    setMinimumSize(560, 440);

    connect(start_, &QPushButton::clicked, this, &Collegamento::start);
    connect(cancel_, &QPushButton::clicked, &download_, &Download::cancel);
    connect(&download_, &Download::progress, this, [this](qint64 received, qint64 total) {
        progress_->setRange(0, total > 0 ? 1000 : 0);
        if (total > 0)
            progress_->setValue(static_cast<int>(received * 1000 / total));
    });
    connect(&download_, &Download::finished, this, &Collegamento::downloaded);

    if (!archiveHasDraws(state().folder)) {
        frame_->setEnabled(false);
        QTimer::singleShot(0, this, [this] {
            Avviso::ask(Notice{"Archivio:",
                               {"Troppe colonne mancanti in Archivio",
                                "Per scaricare da internet L'archivio",
                                "prima reinstallare il Programma."}},
                        this);
        });
    }
}

void Collegamento::checkProgramOnly() {
    if (step_ != Step::None || !frame_->isEnabled())
        return;
    archive_->setChecked(false);
    version_->setChecked(true);
    start();
}

void Collegamento::start() {
    if (step_ != Step::None || (!archive_->isChecked() && !version_->isChecked()))
        return;
    text_->clear();
    if (!saveAddresses())
        return;
    start_->setEnabled(false);
    cancel_->setEnabled(true);
    if (archive_->isChecked())
        startArchive();
    else
        startVersion();
}

bool Collegamento::saveAddresses() {
    const DownloadAddresses typed{archiveAddress_->text().trimmed().toStdString(),
                                  versionAddress_->text().trimmed().toStdString()};
    if (typed == readDownloadAddresses(state().folder))
        return true;
    std::string error;
    if (writeDownloadAddresses(state().folder, typed, error))
        return true;
    report({"Indirizzi non salvati:", error});
    return false;
}

void Collegamento::startArchive() {
    step_ = Step::Archive;
    report({kUpdateStarts});
    const QString address = archiveAddress_->text().trimmed();
    if (address.isEmpty())
        archiveDone(downloadFailed("Indirizzo dell'archivio non impostato: scriverlo nel campo "
                                   "\"Archivio (Colonne vincenti)\" qui sopra."));
    else if (!download_.start(QUrl(address), limits_))
        archiveDone(downloadFailed(download_.error().toStdString()));
}

void Collegamento::startVersion() {
    step_ = Step::Version;
    const QString address = versionAddress_->text().trimmed();
    if (address.isEmpty())
        versionDone(versionUnavailable("Indirizzo della versione non impostato: scriverlo nel "
                                       "campo \"Versione del programma\" qui sopra."));
    else if (!download_.start(QUrl(address), limits_))
        versionDone(versionUnavailable(download_.error().toStdString()));
}

void Collegamento::downloaded(bool ok) {
    const std::string body = bytesOf(download_.body());
    const std::string error = download_.error().toStdString();
    if (step_ == Step::Archive) {
        archiveDone(ok ? updateArchiveWithDownload(state().folder, body) : downloadFailed(error));
    } else if (step_ == Step::Version) {
        std::string written;
        if (!ok)
            versionDone(versionUnavailable(error));
        else if (!writeFileAtomically(state().folder.path("enal/versione.cgg"), body, written))
            versionDone(versionUnavailable(written));
        else
            versionDone(versionReport(decodeText(body), VARNELO_VERSION));
    }
}

void Collegamento::archiveDone(const ArchiveUpdateOutcome& out) {
    report(out.report);
    report({downloadVerdict(out.kind)});
    if (out.kind == UpdateKind::Updated) {
        std::vector<Notice> notices = refreshArchiveTables(state());
        if (out.notice)
            notices.insert(notices.begin(), *out.notice);
        shell().refresh();
        showNotices(notices, this);
    }
    if (version_->isChecked())
        startVersion();
    else
        finish();
}

void Collegamento::versionDone(const std::vector<std::string>& lines) {
    report(lines);
    finish();
}

void Collegamento::finish() {
    step_ = Step::None;
    start_->setEnabled(true);
    cancel_->setEnabled(false);
    progress_->setRange(0, 1);
    progress_->setValue(0);
}

void Collegamento::report(const std::vector<std::string>& lines) {
    for (const auto& line : lines)
        text_->appendPlainText(qs(line));
}

} // namespace varnelo
