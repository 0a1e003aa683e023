#include "benchmarks/Baseline.h"
#include "benchmarks/Bench.h"
#include "core/StatisticsSelection.h"
#include "stats/NumberStatistics.h"
#include "system/SystemStorage.h"

#include <fcntl.h>
#include <fstream>
#include <memory>
#include <sstream>
#include <unistd.h>

namespace varnelo::bench {

namespace {

namespace fs = std::filesystem;

// A program folder with a saved system of every column and a 5000-draw
// archive, made once and removed at exit.
struct Fixture {
    fs::path root;
    std::unique_ptr<ProgramState> state;
    std::string columnsBytes;

    Fixture() {
        root = fs::temp_directory_path() / ("varnelo-bench-" + std::to_string(::getpid()));
        fs::create_directories(root / "enal");
        fs::create_directories(root / "qor");
        state = std::make_unique<ProgramState>(ProgramFolder(root));
        const std::int32_t n = storeAllColumns(state->columns);
        state->columns.storedCount = state->columns.systemTotal = n;
        state->columns.developedCount = state->columns.finalCount = n;
        state->columns.hasColumns = true;
        state->systemName = "tutte";
        Progress progress;
        saveSystem(*state, progress);
        columnsBytes = read(root / "qor/tutte.cna");

        std::string archive;
        Draw d;
        d.numeroni = {3, 7};
        for (int i = 0; i < 5000; ++i) {
            for (int p = 0; p < kColumnSize; ++p)
                d.numbers[static_cast<std::size_t>(p)] =
                    static_cast<std::uint8_t>(1 + p * 9 + (i * (p + 3)) % 9);
            d.day = 1 + i % 28;
            d.month = 1 + i / 28 % 12;
            d.year = 1990 + i / (28 * 12);
            archive += d.text() + "\r\n";
        }
        std::ofstream(root / "enal/archivio.cna", std::ios::binary) << archive;
        std::ofstream(root / "enal/archivio2.cna", std::ios::binary) << archive;
    }
    ~Fixture() {
        std::error_code ec;
        fs::remove_all(root, ec);
    }
    static std::string read(const fs::path& p) {
        std::ifstream in(p, std::ios::binary);
        std::ostringstream s;
        s << in.rdbuf();
        return s.str();
    }
};

Fixture& fixture() {
    static Fixture f;
    return f;
}

void readWhole(const char* rel) {
    const std::string bytes = Fixture::read(fixture().root / rel);
    keep(bytes.data());
}

const bool load = registerCase({"carica-sistema", [] { readWhole("qor/tutte.cna"); },
                                [] {
                                    Progress progress;
                                    openSystem(*fixture().state, "tutte", progress);
                                    keep(&fixture().state->columns);
                                },
                                5});

// The bare write of the same bytes, flushed to the disk as a save is.
const bool save =
    registerCase({"salva-sistema",
                  [] {
                      const fs::path p = fixture().root / "qor/grezzo.cna";
                      const int fd = ::open(p.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
                      const std::string& b = fixture().columnsBytes;
                      keep(reinterpret_cast<const void*>(::write(fd, b.data(), b.size())));
                      ::fsync(fd);
                      ::close(fd);
                  },
                  [] {
                      Progress progress;
                      fixture().state->modified = true;
                      saveSystem(*fixture().state, progress);
                  },
                  5});

const bool selection =
    registerCase({"selezione-statistica-5000", [] { readWhole("enal/archivio.cna"); },
                  [] {
                      const auto out =
                          buildStatisticsSelection(fixture().state->folder, SearchSettings{});
                      keep(&out);
                  },
                  7});

const bool delays = registerCase({"ritardi-5000", [] { readWhole("enal/archivio2.cna"); },
                                  [] {
                                      ArchiveFigures f;
                                      refreshArchiveFigures(fixture().state->folder, f);
                                      const NumberStatistics t =
                                          computeNumberStatistics(f.selection);
                                      const DelayFigures d = computeDelayFigures(f.selection);
                                      keep(&t);
                                      keep(&d);
                                  },
                                  7});

} // namespace

} // namespace varnelo::bench
