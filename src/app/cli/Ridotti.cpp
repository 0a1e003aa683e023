#include "app/cli/Commands.h"
#include "app/cli/Options.h"
#include "core/ProgramFolder.h"
#include "reduced/ApplyReduced.h"
#include "reduced/Catalogue.h"
#include "reduced/CatalogueCodes.h"
#include "reduced/OrthogonalDevelopment.h"
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

int printTable(const std::vector<std::string>& args) {
    if (args.size() != 1) {
        std::cerr << "Uso: varnelo-cli ridotto CODICE\n";
        return kBadInput;
    }
    const Catalogue catalogue = programCatalogue();
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
    const Catalogue catalogue = programCatalogue();
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
    const Catalogue catalogue = programCatalogue();
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

struct TableRequest {
    std::vector<int> fixed, free;
    int value = -1; // the guarantee or the option
};

// "--numeri LIST [--fisse LIST] `valueOption` V"; a fixed number named
// among the numbers too is a fixed number. False after the message.
bool parseTableRequest(const std::vector<std::string>& args, const char* valueOption, int lo,
                       int hi, const char* usage, TableRequest& r) {
    std::vector<int> numbers;
    const bool ok = optionPairs(args, [&](const std::string& option, const std::string& value) {
        if (option == "--numeri")
            return numberList(value, "--numeri", numbers);
        if (option == "--fisse")
            return numberList(value, "--fisse", r.fixed);
        if (option == valueOption)
            return rangedOption(value, valueOption, lo, hi, r.value);
        return unknownOption(option);
    });
    if (!ok)
        return false;
    if (numbers.empty() || r.value < 0) {
        std::cerr << usage << '\n';
        return false;
    }
    if (r.fixed.size() > static_cast<std::size_t>(kMaxFixed)) {
        std::cerr << "Troppe Fisse: Max 4 fisse !\n";
        return false;
    }
    for (const int n : numbers)
        if (std::find(r.fixed.begin(), r.fixed.end(), n) == r.fixed.end())
            r.free.push_back(n);
    std::sort(r.free.begin(), r.free.end());
    std::sort(r.fixed.begin(), r.fixed.end());
    return true;
}

int applyTable(const std::vector<std::string>& args) {
    TableRequest r;
    if (!parseTableRequest(args, "--garanzia", 0, 5,
                           "Uso: varnelo-cli applica-ridotto --numeri LISTA [--fisse LISTA] "
                           "--garanzia G",
                           r))
        return kBadInput;
    const std::string code =
        reducedCode(static_cast<int>(r.free.size()), static_cast<int>(r.fixed.size()), r.value);
    std::cerr << "Codice = " << code << '\n';
    if (code == kFullDevelopmentCode) {
        std::cerr << "Nessun ridotto per questa scelta: sviluppo integrale\n";
        std::cout << columnLines(fullDevelopment(r.fixed, r.free));
        return kOk;
    }
    const AppliedReduced applied = applyReduced(programCatalogue(), code, r.fixed, r.free);
    if (applied.notice) {
        for (const std::string& line : applied.notice->lines)
            std::cerr << line << '\n';
        return applied.notice->title == "Ridotto non compatibile:" ? kNoTable : kFailed;
    }
    std::cout << columnLines(applied.columns);
    return kOk;
}

int orthogonal(const std::vector<std::string>& args) {
    TableRequest r;
    if (!parseTableRequest(args, "--opzione", 1, 9,
                           "Uso: varnelo-cli ortogonale --numeri LISTA [--fisse LISTA] --opzione "
                           "1..9",
                           r))
        return kBadInput;
    Progress progress;
    const OrthogonalRun run =
        developOrthogonal(programCatalogue(), r.fixed, r.free, r.value, progress);
    std::cerr << "Codice = " << run.code << '\n';
    if (run.notice) {
        for (const std::string& line : run.notice->lines)
            std::cerr << line << '\n';
        return kFailed;
    }
    std::cerr << (run.fullDevelopment ? "Garanzia integrale"
                  : run.fromTable     ? "Tabella memorizzata"
                                      : "Tabella costruita")
              << '\n';
    std::cerr << (run.guaranteed ? "Garanzia verificata" : "Garanzia NON rispettata") << '\n';
    std::cout << columnLines(run.columns);
    return run.guaranteed ? kOk : kFailed;
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
                     applyTable}) &&
    registerCommand({"ortogonale",
                     "ortogonale --numeri 1,2,... [--fisse a,b] --opzione 1..9   sviluppo "
                     "ortogonale dei numeri",
                     orthogonal});

} // namespace

} // namespace varnelo::cli
