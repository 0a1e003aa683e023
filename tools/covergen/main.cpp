// Builds the covering tables of the catalogue into data/catalogo, one file
// per family. Re-running improves the chosen families: a table already on
// disk is replaced only by a smaller correct one.
//
//   covergen --data DIR [--only R5G45,O4G33] [--n 10-20] [--anneal SECONDS]
//            [--weight SECONDS]
//            [--greedy WORK] [--seed X] [--fresh] [--report] [--ridstat FILE]
//
// --fresh starts the chosen families from scratch instead of from the
// tables on disk (which are still kept unless beaten); --report prints the
// size table; --ridstat writes the distribution of
// wins of every catalogue code (data/ridotti/RidStat.txt).

#include "Solver.h"

#include "reduced/Catalogue.h"
#include "reduced/CatalogueCodes.h"
#include "reduced/CatalogueRidStat.h"
#include "reduced/RidStat.h"
#include "reduced/TableFile.h"

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <iostream>
#include <map>
#include <set>
#include <sstream>
#include <string>

using namespace varnelo;
using namespace varnelo::covergen;
namespace fs = std::filesystem;

namespace {

struct Family {
    char letter;
    int k, g, c;
    std::string file() const { return familyFileName(letter, k, g, c); }
};

std::map<std::string, Family> families() {
    std::map<std::string, Family> out;
    for (const TableCode& t : catalogueTables()) {
        const Family f{t.family, t.rowLength, t.g, t.c};
        out.emplace(f.file(), f);
    }
    return out;
}

std::map<int, PositionTable> readFamily(const fs::path& file) {
    std::map<int, PositionTable> tables;
    TableFile tf;
    std::string error;
    if (!fs::exists(file) || !tf.open(file, error))
        return tables;
    for (const auto& s : tf.sections()) {
        PositionTable t;
        if (tf.table(s.n, t, error) && coversAll(t, tf.g(), tf.c()))
            tables[s.n] = t;
    }
    return tables;
}

int report(const fs::path& data) {
    std::printf("%-6s %6s %9s %12s %7s\n", "family", "tables", "rows", "lower bound", "ratio");
    for (const auto& [name, f] : families()) {
        const auto tables = readFamily(data / name);
        std::uint64_t rows = 0, bound = 0;
        int codes = 0;
        for (const TableCode& t : catalogueTables())
            if (Family{t.family, t.rowLength, t.g, t.c}.file() == name) {
                ++codes;
                if (auto it = tables.find(t.n); it != tables.end())
                    rows += it->second.rows();
                bound += lowerBound({t.rowLength, t.n, t.g, t.c});
            }
        std::printf("%-6s %6d %9llu %12llu %7.3f\n", name.substr(0, name.size() - 4).c_str(), codes,
                    static_cast<unsigned long long>(rows), static_cast<unsigned long long>(bound),
                    bound ? static_cast<double>(rows) / static_cast<double>(bound) : 1.0);
    }
    return 0;
}

int ridStat(const fs::path& data, const fs::path& file) {
    std::vector<std::string> records;
    std::string error;
    if (!catalogueRidStatRecords(Catalogue(data), records, error) ||
        !writeRidStat(file, records, error)) {
        std::cerr << error << '\n';
        return 1;
    }
    return 0;
}

} // namespace

int main(int argc, char** argv) {
    fs::path data = "data/catalogo";
    std::set<std::string> only;
    int nFrom = 0, nTo = 99;
    SolverOptions options;
    bool wantReport = false, fresh = false;
    fs::path statFile;
    for (int i = 1; i < argc; ++i) {
        const std::string a = argv[i];
        const char* v = i + 1 < argc ? argv[i + 1] : "";
        if (a == "--data")
            data = v, ++i;
        else if (a == "--only") {
            std::stringstream list(v);
            for (std::string item; std::getline(list, item, ',');)
                only.insert(item + ".tab");
            ++i;
        } else if (a == "--n") {
            std::sscanf(v, "%d-%d", &nFrom, &nTo);
            ++i;
        } else if (a == "--weight")
            options.weightSeconds = std::atof(v), ++i;
        else if (a == "--anneal")
            options.annealSeconds = std::atof(v), ++i;
        else if (a == "--greedy")
            options.greedyWork = std::atof(v), ++i;
        else if (a == "--seed")
            options.random = std::strtoull(v, nullptr, 10), ++i;
        else if (a == "--ridstat")
            statFile = v, ++i;
        else if (a == "--fresh")
            fresh = true;
        else if (a == "--report")
            wantReport = true;
        else {
            std::cerr << "unknown option " << a << '\n';
            return 2;
        }
    }
    if (wantReport)
        return report(data);
    if (!statFile.empty())
        return ridStat(data, statFile);
    fs::create_directories(data);

    Solver solver(options);
    std::map<std::string, std::map<int, PositionTable>> onDisk;
    for (const auto& [name, f] : families()) {
        onDisk[name] = readFamily(data / name);
        if (fresh && only.count(name))
            continue;
        for (const auto& [n, t] : onDisk[name])
            solver.offer({f.k, n, f.g, f.c}, t);
    }
    // Coverings first: the partition construction builds on them.
    std::vector<std::string> order;
    for (const auto& [name, f] : families())
        if (f.g == f.c)
            order.push_back(name);
    for (const auto& [name, f] : families())
        if (f.g != f.c)
            order.push_back(name);

    const auto start = std::chrono::steady_clock::now();
    for (const std::string& name : order) {
        if (!only.empty() && !only.count(name))
            continue;
        const Family f = families().at(name);
        auto& tables = onDisk[name];
        for (const TableCode& code : catalogueTables()) {
            if (Family{code.family, code.rowLength, code.g, code.c}.file() != name ||
                code.n < nFrom || code.n > nTo)
                continue;
            const Shape shape{f.k, code.n, f.g, f.c};
            const auto t0 = std::chrono::steady_clock::now();
            PositionTable t = solver.solve(shape);
            const double took =
                std::chrono::duration<double>(std::chrono::steady_clock::now() - t0).count();
            if (!coversAll(t, f.g, f.c)) {
                std::cerr << code.text() << ": no correct table built\n";
                continue;
            }
            auto old = tables.find(code.n);
            const bool better = old == tables.end() || t.rows() < old->second.rows();
            std::printf("%s rows %zu (was %zu, bound %llu) %.1fs\n", code.text().c_str(), t.rows(),
                        old == tables.end() ? 0 : old->second.rows(),
                        static_cast<unsigned long long>(lowerBound(shape)), took);
            std::fflush(stdout);
            if (!better)
                continue;
            // Saved at once: a long run stopped half-way keeps its work.
            tables[code.n] = t;
            solver.offer(shape, t);
            std::string error;
            if (!TableFile::write(data / name, f.k, f.g, f.c, tables, error)) {
                std::cerr << error << '\n';
                return 1;
            }
        }
    }
    std::printf("generator time %.0f s\n",
                std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count());
    return 0;
}
