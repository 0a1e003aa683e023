#include "app/cli/Commands.h"
#include "app/cli/PrintOptions.h"
#include "system/SystemPrinting.h"

#include <iostream>

namespace varnelo::cli {

namespace {

constexpr const char* kUsage =
    "tabulato --sistema NOME [--carattere 0|1|2] [--sezioni 0,1,2,3,4,5] "
    "[--cartella DIR]";

int run(const std::vector<std::string>& args) {
    PrintRequest r;
    if (!parsePrintRequest(args, {"--sistema", "--carattere", "--sezioni"}, r)) {
        std::cerr << "Uso: varnelo-cli " << kUsage << '\n';
        return kBadInput;
    }
    ProgramState state{ProgramFolder(r.folder)};
    if (!openPrintedSystem(state, r))
        return 1;
    std::string out;
    const auto failure = writeSystemListing(
        state, r.size, r.sections,
        [&](const std::string& line) {
            out += line;
            out += '\n';
        },
        [&] {
            std::cout << out;
            out.clear();
            return static_cast<bool>(std::cout);
        });
    std::cout << out;
    if (failure) {
        printNotice(*failure);
        return 1;
    }
    return kOk;
}

const bool registered = registerCommand({"tabulato", kUsage, run});

} // namespace

} // namespace varnelo::cli
