#include "app/cli/Commands.h"
#include "app/cli/Options.h"
#include "checking/SystemCheck.h"
#include "system/ProgramState.h"
#include "system/SystemName.h"
#include "system/SystemStorage.h"

#include <iostream>

namespace varnelo::cli {

namespace {

constexpr const char* kUsage =
    "spoglio --sistema NOME --numeri a,b,c,d,e [--numerone n[,m]] [--cartella DIR]";

struct Request {
    std::string system;
    std::vector<int> numbers;
    std::vector<int> numeroni;
};

// "n" or the two Numeroni of a draw "n,m", each 1..10.
bool numeroneList(const std::string& text, std::vector<int>& out) {
    const std::size_t comma = text.find(',');
    int n = 0;
    if (!rangedOption(text.substr(0, comma), "--numerone", 1, kMaxNumerone, n))
        return false;
    out.push_back(n);
    if (comma == std::string::npos)
        return true;
    if (!rangedOption(text.substr(comma + 1), "--numerone", 1, kMaxNumerone, n))
        return false;
    if (n == out.front()) {
        std::cerr << "--numerone: il Numerone " << n << " è ripetuto\n";
        return false;
    }
    out.push_back(n);
    return true;
}

bool parse(const std::vector<std::string>& args, Request& r) {
    const bool ok = optionPairs(args, [&r](const std::string& option, const std::string& value) {
        if (option == "--sistema") {
            r.system = value;
            const bool good = !value.empty() && typedSystemName(value) == value;
            if (!good)
                std::cerr << "Nome di sistema non valido: " << value << '\n';
            return good;
        }
        if (option == "--numeri")
            return numberList(value, "--numeri", r.numbers);
        if (option == "--numerone")
            return numeroneList(value, r.numeroni);
        return unknownOption(option);
    });
    if (!ok)
        return false;
    if (r.system.empty()) {
        std::cerr << "Indicare il sistema con --sistema NOME\n";
        return false;
    }
    if (r.numbers.size() != static_cast<std::size_t>(kColumnSize)) {
        std::cerr << "--numeri: servono i cinque numeri estratti\n";
        return false;
    }
    return true;
}

int run(const std::vector<std::string>& arguments) {
    std::vector<std::string> args = arguments;
    const std::string folder = takeFolderOption(args);
    Request request;
    if (!parse(args, request)) {
        std::cerr << "Uso: varnelo-cli " << kUsage << '\n';
        return kBadInput;
    }
    ProgramState state{ProgramFolder(folder)};
    Progress loading;
    const TaskOutcome opened = openSystem(state, request.system, loading);
    if (!opened.done()) {
        const Notice n = opened.notice.value_or(damagedSystemNotice(request.system));
        std::cerr << n.title << '\n';
        for (const auto& line : n.lines)
            std::cerr << line << '\n';
        return kBadInput;
    }
    Combination combination;
    for (int n : request.numbers)
        combination.numbers[static_cast<std::size_t>(n)] = true;
    for (int n : request.numeroni)
        combination.numeroni[static_cast<std::size_t>(n)] = true;
    Progress progress;
    const SystemCheck check =
        checkSystem(state.columns, state.folder, state.selection, combination, progress);
    if (check.failure) {
        std::cerr << check.failure->title << '\n';
        for (const auto& line : check.failure->lines)
            std::cerr << line << '\n';
        return 1;
    }
    std::cout << categoryLines(check.tally);
    return kOk;
}

const bool registered = registerCommand({"spoglio", kUsage, run});

} // namespace

} // namespace varnelo::cli
