#include "core/SavedColumns.h"

#include "core/ColumnsFileFormat.h"
#include "core/TextFile.h"

#include <fstream>

namespace varnelo {

namespace {
Notice savedNotice(const std::string& line, const std::string& file) {
    return Notice{"Avviso:", {line, "File: " + file}};
}
} // namespace

std::optional<Notice> readSavedColumns(const ProgramFolder& folder, const std::string& name,
                                       std::size_t keep, std::vector<Column>& out,
                                       std::size_t& total) {
    const std::string file = name + ".cna";
    std::ifstream in(folder.path("qor/" + file), std::ios::binary);
    if (!in)
        return savedNotice("Impossibile leggere il sistema " + name, file);
    std::vector<Column> read;
    std::size_t count = 0, lineNumber = 0;
    std::string line;
    while (std::getline(in, line)) {
        ++lineNumber;
        if (trimBlanks(line).empty() || trimBlanks(line) == "\r")
            continue;
        Column c{};
        if (!parseColumnLine(line, c))
            return savedNotice("Colonna non valida alla riga " + std::to_string(lineNumber), file);
        if (++count <= keep)
            read.push_back(c);
    }
    out = std::move(read);
    total = count;
    return std::nullopt;
}

} // namespace varnelo
