#include "conditions/QuadroImports.h"

#include "core/ColumnsFileFormat.h"
#include "core/TextFile.h"

#include <fstream>

namespace varnelo {

namespace {

// Text files of filter columns are small: a thousand lines of numbers.
constexpr std::size_t kMaxTextBytes = 4 * 1024 * 1024;

Notice unreadable(const std::string& file, const std::string& reason) {
    return Notice{"Avviso:", {"Il file " + file + " non si puo usare:", reason}};
}

} // namespace

std::optional<Notice> readSystemColumns(const ProgramFolder& folder, const std::string& name,
                                        std::size_t limit, std::vector<Column>& out) {
    const std::string relative = "qor/" + name + ".cna";
    std::ifstream in(folder.path(relative), std::ios::binary);
    if (!in)
        return unreadable(relative, "file mancante o illeggibile.");
    std::vector<Column> columns;
    std::string line;
    for (std::size_t number = 1; columns.size() <= limit && std::getline(in, line); ++number) {
        if (trimBlanks(line).empty() || trimBlanks(line) == "\r")
            continue;
        Column c{};
        std::string reason;
        if (!parseColumnLine(line, c, &reason))
            return unreadable(relative, "riga " + std::to_string(number) + ": " + reason);
        columns.push_back(c);
    }
    out = std::move(columns);
    return std::nullopt;
}

std::optional<Notice> readTextFilterColumns(const std::filesystem::path& file,
                                            std::vector<ListColumn>& out) {
    const std::string shown = file.filename().string();
    std::string text, error;
    if (!readTextFile(file, kMaxTextBytes, text, error))
        return unreadable(shown, error);
    std::vector<ListColumn> columns;
    if (!parseCacFile(text, columns, error))
        return unreadable(shown, error);
    out = std::move(columns);
    return std::nullopt;
}

} // namespace varnelo
