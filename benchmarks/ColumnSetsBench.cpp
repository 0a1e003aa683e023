#include "benchmarks/Bench.h"
#include "columns/ColumnSets.h"
#include "system/ColumnSystems.h"

#include <unistd.h>

#include <filesystem>

namespace varnelo::bench {

namespace {

namespace fs = std::filesystem;

// Saved column systems: every column of 49 numbers in order and shuffled,
// and two of 20,000 columns drawn from each; made once, removed at exit.
struct Fixture {
    fs::path root;
    Fixture() {
        root = fs::temp_directory_path() / ("varnelo-bench-sets-" + std::to_string(::getpid()));
        fs::create_directories(root / "qor");
        std::vector<Column> all;
        all.reserve(kAllColumns);
        Column c{};
        for (c[0] = 1; c[0] <= 45; ++c[0])
            for (c[1] = c[0] + 1; c[1] <= 46; ++c[1])
                for (c[2] = c[1] + 1; c[2] <= 47; ++c[2])
                    for (c[3] = c[2] + 1; c[3] <= 48; ++c[3])
                        for (c[4] = c[3] + 1; c[4] <= 49; ++c[4])
                            all.push_back(c);
        const std::vector<Column> shuffled = shuffleColumns(all, 16);
        const ProgramFolder f(root);
        saveColumnSystem(f, "tutte", all);
        saveColumnSystem(f, "mescolate", shuffled);
        saveColumnSystem(f, "primo", {shuffled.begin(), shuffled.begin() + 20000});
        saveColumnSystem(f, "secondo", {shuffled.end() - 20000, shuffled.end()});
    }
    ~Fixture() {
        std::error_code ec;
        fs::remove_all(root, ec);
    }
    std::vector<Column> read(const char* name) const {
        std::vector<Column> out;
        readColumnSystem(ProgramFolder(root), name, out);
        return out;
    }
};

const Fixture& fixture() {
    static const Fixture f;
    return f;
}

void readBoth(const char* a, const char* b) {
    const auto x = fixture().read(a);
    const auto y = fixture().read(b);
    keep(x.data());
    keep(y.data());
}

const bool orAll =
    registerCase({"confronta-or-1906884", [] { readBoth("tutte", "mescolate"); },
                  [] {
                      const auto r = combineColumns(fixture().read("tutte"),
                                                    fixture().read("mescolate"), SetOperation::Or);
                      keep(r.data());
                  },
                  5});

const bool join =
    registerCase({"unisci-20000-gar2", [] { readBoth("primo", "secondo"); },
                  [] {
                      Progress progress;
                      const auto r = joinColumns(fixture().read("primo"), fixture().read("secondo"),
                                                 JoinElimination::Guarantee2, progress);
                      keep(r.columns.data());
                  },
                  7});

} // namespace

} // namespace varnelo::bench
