#pragma once

#include "archive/ArchiveUpdate.h"
#include "core/Notice.h"
#include "core/ProgramFolder.h"

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace varnelo {

// The report lines of an update, as the download window and the command
// line show them.
struct ArchiveUpdateOutcome {
    UpdateKind kind = UpdateKind::Refused;
    std::vector<std::string> report;
    // The archive system could not be rebuilt after the archive changed.
    std::optional<Notice> notice;
};

// The first line of the report, before the download starts.
inline constexpr const char* kUpdateStarts =
    "Aggiornamento dell'archivio (Colonne vincenti) in corso... Attendere.!";

// Nothing came from the download location.
ArchiveUpdateOutcome downloadFailed(const std::string& reason);
// The last line of the report: "Archivio scaricato regolarmente." when the
// archive is now what the download location has.
std::string downloadVerdict(UpdateKind kind);

// Updates enal/archivio.cna with the block file. The archive is replaced
// (through enal/archivio.cnn) only when the block joins it; then the archive
// system is rebuilt. Otherwise nothing changes.
ArchiveUpdateOutcome updateArchive(const ProgramFolder& folder,
                                   const std::filesystem::path& blockFile);

// A downloaded block: written byte for byte as enal/cambiasn.cgg, used for
// the update, then deleted.
ArchiveUpdateOutcome updateArchiveWithDownload(const ProgramFolder& folder, std::string_view bytes);

// What a backup or a restore did; no notice when there was nothing to do.
struct ArchiveCopyOutcome {
    bool done = false;
    std::optional<Notice> notice;
};

// Copies enal/archivio.cna into the folder as "archivio.cna".
ArchiveCopyOutcome backupArchive(const ProgramFolder& folder, const std::filesystem::path& dir);

// Takes "archivio.cna" of the folder as the archive when it is one of this
// program and every line of it is sound; the old archive is kept as
// enal/archivio.bak and the archive system rebuilt.
ArchiveCopyOutcome restoreArchive(const ProgramFolder& folder, const std::filesystem::path& dir);

} // namespace varnelo
