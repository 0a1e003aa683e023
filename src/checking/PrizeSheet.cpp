#include "checking/PrizeSheet.h"

#include "core/AtomicWriter.h"
#include "core/TextFile.h"

#include <vector>

namespace varnelo {

namespace {

constexpr std::size_t kValues = 4 + 2 * kPrizeRows;
// Fourteen short texts: anything larger is not a prize sheet.
constexpr std::size_t kMaxFileBytes = 64 * 1024;

// A value as `Write #` stores a text: in double quotes; a quote inside is doubled
// and a line break, which no field can hold, becomes a blank.
std::string quotedValue(std::string_view text) {
    std::string out = "\"";
    for (char c : text) {
        if (c == '"')
            out += "\"\"";
        else if (c == '\r' || c == '\n')
            out += ' ';
        else
            out += c;
    }
    return out + "\"";
}

// A quoted value, or a bare one without quotes as a hand-edited file may hold.
std::optional<std::string> unquoted(std::string_view line) {
    line = trimBlanks(line);
    if (line.empty() || line.front() != '"')
        return line.find('"') == std::string_view::npos ? std::optional(std::string(line))
                                                        : std::nullopt;
    if (line.size() < 2 || line.back() != '"')
        return std::nullopt;
    std::string out;
    const std::string_view inner = line.substr(1, line.size() - 2);
    for (std::size_t i = 0; i < inner.size(); ++i) {
        if (inner[i] == '"') {
            if (i + 1 >= inner.size() || inner[i + 1] != '"')
                return std::nullopt;
            ++i;
        }
        out += inner[i];
    }
    return out;
}

// The first text names the point of sale after its kind, as the sheet prints it.
std::string shopText(const PrizeSheet& s) {
    if (s.shopKind == 0 && s.shopName.empty())
        return {};
    return std::string(kShopKinds[static_cast<std::size_t>(s.shopKind)]) + " " + s.shopName;
}

void takeShopText(std::string_view text, PrizeSheet& s) {
    s.shopKind = 0;
    for (std::size_t k = 0; k < kShopKinds.size(); ++k)
        if (text.starts_with(kShopKinds[k])) {
            s.shopKind = static_cast<int>(k);
            text.remove_prefix(kShopKinds[k].size());
            text = trimBlanks(text);
            break;
        }
    s.shopName = std::string(text);
}

} // namespace

std::filesystem::path prizeSheetFile(const ProgramFolder& folder) {
    return folder.path("enal/montepremi.txt");
}

std::string prizeSheetText(const PrizeSheet& sheet) {
    std::vector<std::string> lines = {quotedValue(shopText(sheet)), quotedValue(sheet.street),
                                      quotedValue(sheet.telephone), quotedValue(sheet.date)};
    for (const std::string& w : sheet.wins)
        lines.push_back(quotedValue(w));
    for (const std::string& a : sheet.amounts)
        lines.push_back(quotedValue(a));
    return joinLines(lines);
}

std::optional<std::string> parsePrizeSheet(std::string_view text, PrizeSheet& sheet) {
    std::vector<std::string_view> lines = splitLines(text);
    while (!lines.empty() && trimBlanks(lines.back()).empty())
        lines.pop_back();
    if (lines.size() != kValues)
        return "il file ha " + std::to_string(lines.size()) + " valori invece di " +
               std::to_string(kValues) + ".";
    std::vector<std::string> values;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        std::optional<std::string> v = unquoted(lines[i]);
        if (!v)
            return "riga " + std::to_string(i + 1) + ": le virgolette non sono chiuse.";
        values.push_back(std::move(*v));
    }
    PrizeSheet read;
    takeShopText(values[0], read);
    read.street = values[1];
    read.telephone = values[2];
    read.date = values[3];
    for (std::size_t r = 0; r < kPrizeRows; ++r) {
        read.wins[r] = values[4 + r];
        read.amounts[r] = values[4 + kPrizeRows + r];
    }
    sheet = std::move(read);
    return std::nullopt;
}

std::optional<Notice> readPrizeSheet(const ProgramFolder& folder, PrizeSheet& sheet) {
    const std::filesystem::path file = prizeSheetFile(folder);
    std::error_code ec;
    if (!std::filesystem::exists(file, ec)) {
        sheet = PrizeSheet{};
        return std::nullopt;
    }
    std::string text;
    std::string error;
    std::optional<std::string> why;
    if (!readTextFile(file, kMaxFileBytes, text, error))
        why = error;
    else
        why = parsePrizeSheet(text, sheet);
    if (!why)
        return std::nullopt;
    return Notice{"Prospetto Montepremio:",
                  {"Il file enal/montepremi.txt non è un prospetto valido:", *why,
                   "Il prospetto parte vuoto; il file resta intatto se non lo si modifica."}};
}

bool writePrizeSheet(const ProgramFolder& folder, const PrizeSheet& sheet, std::string& error) {
    return writeFileAtomically(prizeSheetFile(folder), prizeSheetText(sheet), error);
}

PrizeSheetLines prizeSheetLines(const PrizeSheet& sheet) {
    PrizeSheetLines out;
    out.heading = "Vincite";
    out.date = sheet.date;
    out.address = {std::string(kShopKinds[static_cast<std::size_t>(sheet.shopKind)]) + " " +
                       sheet.shopName,
                   "Via: " + sheet.street, "Telefono: " + sheet.telephone};
    for (std::size_t r = 0; r < kPrizeRows; ++r) {
        out.label[r] = std::string(kPrizeRowLabels[r]);
        out.wins[r] = sheet.wins[r];
        out.amount[r] = sheet.amounts[r] + "    €.";
    }
    return out;
}

} // namespace varnelo
