#include "checking/LevelScores.h"

#include "checking/WinLevelsText.h"

#include <cstdio>

namespace varnelo {

namespace {
// The lowest best score that wins a prize.
constexpr int kLowestWin = 2;
} // namespace

const std::array<std::string, kLevelScoreColumns>& levelScoreHeads() {
    static const std::array<std::string, kLevelScoreColumns> heads = {"Numeri", "Cinque", "Quattro",
                                                                      "Tre",    "Due",    "Per%"};
    return heads;
}

std::string shareText(double percent) {
    char text[32];
    std::snprintf(text, sizeof text, "%06.2f", percent);
    std::string s = text;
    s[s.size() - 3] = ',';
    return s;
}

std::vector<LevelScoreRow> levelScoreRows(const WinLevels& levels) {
    const std::string missing = "-";
    std::vector<LevelScoreRow> rows;
    for (int k : kLevelScoreLevels) {
        const WinLevel& level = levels.level[static_cast<std::size_t>(k)];
        LevelScoreRow counts{levelHeading(k)};
        LevelScoreRow shares{std::string("%")};
        std::int64_t winning = 0;
        for (int b = kColumnSize; b >= kLowestWin; --b) {
            const auto cell = static_cast<std::size_t>(1 + kColumnSize - b);
            const std::int64_t sets = level.byScore[static_cast<std::size_t>(b)].sets;
            const bool reachable = b <= k && level.sets > 0;
            counts[cell] = reachable ? std::to_string(sets) : missing;
            shares[cell] =
                reachable
                    ? shareText(100.0 * static_cast<double>(sets) / static_cast<double>(level.sets))
                    : missing;
            winning += sets;
        }
        counts[5] =
            level.sets > 0
                ? shareText(100.0 * static_cast<double>(winning) / static_cast<double>(level.sets))
                : missing;
        shares[5] = missing;
        rows.push_back(counts);
        rows.push_back(shares);
    }
    return rows;
}

} // namespace varnelo
