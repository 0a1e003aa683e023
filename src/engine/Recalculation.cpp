#include "engine/Recalculation.h"

#include "core/ColumnsFileFormat.h"
#include "core/ProgramState.h"

#include <fstream>

namespace varnelo {

namespace {
// More lines than any system can hold, overflow included, means the file is not a columns file.
constexpr std::size_t kMaxFileColumns = 4 * static_cast<std::size_t>(ColumnStore::kCapacity);
} // namespace

bool readColumnsFile(const std::filesystem::path& path, std::vector<Column>& columns,
                     Notice& notice) {
    const std::string title = "Ricalcolo sistema:";
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        notice = {title,
                  {"Il file " + path.filename().string() + " non esiste", "o non si puo leggere."}};
        return false;
    }
    std::vector<Column> read;
    std::string line, reason;
    std::size_t number = 0;
    while (std::getline(in, line)) {
        ++number;
        if (line.find_first_not_of(" \t\r") == std::string::npos)
            continue;
        Column c;
        if (!parseColumnLine(line, c, &reason)) {
            notice = {title,
                      {"Le colonne memorizzate non sono valide:",
                       "riga " + std::to_string(number) + ": " + reason,
                       "Le colonne non possono essere caricate."}};
            return false;
        }
        if (read.size() >= kMaxFileColumns) {
            notice = {title, {"Troppe colonne nel file " + path.filename().string()}};
            return false;
        }
        read.push_back(c);
    }
    columns = std::move(read);
    return true;
}

RunResult recalculateSystem(ProgramState& state, const RunOptions& options, RunProgress& progress) {
    std::vector<Column> saved;
    Notice notice;
    if (!readColumnsFile(state.folder.path("qor/" + state.systemName + ".cna"), saved, notice)) {
        RunResult r;
        r.failure = notice;
        return r;
    }
    return developColumns(state, saved, options, progress);
}

} // namespace varnelo
