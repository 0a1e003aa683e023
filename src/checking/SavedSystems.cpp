#include "checking/SavedSystems.h"

#include "checking/HitCount.h"
#include "core/ColumnsFileFormat.h"
#include "core/LineReader.h"

namespace varnelo {

bool checkColumnsFile(const std::filesystem::path& file, std::int64_t limit,
                      const Combination& combination, const BetSplit& split, Progress& progress,
                      WinTally& tally, bool& cancelled, std::string& problem) {
    LineReader in(file);
    if (!in.isOpen()) {
        problem = "file " + file.filename().string() + " mancante o illeggibile";
        return false;
    }
    const MarkTable marks(combination);
    HitCounts hits{};
    std::string_view line;
    std::string reason;
    Column c{};
    for (std::int64_t k = 1; k <= limit && in.next(line); ++k) {
        if (!parseColumnLine(line, c, &reason)) {
            problem = "riga " + std::to_string(k) + ": " + reason;
            return false;
        }
        ++hits[static_cast<std::size_t>(marks.hits(c))];
        if (k % kProgressStep == 0 && progress.cancelled()) {
            cancelled = true;
            break;
        }
    }
    if (in.failed()) {
        problem = "errore di lettura del disco";
        return false;
    }
    tally = {};
    tally.add(hits, split);
    return true;
}

} // namespace varnelo
