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
