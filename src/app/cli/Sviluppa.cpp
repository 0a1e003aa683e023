#include "app/cli/Commands.h"
#include "app/cli/Options.h"
#include "core/ColumnsFileFormat.h"
#include "core/Delays.h"
#include "engine/DevelopmentRun.h"
#include "system/ArchiveTables.h"
#include "system/ProgramState.h"
#include "system/SystemRun.h"
#include "system/SystemStorage.h"

#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <optional>
#include <string>

namespace varnelo::cli {

namespace {

struct Request {
    std::string system; // --sistema: develop a saved system instead
    std::vector<int> numbers;
    std::vector<int> fixed;
    int level = 1;
    int difference = 0;
};

bool parse(std::vector<std::string> args, Request& r) {
    for (std::size_t i = 0; i < args.size(); i += 2) {
        const std::string& option = args[i];
        if (i + 1 >= args.size()) {
            std::cerr << "Manca il valore dell'opzione " << option << '\n';
            return false;
        }
        const std::string& value = args[i + 1];
        bool ok;
        if (option == "--sistema") {
            r.system = value;
            ok = !value.empty();
        } else if (option == "--numeri")
            ok = numberList(value, "--numeri", r.numbers);
        else if (option == "--fisse")
            ok = numberList(value, "--fisse", r.fixed);
        else if (option == "--livello")
            ok = rangedOption(value, "--livello", 1, 5, r.level);
        else if (option == "--differenza")
            ok = rangedOption(value, "--differenza", 2, 5, r.difference);
        else {
            std::cerr << "Opzione sconosciuta: " << option << '\n';
            return false;
        }
        if (!ok)
            return false;
    }
    if (r.fixed.size() > static_cast<std::size_t>(kMaxFixed)) {
        std::cerr << "Troppe Fisse: Max 4 fisse !\n";
        return false;
    }
    if (!r.system.empty() &&
        (!r.numbers.empty() || !r.fixed.empty() || r.level != 1 || r.difference != 0)) {
        std::cerr << "--sistema sviluppa il sistema con le sue impostazioni: non accetta altre "
                     "opzioni\n";
        return false;
    }
    if (r.system.empty() && r.numbers.empty() && r.fixed.empty()) {
        std::cerr << "Indicare --numeri oppure --sistema\n";
        return false;
    }
    if (r.level >= 2 && r.difference > 0) {
        std::cerr << "--livello con garanzia e --differenza non si possono usare insieme\n";
        return false;
    }
    return true;
}

void printCounts(const RunResult& result) {
    std::cerr << result.description;
    if (!result.differenceText.empty())
        std::cerr << ' ' << result.differenceText;
    std::cerr << "\nColonne condizionate = " << result.conditioned << '\n';
    if (result.kept > 0)
        std::cerr << "Colonne mantenute = " << result.kept << '\n';
}

// A saved system: its numbers, options and conditions; the columns and the
// header are written back to its files.
int developSaved(const std::string& folder, const std::string& name) {
    ProgramState state{ProgramFolder(folder)};
    if (!openSavedSystem(state, name))
        return kBadInput;
    for (const Notice& n : refreshArchiveTables(state))
        printNotice(n);
    const auto context = makeRunContext(state);
    RunOptions options;
    options.context = context->metrics;
    RunProgress progress;
    const RunResult result = developSystem(state, options, progress);
    if (result.failure) {
        printNotice(*result.failure);
        return kBadInput;
    }
    state.options.description = result.description;
    state.settings.saveColumns = true;
    Progress saving;
    const TaskOutcome saved = saveSystem(state, saving);
    if (!saved.done()) {
        printNotice(saved.notice.value_or(Notice{"Salvataggio:", {"Salvataggio non riuscito"}}));
        return kBadInput;
    }
    printCounts(result);
    std::cout << result.finalCountText() << '\n';
    return kOk;
}

// Without --cartella the numbers are developed in a private scratch folder,
// so that the overflow file of the user's program folder is never touched.
struct ScratchFolder {
    std::filesystem::path path;
    ScratchFolder() {
        path = std::filesystem::temp_directory_path() /
               ("varnelo-cli-" + std::to_string(static_cast<long>(::getpid())));
        std::filesystem::create_directories(path / "qor");
    }
    ~ScratchFolder() {
        std::error_code ec;
        std::filesystem::remove_all(path, ec);
    }
};

int run(const std::vector<std::string>& arguments) {
    std::vector<std::string> args = arguments;
    const bool folderGiven =
        std::find(args.begin(), args.end(), std::string("--cartella")) != args.end();
    const std::string folder = takeFolderOption(args);
    Request request;
    if (!parse(args, request))
        return kBadInput;
    if (!request.system.empty())
        return developSaved(folder, request.system);

    std::optional<ScratchFolder> scratch;
    if (!folderGiven)
        scratch.emplace();
    ProgramState state{ProgramFolder(scratch ? scratch->path : std::filesystem::path(folder))};
    for (int n : request.numbers)
        state.selection.setState(n, Selection::Chosen);
    for (int n : request.fixed)
        state.selection.setState(n, Selection::Fixed);
    if (state.selection.chosenCount() < kColumnSize) {
        std::cerr << "Sviluppo: inserire almeno 5 numeri\n";
        return kBadInput;
    }
    state.options.developmentLevel = request.level;
    state.options.kindCode = request.difference > 0 ? 20 + request.difference : 0;

    RunProgress progress;
    const RunResult result = developSystem(state, {}, progress);
    if (result.failure) {
        printNotice(*result.failure);
        return kBadInput;
    }

    // Lines as in a columns file, so that the output can be saved as one.
    std::string out;
    out.reserve(1 << 20);
    auto flush = [&out] {
        std::fwrite(out.data(), 1, out.size(), stdout);
        out.clear();
    };
    for (std::int32_t i = 1; i <= result.inMemory; ++i) {
        appendColumnLine(out, state.columns.column(i));
        if (out.size() >= (1 << 20))
            flush();
    }
    flush();
    if (result.total > result.inMemory) {
        std::ifstream overflow(state.folder.path("qor/qor.qor"), std::ios::binary);
        std::cout << overflow.rdbuf();
    }
    std::fflush(stdout);

    printCounts(result);
    std::cerr << result.finalCountText() << '\n';
    return kOk;
}

const bool registered = registerCommand(
    {"sviluppa",
     "sviluppa --numeri 1,2,... [--fisse a,b] [--livello 1..5] [--differenza 2..5]   sviluppa i "
     "numeri senza condizioni e stampa le colonne\n"
     "  sviluppa [--cartella DIR] --sistema NOME   sviluppa il sistema salvato NOME e ne scrive "
     "le colonne",
     run});

} // namespace

} // namespace varnelo::cli
