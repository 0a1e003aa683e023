#pragma once

#include "core/Archive.h"
#include "core/Notice.h"
#include "core/ProgramFolder.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace varnelo {

// The settings of the selection window `Ricerca` (enal/Ricerca.txt).
struct SearchSettings {
    std::array<bool, 12> months;    // `CheMese` 1..12
    std::array<bool, 14> positions; // `CheSettimane`: 1° .. 14° Concorso Mensile
    std::array<bool, 7> weekdays;   // `CheGiorno`: Lunedi .. Domenica
    // `OptEsaminare`: "Selezione dei concorsi", "Tutti i concorsi in Archivio".
    std::array<int, 2> examine{0, 1};
    // `TextColUsc` 0 and 1: first and last contest index of the range. The
    // default range reaches past any archive; the window shows it clamped.
    std::int32_t first = 1;
    std::int32_t last = static_cast<std::int32_t>(kMaxArchiveLines);

    SearchSettings() {
        months.fill(true);
        positions.fill(true);
        weekdays.fill(true);
    }
    bool operator==(const SearchSettings&) const = default;
};

// Reads enal/Ricerca.txt; a missing or short file keeps the defaults of the
// lines not read, a line that is not a number keeps its default too.
SearchSettings loadSearchSettings(const ProgramFolder& folder);
bool saveSearchSettings(const ProgramFolder& folder, const SearchSettings& s, std::string& error);

// The draws of the archive that the settings select, in archive order.
std::vector<Draw> selectDraws(const std::vector<Draw>& archive, const SearchSettings& s);

struct SelectionOutcome {
    bool ok = false;
    std::int32_t count = 0;      // the statistics count
    std::vector<Notice> notices; // read or write failures, malformed lines
};

// "OK" of the selection window: walks enal/archivio.cna and writes the
// selected draws to enal/archivio2.cna. On failure the old selection stays.
SelectionOutcome buildStatisticsSelection(const ProgramFolder& folder, const SearchSettings& s);

// The same walk without writing: "Concorsi in Gioco = " while settings change.
SelectionOutcome countStatisticsSelection(const ProgramFolder& folder, const SearchSettings& s);

// "Concorsi in Gioco = " and the count.
std::string selectionCountText(std::int32_t count);
// "Anno " and the date of a draw, for the range labels.
std::string rangeLabel(const Draw& draw);

// Personal archives: every .cna of enal/ except archivio2.cna, by file name.
std::vector<std::string> personalArchives(const ProgramFolder& folder);

// Copies the draws of a personal archive to enal/archivio2.cna and returns the
// "Archivio Cambiato:" notice (or the failure).
SelectionOutcome usePersonalArchive(const ProgramFolder& folder, const std::string& fileName);

} // namespace varnelo
