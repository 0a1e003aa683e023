#include "app/cli/Commands.h"
#include "core/ProgramFolder.h"
#include "reduced/Catalogue.h"
#include "reduced/CatalogueCodes.h"
#include "reduced/RowStore.h"

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

const bool registered =
    registerCommand({"ridotto", "ridotto CODICE   righe della tabella del ridotto (senza fisse)",
                     printTable}) &&
    registerCommand({"elenco-ridotti", "elenco-ridotti   ogni codice del catalogo con le sue righe",
                     listTables}) &&
    registerCommand({"verifica-ridotti", "verifica-ridotti   verifica ogni tabella del catalogo",
                     verifyTables});

} // namespace

} // namespace varnelo::cli
