#include "reduced/RidStat.h"

#include "core/AtomicWriter.h"

#include <array>
#include <cstdio>
#include <fstream>
#include <system_error>

namespace varnelo {

namespace fs = std::filesystem;

namespace {

constexpr std::array<const char*, 6> kLabels = {"Zero", "Uno", "Due", "Tre", "Quattro", "Cinque"};
constexpr std::uintmax_t kMostRidStatBytes = 64u << 20;

std::string trimmed(std::string_view s) {
    const auto a = s.find_first_not_of(" \t\r");
    if (a == std::string_view::npos)
        return {};
    const auto b = s.find_last_not_of(" \t\r");
    return std::string(s.substr(a, b - a + 1));
}

} // namespace

std::string ridStatRecord(std::string_view code, const WinDistribution& w) {
    std::string s(code);
    s += "\r\n";
    for (int m = 5; m >= 0; --m) {
        s += kLabels[static_cast<std::size_t>(m)];
        std::uint64_t all = 0;
        for (int b = 5; b >= 0; --b) {
            s += " w " + std::to_string(w.draws[m][b]);
            all += w.draws[m][b];
        }
        char percent[32];
        std::snprintf(percent, sizeof percent, "%.2f",
                      w.total ? 100.0 * static_cast<double>(all) / static_cast<double>(w.total)
                              : 0.0);
        s += " w ";
        s += percent;
        s += "\r\n";
    }
    s += kRidStatSeparator;
    s += "\r\n";
    return s;
}

bool writeRidStat(const fs::path& file, const std::vector<std::string>& records,
                  std::string& error) {
    std::string text;
    for (const auto& r : records)
        text += r;
    return writeFileAtomically(file, text, error);
}

bool readRidStatRecord(const fs::path& file, std::string_view code, std::vector<std::string>& lines,
                       std::string& error) {
    std::error_code ec;
    const auto size = fs::file_size(file, ec);
    std::ifstream in(file, std::ios::binary);
    if (ec || size > kMostRidStatBytes || !in) {
        error = "Impossibile leggere le statistiche dei ridotti: " + file.string();
        return false;
    }
    std::vector<std::string> found;
    bool inside = false;
    for (std::string line; std::getline(in, line);) {
        if (line.rfind("\xEF\xBB\xBF", 0) == 0)
            line.erase(0, 3);
        const std::string t = trimmed(line);
        if (!inside) {
            inside = t == code;
            continue;
        }
        if (t == kRidStatSeparator || found.size() == kRidStatMostLines)
            break;
        found.push_back(t);
    }
    if (!inside) {
        error = "Statistiche non presenti per il ridotto " + std::string(code);
        return false;
    }
    lines = std::move(found);
    return true;
}

std::vector<std::string> ridStatCells(std::string_view line) {
    std::vector<std::string> cells;
    std::size_t at = 0;
    for (;;) {
        const auto w = line.find('w', at);
        cells.push_back(trimmed(line.substr(at, w == std::string_view::npos ? w : w - at)));
        if (w == std::string_view::npos)
            return cells;
        at = w + 1;
    }
}

} // namespace varnelo
