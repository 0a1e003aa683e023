#include "app/cli/Commands.h"
#include "checking/WinLevels.h"
#include "checking/WinLevelsText.h"
#include "system/ProgramState.h"

#include <iostream>
#include <string>

namespace varnelo::cli {

namespace {

const char* kUsage =
    "Uso: varnelo-cli distribuzione [--cartella DIR] --sistema NOME [--capogiochi]";

int run(const std::vector<std::string>& arguments) {
    std::vector<std::string> args = arguments;
    const std::string folder = takeFolderOption(args);
    std::string name;
    bool withFixed = false;
    for (std::size_t i = 0; i < args.size(); ++i) {
        if (args[i] == "--capogiochi") {
            withFixed = true;
        } else if (args[i] == "--sistema" && i + 1 < args.size() && name.empty()) {
            name = args[++i];
        } else {
            std::cerr << "Opzione sconosciuta o senza valore: " << args[i] << '\n'
                      << kUsage << '\n';
            return kBadInput;
        }
    }
    if (name.empty()) {
        std::cerr << "Indicare il sistema con --sistema NOME\n" << kUsage << '\n';
        return kBadInput;
    }
    ProgramState state{ProgramFolder(folder)};
    if (!openSavedSystem(state, name))
        return kBadInput;
    if (state.columns.storedCount == 0) {
        std::cerr << "Il sistema " << name << " non ha colonne sviluppate\n";
        return kBadInput;
    }
    if (const auto refusal = winLevelsRefusal(state.columns.systemTotal)) {
        printNotice(*refusal);
        return kBadInput;
    }
    Progress progress;
    const WinLevels levels =
        winLevels(winLevelsInput(state.selection, state.columns, withFixed), progress);
    std::string out;
    for (const std::string& line : winLevelsLines(levels))
        out += line + '\n';
    std::cout << out;
    return kOk;
}

const bool registered = registerCommand(
    {"distribuzione",
     "distribuzione [--cartella DIR] --sistema NOME [--capogiochi]   distribuzione delle vincite "
     "del sistema salvato: per livello k e punteggio b, \"k b c5 c4 c3 c2 c1 min max perc\"",
     run});

} // namespace

} // namespace varnelo::cli
