#include "engine/Recalculation.h"

#include "core/ColumnsFileFormat.h"

#include <cstring>
#include <fstream>
#include <string_view>

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
                  {"Il file " + path.filename().string() + " non esiste", "o non si può leggere."}};
        return false;
    }
    std::vector<Column> read;
    std::string reason;
    std::size_t number = 0;
    // A column line is 15 characters; anything much longer is not one, and
    // is never read whole into memory.
    char line[256];
    while (in.getline(line, sizeof line) || in.gcount() > 0) {
        ++number;
        std::string_view text(line, std::strlen(line));
        if (in.fail() && !in.eof()) {
            notice = {title,
                      {"Le colonne memorizzate non sono valide:",
                       "riga " + std::to_string(number) + ": riga troppo lunga",
                       "Le colonne non possono essere caricate."}};
            return false;
        }
        if (number == 1 && text.starts_with("\xEF\xBB\xBF"))
            text.remove_prefix(3);
        if (text.find_first_not_of(" \t\r") == std::string_view::npos)
            continue;
        Column c;
        if (!parseColumnLine(text, c, &reason)) {
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

} // namespace varnelo
