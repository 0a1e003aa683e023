#include "app/cli/Commands.h"
#include "app/cli/Options.h"
#include "core/ProgramFolder.h"
#include "reduced/ApplyReduced.h"
#include "reduced/Catalogue.h"
#include "reduced/CatalogueCodes.h"
#include "reduced/RowStore.h"

#include <algorithm>
#include <array>
#include <iostream>
#include <map>
#include <string>

namespace varnelo::cli {

namespace {

constexpr int kFailed = 1;
constexpr int kNoTable = 3;

Catalogue shippedCatalogue() {
    return Catalogue(catalogueFolder(shippedDataFolder(executableDir())));
}

int printTable(const std::vector<std::string>& args) {
    if (args.size() != 1) {
        std::cerr << "Uso: varnelo-cli ridotto CODICE\n";
        return kBadInput;
    }
    const Catalogue catalogue = shippedCatalogue();
    RowStore store;
    const std::string& code = args[0];
    TableAnswer answer;
    if (!code.empty() && code[0] == 'O')
        answer = catalogue.findOrthogonalTable(code, store);
    else
        answer = catalogue.findTable(code, store);
    if (!answer.ok()) {
        if (!answer.error.empty())
            std::cerr << answer.error << '\n';
        std::cerr << "Ridotto non compatibile al pronostico inserito!\n";
        return answer.error.empty() ? kNoTable : kFailed;
    }
    std::string out;
    for (std::size_t i = 1; i <= store.count(); ++i)
        out += store.row(i) + '\n';
    std::cout << out;
    return kOk;
}

int listTables(const std::vector<std::string>& args) {
    if (!args.empty()) {
        std::cerr << "Uso: varnelo-cli elenco-ridotti\n";
        return kBadInput;
    }
    const Catalogue catalogue = shippedCatalogue();
    std::string out;
    for (const TableCode& code : catalogueCodes())
        out += code.text() + ' ' + std::to_string(catalogue.rowCount(code)) + '\n';
    std::cout << out;
    return kOk;
}

int verifyTables(const std::vector<std::string>& args) {
    if (!args.empty()) {
        std::cerr << "Uso: varnelo-cli verifica-ridotti\n";
        return kBadInput;
    }
    const Catalogue catalogue = shippedCatalogue();
    std::map<std::string, bool> checked; // free-form tables serve several codes
    std::size_t good = 0;
    for (const TableCode& code : catalogueCodes()) {
        const TableCode f = code.freeForm();
        auto it = checked.find(f.text());
        if (it == checked.end()) {
            PositionTable t;
            std::string error;
            bool ok = catalogue.table(code, t, error);
            if (!ok)
                std::cerr << code.text() << ": " << error << '\n';
            else if (!(ok = t.n == f.n && t.rowLength == f.rowLength && coversAll(t, f.g, f.c)))
                std::cerr << code.text() << ": garanzia non rispettata\n";
            it = checked.emplace(f.text(), ok).first;
        } else if (!it->second) {
            std::cerr << code.text() << ": tabella errata\n";
        }
        good += it->second;
    }
    std::cout << "ridotti verificati: " << good << '/' << catalogueCodes().size() << '\n';
    return good == catalogueCodes().size() ? kOk : kFailed;
}

std::string columnLine(const Column& c) {
    std::string line;
    for (const auto n : c)
        line += (line.empty() ? "" : " ") + std::to_string(n);
    return line + '\n';
}

// The columns that complete `c` (its first `filled` numbers set) with
// numbers of `pool` from `from` on.
void completeColumns(const std::vector<int>& pool, std::size_t from, Column& c, int filled,
                     std::vector<Column>& out) {
    if (filled == kColumnSize) {
        Column sorted = c;
        std::sort(sorted.begin(), sorted.end());
        out.push_back(sorted);
        return;
    }
    for (std::size_t i = from; i < pool.size(); ++i) {
        c[static_cast<std::size_t>(filled)] = static_cast<std::uint8_t>(pool[i]);
        completeColumns(pool, i + 1, c, filled + 1, out);
    }
}

// Every column of the numbers that holds all the fixed ones, in ascending order.
std::string fullDevelopment(const std::vector<int>& fixed, const std::vector<int>& free) {
    Column c{};
    for (std::size_t k = 0; k < fixed.size(); ++k)
        c[k] = static_cast<std::uint8_t>(fixed[k]);
    std::vector<Column> columns;
    completeColumns(free, 0, c, static_cast<int>(fixed.size()), columns);
    std::sort(columns.begin(), columns.end());
    std::string out;
    for (const Column& col : columns)
        out += columnLine(col);
    return out;
}

int applyTable(const std::vector<std::string>& args) {
    std::vector<int> numbers, fixed;
    int g = -1;
    for (std::size_t i = 0; i < args.size(); i += 2) {
        if (i + 1 >= args.size()) {
            std::cerr << "Manca il valore dell'opzione " << args[i] << '\n';
            return kBadInput;
        }
        bool ok;
        if (args[i] == "--numeri")
            ok = numberList(args[i + 1], "--numeri", numbers);
        else if (args[i] == "--fisse")
            ok = numberList(args[i + 1], "--fisse", fixed);
        else if (args[i] == "--garanzia")
            ok = rangedOption(args[i + 1], "--garanzia", 0, 5, g);
        else {
            std::cerr << "Opzione sconosciuta: " << args[i] << '\n';
            ok = false;
        }
        if (!ok)
            return kBadInput;
    }
    if (numbers.empty() || g < 0) {
        std::cerr
            << "Uso: varnelo-cli applica-ridotto --numeri LISTA [--fisse LISTA] --garanzia G\n";
        return kBadInput;
    }
    if (fixed.size() > static_cast<std::size_t>(kMaxFixed)) {
        std::cerr << "Troppe Fisse: Max 4 fisse !\n";
        return kBadInput;
    }
    // A fixed number named among the numbers too is a fixed number.
    std::vector<int> free;
    for (const int n : numbers)
        if (std::find(fixed.begin(), fixed.end(), n) == fixed.end())
            free.push_back(n);
    std::sort(free.begin(), free.end());
    std::sort(fixed.begin(), fixed.end());
    const std::string code =
        reducedCode(static_cast<int>(free.size()), static_cast<int>(fixed.size()), g);
    std::cerr << "Codice = " << code << '\n';
    if (code == kFullDevelopmentCode) {
        std::cerr << "Nessun ridotto per questa scelta: sviluppo integrale\n";
        std::cout << fullDevelopment(fixed, free);
        return kOk;
    }
    const AppliedReduced applied = applyReduced(shippedCatalogue(), code, fixed, free);
    if (applied.notice) {
        for (const std::string& line : applied.notice->lines)
            std::cerr << line << '\n';
        return applied.notice->title == "Ridotto non compatibile:" ? kNoTable : kFailed;
    }
    std::string out;
    for (const Column& c : applied.columns)
        out += columnLine(c);
    std::cout << out;
    return kOk;
}

const bool registered =
    registerCommand({"ridotto", "ridotto CODICE   righe della tabella del ridotto (senza fisse)",
                     printTable}) &&
    registerCommand({"elenco-ridotti", "elenco-ridotti   ogni codice del catalogo con le sue righe",
                     listTables}) &&
    registerCommand({"verifica-ridotti", "verifica-ridotti   verifica ogni tabella del catalogo",
                     verifyTables}) &&
    registerCommand({"applica-ridotto",
                     "applica-ridotto --numeri 1,2,... [--fisse a,b] --garanzia G   colonne del "
                     "ridotto applicato ai numeri",
                     applyTable});

} // namespace

} // namespace varnelo::cli
