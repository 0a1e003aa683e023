#include "app/cli/PrintOptions.h"

#include "app/cli/Commands.h"
#include "app/cli/Options.h"

#include <algorithm>
#include <iostream>

namespace varnelo::cli {

namespace {

// "0,4,5": section indexes 0..5.
bool sectionList(const std::string& text, ListingSections& out) {
    out = {};
    std::size_t start = 0;
    while (start <= text.size()) {
        const std::size_t comma = text.find(',', start);
        int index = 0;
        if (!rangedOption(text.substr(start, comma - start), "--sezioni", 0, kListingSections - 1,
                          index))
            return false;
        out[static_cast<std::size_t>(index)] = true;
        if (comma == std::string::npos)
            break;
        start = comma + 1;
    }
    return true;
}

} // namespace

bool parsePrintRequest(std::vector<std::string> args, const std::vector<std::string>& allowed,
                       PrintRequest& r) {
    r.folder = takeFolderOption(args);
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& option = args[i];
        if (std::find(allowed.begin(), allowed.end(), option) == allowed.end()) {
            std::cerr << "Opzione sconosciuta: " << option << '\n';
            return false;
        }
        if (option == "--schedine" || option == "--tabulato") {
            (option == "--schedine" ? r.slips : r.listing) = true;
            continue;
        }
        if (i + 1 >= args.size()) {
            std::cerr << "Manca il valore dell'opzione " << option << '\n';
            return false;
        }
        const std::string& value = args[++i];
        int n = 0;
        bool ok = true;
        if (option == "--sistema")
            r.system = value;
        else if (option == "--pdf")
            r.pdf = value;
        else if (option == "--sezioni")
            ok = sectionList(value, r.sections);
        else if (option == "--per-schedina")
            ok = rangedOption(value, "--per-schedina", 1, kSlipGrids, r.perSlip);
        else if (option == "--modo") {
            ok = rangedOption(value, "--modo", 1, 3, n);
            r.mode = static_cast<MarkMode>(n);
        } else if (option == "--carattere") {
            ok = rangedOption(value, "--carattere", 0, 2, n);
            r.size = static_cast<ListingSize>(n);
        }
        if (!ok)
            return false;
    }
    if (r.system.empty()) {
        std::cerr << "Indicare il sistema con --sistema NOME\n";
        return false;
    }
    return true;
}

bool openPrintedSystem(ProgramState& state, const PrintRequest& r) {
    if (!openSavedSystem(state, r.system))
        return false;
    if (!state.columns.hasColumns && state.columns.systemTotal == 0) {
        printNotice({"File manomesso o inesistente:", {"Sistema inesistente o manomesso."}});
        return false;
    }
    return true;
}

} // namespace varnelo::cli
