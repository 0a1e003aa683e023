#include "app/cli/Commands.h"
#include "columns/ColumnSets.h"
#include "core/ProgramFolder.h"
#include "system/ColumnSystems.h"

#include <iostream>
#include <map>
#include <optional>
#include <string>

namespace varnelo::cli {

namespace {

constexpr int kRefused = 1;

struct PairRequest {
    std::string folder;
    std::vector<std::string> systems;
    std::map<std::string, std::string> options;
};

// "--cartella DIR", the system names and the options of `allowed`, each
// with its value. False after the message.
bool parsePair(std::vector<std::string> args, std::initializer_list<const char*> allowed,
               PairRequest& r) {
    r.folder = takeFolderOption(args);
    for (std::size_t i = 0; i < args.size(); ++i) {
        if (args[i].rfind("--", 0) != 0) {
            r.systems.push_back(args[i]);
            continue;
        }
        bool known = false;
        for (const char* a : allowed)
            known = known || args[i] == a;
        if (!known || i + 1 >= args.size()) {
            std::cerr << (known ? "Manca il valore dell'opzione " : "Opzione sconosciuta: ")
                      << args[i] << '\n';
            return false;
        }
        r.options[args[i]] = args[i + 1];
        ++i;
    }
    return true;
}

bool readInput(const ProgramFolder& folder, const std::string& name, std::vector<Column>& out) {
    if (const auto refused = readColumnSystem(folder, name, out)) {
        printNotice(*refused);
        return false;
    }
    return true;
}

// Saves under --salva or prints; refusals give their notice and kRefused.
int deliver(const ProgramFolder& folder, const PairRequest& r, const std::vector<Column>& columns,
            const std::optional<ExtraFile>& record = std::nullopt) {
    const auto name = r.options.find("--salva");
    if (name == r.options.end()) {
        std::cout << columnLines(columns);
        return kOk;
    }
    const std::string second = r.systems.size() > 1 ? r.systems[1] : std::string();
    const SaveAsDecision d = decideResultName(folder, name->second, r.systems[0], second);
    // Without anyone to answer "Sostituire il file?", an existing system stays.
    if (d.step != SaveAsStep::Save) {
        printNotice(d.notice.value_or(Notice{}));
        return kRefused;
    }
    std::optional<ExtraFile> extra = record;
    if (extra)
        extra->fileName = d.name + ".sss";
    const TaskOutcome saved = saveColumnSystem(folder, d.name, columns, extra);
    if (!saved.done()) {
        printNotice(saved.notice.value_or(Notice{}));
        return kRefused;
    }
    return kOk;
}

int compareSystems(const std::vector<std::string>& args) {
    static const std::map<std::string, SetOperation> operations = {
        {"or", SetOperation::Or},
        {"and", SetOperation::And},
        {"xor", SetOperation::Xor},
        {"sottrazione", SetOperation::Subtraction},
        {"somma", SetOperation::Sum}};
    PairRequest r;
    if (!parsePair(args, {"--operazione", "--salva"}, r))
        return kBadInput;
    const auto op = r.options.find("--operazione");
    const bool repeats = op != r.options.end() && op->second == "uguali";
    if (op == r.options.end() || (!repeats && !operations.contains(op->second)) ||
        r.systems.size() != (repeats ? 1U : 2U)) {
        std::cerr << "Uso: varnelo-cli confronta [--cartella DIR] A B --operazione "
                     "or|and|xor|sottrazione|somma|uguali [--salva NOME]\n";
        return kBadInput;
    }
    const ProgramFolder folder(r.folder);
    std::vector<Column> a, b;
    if (!readInput(folder, r.systems[0], a) || (!repeats && !readInput(folder, r.systems[1], b)))
        return kRefused;
    const std::vector<Column> result =
        repeats ? removeRepeatedColumns(a) : combineColumns(a, b, operations.at(op->second));
    if (static_cast<std::int64_t>(result.size()) > kComparisonCapacity) {
        printNotice(comparisonCapacityNotice(result.size()));
        return kRefused;
    }
    return deliver(folder, r, result);
}

int joinSystems(const std::vector<std::string>& args) {
    PairRequest r;
    if (!parsePair(args, {"--elimina", "--salva"}, r))
        return kBadInput;
    const auto level = r.options.find("--elimina");
    int elimination = 0;
    if (level != r.options.end()) {
        const std::string& v = level->second;
        elimination = v.size() == 1 && v[0] >= '2' && v[0] <= '5' ? v[0] - '0' : -1;
    }
    if (r.systems.size() != 2 || elimination < 0) {
        std::cerr << "Uso: varnelo-cli unisci [--cartella DIR] A B [--elimina 5|4|3|2] "
                     "[--salva NOME]\n";
        return kBadInput;
    }
    const ProgramFolder folder(r.folder);
    if (const auto refused = joinRefusal(r.systems[0], r.systems[1], 1, 1)) {
        printNotice(*refused);
        return kRefused;
    }
    std::vector<Column> a, b;
    if (!readInput(folder, r.systems[0], a) || !readInput(folder, r.systems[1], b))
        return kRefused;
    if (const auto refused = joinRefusal(r.systems[0], r.systems[1], a.size(), b.size())) {
        printNotice(*refused);
        return kRefused;
    }
    Progress progress;
    const JoinResult joined =
        joinColumns(a, b, static_cast<JoinElimination>(elimination), progress);
    std::cerr << "Eliminate = " << joined.eliminated << '\n';
    const JoinRecord record{
        r.systems[0],      r.systems[1],         a.size(), b.size(), elimination,
        joined.eliminated, joined.columns.size()};
    return deliver(folder, r, joined.columns, ExtraFile{"", formatJoinRecord(record)});
}

const bool registered =
    registerCommand({"confronta",
                     "confronta [--cartella DIR] A B --operazione or|and|xor|sottrazione|somma "
                     "[--salva NOME]   confronta le colonne di due sistemi salvati\n"
                     "  confronta [--cartella DIR] A --operazione uguali [--salva NOME]   "
                     "toglie le colonne ripetute",
                     compareSystems}) &&
    registerCommand({"unisci",
                     "unisci [--cartella DIR] A B [--elimina 5|4|3|2] [--salva NOME]   unisce due "
                     "sistemi salvati",
                     joinSystems});

} // namespace

} // namespace varnelo::cli
