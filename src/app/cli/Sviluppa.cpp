#include "app/cli/Commands.h"
#include "core/ColumnsFileFormat.h"
#include "core/ProgramState.h"
#include "engine/DevelopmentRun.h"

#include <cstdio>
#include <fstream>
#include <iostream>
#include <optional>
#include <string>

namespace varnelo::cli {

namespace {

struct Request {
    std::vector<int> numbers;
    std::vector<int> fixed;
    int level = 1;
    int difference = 0;
};

std::optional<int> wholeNumber(const std::string& text) {
    if (text.empty() || text.size() > 3 ||
        text.find_first_not_of("0123456789") != std::string::npos)
        return std::nullopt;
    return std::stoi(text);
}

// "1,2,3": numbers 1..49, each once.
bool numberList(const std::string& text, const char* option, std::vector<int>& out) {
    std::size_t at = 0;
    while (at <= text.size()) {
        const std::size_t comma = std::min(text.find(',', at), text.size());
        const std::optional<int> n = wholeNumber(text.substr(at, comma - at));
        if (!n || *n < 1 || *n > kMaxNumber) {
            std::cerr << option << ": \"" << text.substr(at, comma - at)
                      << "\" non e un numero da 1 a 49\n";
            return false;
        }
        for (int m : out)
            if (m == *n) {
                std::cerr << option << ": il numero " << *n << " e ripetuto\n";
                return false;
            }
        out.push_back(*n);
        at = comma + 1;
    }
    return true;
}

bool rangedOption(const std::string& text, const char* option, int lo, int hi, int& out) {
    const std::optional<int> n = wholeNumber(text);
    if (!n || *n < lo || *n > hi) {
        std::cerr << option << ": il valore deve essere compreso tra " << lo << " e " << hi << '\n';
        return false;
    }
    out = *n;
    return true;
}

bool parse(std::vector<std::string> args, Request& r) {
    for (std::size_t i = 0; i < args.size(); i += 2) {
        const std::string& option = args[i];
        if (i + 1 >= args.size()) {
            std::cerr << "Manca il valore dell'opzione " << option << '\n';
            return false;
        }
        const std::string& value = args[i + 1];
        bool ok;
        if (option == "--numeri")
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
    if (r.level >= 2 && r.difference > 0) {
        std::cerr << "--livello con garanzia e --differenza non si possono usare insieme\n";
        return false;
    }
    return true;
}

int run(const std::vector<std::string>& arguments) {
    std::vector<std::string> args = arguments;
    const std::string folder = takeFolderOption(args);
    Request request;
    if (!parse(args, request))
        return kBadInput;

    ProgramState state{ProgramFolder(folder)};
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
        std::cerr << result.failure->title << '\n';
        for (const auto& line : result.failure->lines)
            std::cerr << line << '\n';
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

    std::cerr << result.description;
    if (!result.differenceText.empty())
        std::cerr << ' ' << result.differenceText;
    std::cerr << "\nColonne condizionate = " << result.conditioned << '\n';
    if (result.kept > 0)
        std::cerr << "Colonne mantenute = " << result.kept << '\n';
    std::cerr << result.finalCountText() << '\n';
    return kOk;
}

const bool registered = registerCommand(
    {"sviluppa",
     "sviluppa --numeri 1,2,... [--fisse a,b] [--livello 1..5] [--differenza 2..5]   sviluppa i "
     "numeri senza condizioni e stampa le colonne",
     run});

} // namespace

} // namespace varnelo::cli
