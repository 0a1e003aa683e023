#include "system/ArchiveMaintenance.h"

#include "core/Archive.h"
#include "core/AtomicWriter.h"
#include "core/DrawLine.h"
#include "core/TextFile.h"
#include "system/SelectionFollow.h"
#include "system/SystemStorage.h"

#include <fstream>
#include <iterator>

namespace varnelo {

namespace {

namespace fs = std::filesystem;

const char* const kUpdated =
    "Aggiornamento effettuato regolarmente dell'archivio (Colonne vincenti).";
const char* const kNotAvailable = "Aggiornamento non disponibile.";
const char* const kNotUpdated = "Aggiornamento non effettuato:";

// The file as it is on the disk, for copies that must stay byte for byte.
bool readBytes(const fs::path& path, std::string& bytes, std::string& error) {
    std::error_code ec;
    const auto size = fs::file_size(path, ec);
    if (ec || size > kMaxArchiveBytes) {
        error = ec ? "Impossibile leggere il file " + path.string() + "."
                   : "Il file " + path.string() + " e troppo grande.";
        return false;
    }
    std::ifstream in(path, std::ios::binary);
    bytes.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    if (!in.good() && !in.eof()) {
        error = "Impossibile leggere il file " + path.string() + ".";
        return false;
    }
    return true;
}

ArchiveUpdateOutcome refusedUpdate(std::string reason) {
    return {UpdateKind::Refused, {kNotUpdated, std::move(reason)}, std::nullopt};
}

Notice restoreRefused(std::string reason) {
    return Notice{"Errore:", {"Ripristino non effettuato:", std::move(reason)}};
}

// The archive system and a selection that follows the archive are rebuilt;
// the first thing that failed is reported.
std::optional<Notice> afterArchiveChange(const ProgramFolder& folder,
                                         const SelectionFollow& follow) {
    std::optional<Notice> notice = buildArchiveSystem(folder).notice;
    std::vector<Notice> selection = follow.archiveChanged();
    if (!notice && !selection.empty())
        notice = std::move(selection.front());
    return notice;
}

} // namespace

ArchiveUpdateOutcome downloadFailed(const std::string& reason) {
    return {UpdateKind::Refused, {"Download non riuscito:", reason}, std::nullopt};
}

std::string downloadVerdict(UpdateKind kind) {
    return kind == UpdateKind::Refused ? "Archivio non scaricato."
                                       : "Archivio scaricato regolarmente.";
}

ArchiveUpdateOutcome updateArchive(const ProgramFolder& folder, const fs::path& blockFile) {
    const fs::path archivePath = folder.path("enal/archivio.cna");
    std::string archive;
    std::string block;
    std::string error;
    if (!fs::exists(archivePath))
        return refusedUpdate("Troppe colonne mancanti in Archivio");
    if (!readTextFile(archivePath, kMaxArchiveBytes, archive, error) ||
        !readTextFile(blockFile, kMaxArchiveBytes, block, error))
        return refusedUpdate(error);
    ArchiveMerge merge = mergeArchiveBlock(splitLines(archive), splitLines(block));
    switch (merge.kind) {
    case UpdateKind::Refused:
        return refusedUpdate(merge.reason);
    case UpdateKind::AlreadyCurrent:
        return {UpdateKind::AlreadyCurrent, {kNotAvailable}, std::nullopt};
    case UpdateKind::Updated:
        break;
    }
    const SelectionFollow follow(folder);
    AtomicWriter writer(archivePath, folder.path("enal/archivio.cnn"));
    if (!writer.open() || !writer.write(joinLines(merge.lines)) || !writer.commit())
        return refusedUpdate(writer.error());
    ArchiveUpdateOutcome out{UpdateKind::Updated,
                             {kUpdated, "Estrazioni nuove: " + std::to_string(merge.newDraws)},
                             std::nullopt};
    out.notice = afterArchiveChange(folder, follow);
    return out;
}

ArchiveUpdateOutcome updateArchiveWithDownload(const ProgramFolder& folder,
                                               std::string_view bytes) {
    const fs::path blockFile = folder.path("enal/cambiasn.cgg");
    std::string error;
    if (!writeFileAtomically(blockFile, bytes, error))
        return refusedUpdate(error);
    ArchiveUpdateOutcome out = updateArchive(folder, blockFile);
    std::error_code ec;
    fs::remove(blockFile, ec);
    return out;
}

ArchiveCopyOutcome backupArchive(const ProgramFolder& folder, const fs::path& dir) {
    std::string bytes;
    std::string error;
    const fs::path target = dir / "archivio.cna";
    if (!readBytes(folder.path("enal/archivio.cna"), bytes, error) ||
        !writeFileAtomically(target, bytes, error))
        return {false, archiveErrorNotice(error)};
    return {true, Notice{"Copia:", {"Copia effettuata con successo:", target.string()}}};
}

ArchiveCopyOutcome restoreArchive(const ProgramFolder& folder, const fs::path& dir) {
    const fs::path source = dir / "archivio.cna";
    std::string bytes;
    std::string error;
    if (!fs::exists(source))
        return {false, restoreRefused("Nella cartella scelta non c'è il file archivio.cna.")};
    if (!readBytes(source, bytes, error))
        return {false, restoreRefused(error)};
    const std::string text = decodeText(bytes);
    const auto lines = splitLines(text);
    if (lines.empty())
        return {};
    if (!trimBlanks(lines.front()).starts_with(kFirstArchiveLine))
        return {false, restoreRefused("L'archivio in questione non è del Varnelo.")};
    if (!checkArchiveLines(lines, error))
        return {false, restoreRefused(error)};

    const fs::path archivePath = folder.path("enal/archivio.cna");
    std::string old;
    if (fs::exists(archivePath) &&
        (!readBytes(archivePath, old, error) ||
         !writeFileAtomically(folder.path("enal/archivio.bak"), old, error)))
        return {false, restoreRefused(error)};
    const SelectionFollow follow(folder);
    AtomicWriter writer(archivePath, folder.path("enal/archivio.cnn"));
    if (!writer.open() || !writer.write(bytes) || !writer.commit())
        return {false, restoreRefused(writer.error())};
    if (auto notice = afterArchiveChange(folder, follow))
        return {true, notice};
    return {true, Notice{"Ripristico:", {"Ripristino effettuato con successo:", source.string()}}};
}

} // namespace varnelo
