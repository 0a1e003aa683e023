#include "reduced/StoredTable.h"
#include "reduced/TableCode.h"

#include <fstream>

namespace varnelo {

namespace {

constexpr long kMostLines = 250000;
constexpr std::size_t kLongestLine = 64;

} // namespace

TableAnswer loadStoredTable(const ProgramFolder& folder, std::string_view code, RowStore& store) {
    TableAnswer answer;
    const auto parsed = parseTableCode(completeCode(code));
    if (!parsed || parsed->rowLength - parsed->fixed < 1) {
        answer.error = "Codice del ridotto non valido: " + std::string(code);
        return answer;
    }
    const TableCode f = parsed->freeForm();
    const std::string name = f.text() + ".cna";
    std::ifstream in(folder.path("ridotti/" + name), std::ios::binary);
    if (!in) {
        answer.error = "Ridotto non trovato: " + name;
        return answer;
    }
    std::vector<std::string> rows;
    std::vector<int> fields;
    std::string line;
    for (long number = 1; number <= kMostLines; ++number) {
        line.clear();
        // Lines are read by hand so that a binary file cannot make one huge.
        char ch;
        bool any = false;
        while (in.get(ch) && ch != '\n') {
            any = true;
            if (line.size() <= kLongestLine)
                line += ch;
        }
        if (!any && !in)
            break;
        if (number == 1 && line.rfind("\xEF\xBB\xBF", 0) == 0)
            line.erase(0, 3);
        while (!line.empty() && (line.back() == '\r' || line.back() == ' '))
            line.pop_back();
        if (line.empty())
            continue;
        if (!readFields(line, f.rowLength, f.n, fields)) {
            answer.error = "Ridotto " + name + ": riga " + std::to_string(number) +
                           " non valida (" + line.substr(0, 20) + ")";
            return answer;
        }
        if (rows.size() == RowStore::kCapacity) {
            answer.error =
                "Ridotto " + name + ": più di " + std::to_string(RowStore::kCapacity) + " righe";
            return answer;
        }
        std::vector<std::uint8_t> positions(fields.begin(), fields.end());
        rows.push_back(fieldText(positions.data(), f.rowLength));
    }
    if (rows.empty()) {
        answer.error = "Ridotto " + name + ": nessuna riga";
        return answer;
    }
    answer.rows = rows.size();
    store.load(std::move(rows));
    answer.answer = "OK";
    return answer;
}

} // namespace varnelo
