// Writes the simulated draw archive shipped with the program: three draws a
// week (Tuesday, Thursday, Saturday) from the fixed first line of every
// archive up to a fixed date, five different numbers and two Numeroni drawn
// with a fixed seed, so every run writes the same bytes. Then the statistics
// selection (every draw) and the archive system are built from it.
//
//   varnelo-demoarchive CARTELLA     (e.g. data/ of the source tree)

#include "core/Archive.h"
#include "core/AtomicWriter.h"
#include "core/StatisticsSelection.h"
#include "system/SystemStorage.h"

#include <algorithm>
#include <chrono>
#include <cstdint>
#include <filesystem>
#include <iostream>

using namespace varnelo;
namespace fs = std::filesystem;

namespace {

constexpr std::uint64_t kSeed = 20120323;
constexpr std::chrono::year_month_day kLastDay{std::chrono::year{2026}, std::chrono::November,
                                               std::chrono::day{28}};

// splitmix64: the same sequence on every platform and library.
struct Random {
    std::uint64_t state;
    std::uint64_t next() {
        std::uint64_t z = (state += 0x9E3779B97F4A7C15ull);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
        return z ^ (z >> 31);
    }
    // Uniform in 1..n without modulo bias.
    int upTo(int n) {
        const std::uint64_t limit = UINT64_MAX - UINT64_MAX % static_cast<std::uint64_t>(n);
        std::uint64_t v;
        do
            v = next();
        while (v >= limit);
        return static_cast<int>(v % static_cast<std::uint64_t>(n)) + 1;
    }
};

template <std::size_t N> std::array<std::uint8_t, N> distinct(Random& r, int max) {
    std::array<std::uint8_t, N> out{};
    for (std::size_t i = 0; i < N;) {
        const auto v = static_cast<std::uint8_t>(r.upTo(max));
        if (std::find(out.begin(), out.begin() + static_cast<std::ptrdiff_t>(i), v) ==
            out.begin() + static_cast<std::ptrdiff_t>(i))
            out[i++] = v;
    }
    std::sort(out.begin(), out.end());
    return out;
}

bool isDrawDay(std::chrono::weekday w) {
    return w == std::chrono::Tuesday || w == std::chrono::Thursday || w == std::chrono::Saturday;
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::cerr << "Uso: varnelo-demoarchive CARTELLA\n";
        return 2;
    }
    const ProgramFolder folder{fs::path(argv[1])};
    std::error_code ec;
    fs::create_directories(folder.root() / "enal", ec);
    fs::create_directories(folder.root() / "qor", ec);

    Draw first;
    std::string why;
    parseDrawLine(kFirstArchiveLine, first, why);
    std::string text = std::string(kFirstArchiveLine) + "\r\n";
    Random random{kSeed};
    using namespace std::chrono;
    const sys_days end{kLastDay};
    std::size_t count = 1;
    for (sys_days day = sys_days{year_month_day{year{first.year}, month{unsigned(first.month)},
                                                std::chrono::day{unsigned(first.day)}}} +
                        days{1};
         day <= end; day += days{1}) {
        if (!isDrawDay(weekday{day}))
            continue;
        const year_month_day ymd{day};
        Draw d;
        d.numbers = distinct<kColumnSize>(random, kMaxNumber);
        d.numeroni = distinct<2>(random, kMaxNumerone);
        d.day = static_cast<int>(unsigned(ymd.day()));
        d.month = static_cast<int>(unsigned(ymd.month()));
        d.year = static_cast<int>(ymd.year());
        text += d.text() + "\r\n";
        ++count;
    }
    std::string error;
    if (!writeFileAtomically(folder.path("enal/archivio.cna"), text, error)) {
        std::cerr << error << "\n";
        return 1;
    }
    const SelectionOutcome selection = buildStatisticsSelection(folder, SearchSettings{});
    const TaskOutcome system = buildArchiveSystem(folder);
    for (const Notice* n : {selection.notices.empty() ? nullptr : &selection.notices[0],
                            system.notice ? &*system.notice : nullptr})
        if (n) {
            std::cerr << n->title;
            for (const auto& l : n->lines)
                std::cerr << " " << l;
            std::cerr << "\n";
            return 1;
        }
    std::cout << "Archivio simulato: " << count << " estrazioni in "
              << folder.path("enal/archivio.cna").string() << "\n";
    return 0;
}
