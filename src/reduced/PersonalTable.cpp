#include "reduced/PersonalTable.h"

#include "core/AtomicWriter.h"
#include "core/TextFile.h"

#include <algorithm>
#include <filesystem>

namespace varnelo {

namespace {

// Ten thousand columns of five positions: well under a megabyte.
constexpr std::size_t kMaxBytes = 1024 * 1024;

std::filesystem::path tablePath(const ProgramFolder& folder, const std::string& name) {
    return folder.path("ridotti/" + name + ".rid");
}

Notice fileNotice(const std::string& line, const std::string& file) {
    return Notice{"Avviso:", {line, "File: " + file}};
}

bool readHeaderValue(const std::vector<std::string_view>& lines, std::size_t at, long long lo,
                     long long hi, long long& value) {
    return at < lines.size() && parseIntegerText(lines[at], value) && value >= lo && value <= hi;
}

bool readColumn(std::string_view line, Column& c) {
    std::vector<long long> values;
    std::size_t at = 0;
    while (at < line.size()) {
        while (at < line.size() && (line[at] == ' ' || line[at] == '\t'))
            ++at;
        const std::size_t end = std::min(line.find_first_of(" \t", at), line.size());
        if (end > at) {
            long long v = 0;
            if (!parseIntegerText(line.substr(at, end - at), v) || v < 1 || v > kPersonalPositions)
                return false;
            values.push_back(v);
        }
        at = end;
    }
    if (values.size() != static_cast<std::size_t>(kColumnSize))
        return false;
    std::sort(values.begin(), values.end());
    if (std::adjacent_find(values.begin(), values.end()) != values.end())
        return false;
    for (int k = 0; k < kColumnSize; ++k)
        c[static_cast<std::size_t>(k)] =
            static_cast<std::uint8_t>(values[static_cast<std::size_t>(k)]);
    return true;
}

} // namespace

std::string formatPersonalTable(const PersonalTable& table) {
    std::vector<std::string> lines = {
        std::to_string(table.columns.size()), std::to_string(table.numbersInPlay),
        std::to_string(table.leaders), std::to_string(table.guarantee), "*"};
    for (const Column& c : table.columns) {
        std::string line;
        for (const auto p : c)
            line += ' ' + std::to_string(p);
        lines.push_back(line);
    }
    return joinLines(lines);
}

std::optional<Notice> parsePersonalTable(std::string_view text, const std::string& fileName,
                                         PersonalTable& out) {
    const std::vector<std::string_view> lines = splitLines(text);
    long long count = 0, inPlay = 0, leaders = 0, guarantee = 0;
    if (!readHeaderValue(lines, 0, 0, 1'000'000'000, count))
        return fileNotice("Intestazione non valida alla riga 1", fileName);
    if (count > static_cast<long long>(kMaxPersonalColumns))
        return Notice{"Avviso:", {"Colonne N°= " + std::to_string(count)}};
    if (!readHeaderValue(lines, 1, 0, kMaxNumber, inPlay))
        return fileNotice("Intestazione non valida alla riga 2", fileName);
    if (!readHeaderValue(lines, 2, 0, kMaxNumber, leaders))
        return fileNotice("Intestazione non valida alla riga 3", fileName);
    if (!readHeaderValue(lines, 3, 2, 4, guarantee))
        return fileNotice("Intestazione non valida alla riga 4", fileName);
    if (lines.size() < 5 || trimBlanks(lines[4]) != "*")
        return fileNotice("Manca la riga \"*\" alla riga 5", fileName);
    PersonalTable read{
        static_cast<int>(inPlay), static_cast<int>(leaders), static_cast<int>(guarantee), {}};
    for (std::size_t i = 5;
         i < lines.size() && read.columns.size() < static_cast<std::size_t>(count); ++i) {
        if (trimBlanks(lines[i]).empty())
            continue;
        Column c{};
        if (!readColumn(lines[i], c))
            return fileNotice("Colonna non valida alla riga " + std::to_string(i + 1), fileName);
        read.columns.push_back(c);
    }
    out = std::move(read);
    return std::nullopt;
}

std::optional<Notice> loadPersonalTable(const ProgramFolder& folder, const std::string& name,
                                        PersonalTable& out) {
    const std::string file = name + ".rid";
    std::string text, error;
    if (!readTextFile(tablePath(folder, name), kMaxBytes, text, error))
        return fileNotice(error, file);
    return parsePersonalTable(text, file, out);
}

std::optional<Notice> savePersonalTable(const ProgramFolder& folder, const std::string& name,
                                        const PersonalTable& table) {
    if (table.columns.size() > kMaxPersonalColumns)
        return Notice{"Avviso:", {"Colonne N°= " + std::to_string(table.columns.size())}};
    std::error_code ec;
    std::filesystem::create_directories(folder.path("ridotti"), ec);
    std::string error;
    if (!writeFileAtomically(tablePath(folder, name), formatPersonalTable(table), error))
        return fileNotice(error, name + ".rid");
    return std::nullopt;
}

bool personalTableExists(const ProgramFolder& folder, const std::string& name) {
    std::error_code ec;
    return std::filesystem::is_regular_file(tablePath(folder, name), ec);
}

std::optional<Notice> deletePersonalTable(const ProgramFolder& folder, const std::string& name) {
    std::error_code ec;
    if (personalTableExists(folder, name) && std::filesystem::remove(tablePath(folder, name), ec))
        return std::nullopt;
    return Notice{"Avviso:", {"Impossibile eliminare il file " + name + ".rid"}};
}

std::vector<PersonalTableEntry> listPersonalTables(const ProgramFolder& folder) {
    std::vector<PersonalTableEntry> out;
    std::error_code ec;
    for (const auto& e : std::filesystem::directory_iterator(folder.path("ridotti"), ec)) {
        if (!e.is_regular_file(ec) || e.path().extension() != ".rid")
            continue;
        PersonalTableEntry entry{e.path().stem().string()};
        PersonalTable table;
        entry.damaged = loadPersonalTable(folder, entry.name, table).has_value();
        if (!entry.damaged) {
            entry.columns = table.columns.size();
            entry.numbersInPlay = table.numbersInPlay;
            entry.leaders = table.leaders;
            entry.guarantee = table.guarantee;
        }
        out.push_back(std::move(entry));
    }
    std::sort(out.begin(), out.end(), [](const auto& a, const auto& b) { return a.name < b.name; });
    return out;
}

bool personalTableKeepsItsGuarantee(const PersonalTable& table) {
    PositionTable positions;
    positions.rowLength = kColumnSize;
    positions.n = personalTablePositions(table);
    for (const Column& c : table.columns)
        positions.cells.insert(positions.cells.end(), c.begin(), c.end());
    return !table.columns.empty() && coversAll(positions, table.guarantee, kColumnSize);
}

int personalTableHeldGuarantee(const PersonalTable& table) {
    PersonalTable probe = table;
    for (probe.guarantee = kColumnSize; probe.guarantee > 0; --probe.guarantee)
        if (personalTableKeepsItsGuarantee(probe))
            break;
    return probe.guarantee;
}

int personalTablePositions(const PersonalTable& table) {
    int n = 0;
    for (const Column& c : table.columns)
        n = std::max(n, static_cast<int>(c.back()));
    return n;
}

Notice personalGuaranteeReport(const PersonalTable& table) {
    Notice report{"Verifica garanzia:", {}};
    if (table.columns.empty()) {
        report.lines = {"Il ridotto non ha colonnine da verificare."};
        return report;
    }
    const std::string n = std::to_string(personalTablePositions(table));
    const std::string g = std::to_string(table.guarantee);
    const int held = personalTableHeldGuarantee(table);
    const std::string heldText = held == 1 ? "1 punto" : std::to_string(held) + " punti";
    if (personalTableKeepsItsGuarantee(table)) {
        report.lines = {"Garanzia " + g + " rispettata sui " + n + " numeri in gioco (1.." + n +
                            "):",
                        "cinque numeri estratti tra questi danno sempre",
                        "almeno " + heldText + " in una colonnina."};
        return report;
    }
    report.lines = {"Garanzia " + g + " NON rispettata sui " + n + " numeri in gioco (1.." + n +
                        ").",
                    held > 0 ? "Il ridotto garantisce soltanto " + heldText + "."
                             : "Il ridotto non garantisce nessun punto.",
                    "Aggiungi colonnine o scegli una garanzia più bassa."};
    return report;
}

std::string defaultPersonalName(const ProgramFolder& folder) {
    for (int n = 1;; ++n)
        if (const std::string name = "rqor" + std::to_string(n); !personalTableExists(folder, name))
            return name;
}

} // namespace varnelo
