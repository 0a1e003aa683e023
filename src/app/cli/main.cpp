#include "app/cli/Commands.h"
#include "core/OutOfMemory.h"
#include "core/ProgramFolder.h"
#include "system/ProgramState.h"
#include "system/SystemName.h"
#include "system/SystemStorage.h"

#include <iostream>
#include <new>

namespace varnelo::cli {

namespace {
std::vector<Command>& registry() {
    static std::vector<Command> list;
    return list;
}
} // namespace

bool registerCommand(Command command) {
    registry().push_back(std::move(command));
    return true;
}

const std::vector<Command>& commands() {
    return registry();
}

std::string takeFolderOption(std::vector<std::string>& args) {
    std::string folder = defaultProgramFolder().string();
    for (std::size_t i = 0; i < args.size(); ++i) {
        if (args[i] == "--cartella" && i + 1 < args.size()) {
            folder = args[i + 1];
            args.erase(args.begin() + static_cast<long>(i),
                       args.begin() + static_cast<long>(i) + 2);
            break;
        }
    }
    return folder;
}

void printNotice(const Notice& n) {
    std::cerr << n.title << '\n';
    for (const auto& line : n.lines)
        std::cerr << line << '\n';
}

std::string columnLines(const std::vector<Column>& columns) {
    std::string out;
    out.reserve(columns.size() * 15);
    for (const Column& c : columns) {
        for (std::size_t i = 0; i < c.size(); ++i) {
            out += std::to_string(c[i]);
            out += i + 1 < c.size() ? ' ' : '\n';
        }
    }
    return out;
}

bool openSavedSystem(ProgramState& state, const std::string& name) {
    if (typedSystemName(name) != name || isReservedSystemName(name)) {
        std::cerr << "Nome di sistema non valido: " << name << '\n';
        return false;
    }
    Progress loading;
    const TaskOutcome opened = openSystem(state, name, loading);
    if (!opened.done())
        printNotice(opened.notice.value_or(damagedSystemNotice(name)));
    return opened.done();
}

} // namespace varnelo::cli

int main(int argc, char** argv) {
    using namespace varnelo::cli;
    std::vector<std::string> args(argv + 1, argv + argc);
    auto usage = [] {
        std::cerr << "Uso: varnelo-cli COMANDO [opzioni]\nComandi:\n";
        for (const auto& c : commands())
            std::cerr << "  " << c.usage << '\n';
    };
    if (args.empty()) {
        usage();
        return kBadInput;
    }
    const std::string name = args.front();
    args.erase(args.begin());
    for (const auto& c : commands())
        if (c.name == name) {
            try {
                return c.run(args);
            } catch (const std::bad_alloc&) {
                printNotice(varnelo::outOfMemoryNotice());
                return kNoMemory;
            }
        }
    std::cerr << "Comando sconosciuto: " << name << '\n';
    usage();
    return kBadInput;
}
