#include "checking/WinLevelsText.h"

#include <algorithm>
#include <cstdio>

namespace varnelo {

const std::array<std::string, kWinLevelsColumns>& winLevelsHeads() {
    static const std::array<std::string, kWinLevelsColumns> heads = {
        "Numeri Indovinati", "Cinque", "Quattro", "Tre", "Due", "Uno", "Per%"};
    return heads;
}

std::string scoreName(int score) {
    static const std::array<const char*, kColumnSize + 1> names = {"Zero", "Uno",     "Due",
                                                                   "Tre",  "Quattro", "Cinque"};
    return names[static_cast<std::size_t>(score)];
}

std::string levelHeading(int level) {
    return std::to_string(level) + "  Su  5";
}

namespace {

std::string twoDecimals(double v, char point) {
    char text[32];
    std::snprintf(text, sizeof text, "%.2f", v);
    std::string s = text;
    std::replace(s.begin(), s.end(), '.', point);
    return s;
}

std::string fiveOrMoreText(const ScoreTally& t) {
    std::string s = std::to_string(t.fiveOrMore());
    if (t.minWinners != t.maxWinners)
        s += "  (" + std::to_string(t.minWinners) + "-" + std::to_string(t.maxWinners) + ")";
    return s;
}

} // namespace

std::vector<WinLevelsRow> winLevelsRows(const WinLevels& levels) {
    std::vector<WinLevelsRow> rows;
    for (int k = 1; k <= kColumnSize; ++k) {
        const WinLevel& level = levels.level[k];
        if (level.sets == 0)
            continue;
        WinLevelsRow heading;
        heading.level = k;
        heading.cells[0] = levelHeading(k);
        rows.push_back(heading);
        for (int b = k; b >= 0; --b) {
            const ScoreTally& t = level.byScore[b];
            if (t.sets == 0)
                continue;
            WinLevelsRow row;
            row.level = k;
            row.score = b;
            row.tally = t;
            row.percent = 100.0 * static_cast<double>(t.sets) / static_cast<double>(level.sets);
            row.cells[0] = scoreName(b);
            row.cells[1] = fiveOrMoreText(t);
            for (int w = 4; w >= 1; --w)
                row.cells[static_cast<std::size_t>(6 - w)] =
                    std::to_string(t.exactly[static_cast<std::size_t>(w - 1)]);
            row.cells[6] = twoDecimals(row.percent, ',');
            rows.push_back(row);
        }
    }
    return rows;
}

std::vector<std::string> winLevelsLines(const WinLevels& levels) {
    std::vector<std::string> lines;
    for (const WinLevelsRow& row : winLevelsRows(levels)) {
        if (row.heading())
            continue;
        const ScoreTally& t = row.tally;
        std::string line = std::to_string(row.level) + ' ' + std::to_string(row.score);
        for (int w = 5; w >= 1; --w)
            line += ' ' + std::to_string(t.exactly[static_cast<std::size_t>(w - 1)]);
        line += ' ' + std::to_string(t.minWinners) + ' ' + std::to_string(t.maxWinners);
        line += ' ' + twoDecimals(row.percent, '.');
        lines.push_back(line);
    }
    return lines;
}

std::vector<std::string> winLevelsTable(const WinLevels& levels) {
    const std::vector<WinLevelsRow> rows = winLevelsRows(levels);
    std::array<std::size_t, kWinLevelsColumns> width{};
    for (std::size_t c = 0; c < width.size(); ++c)
        width[c] = winLevelsHeads()[c].size();
    for (const WinLevelsRow& row : rows)
        if (!row.heading())
            for (std::size_t c = 0; c < width.size(); ++c)
                width[c] = std::max(width[c], row.cells[c].size());
    auto line = [&width](const std::array<std::string, kWinLevelsColumns>& cells) {
        std::string s = cells[0] + std::string(width[0] - std::min(width[0], cells[0].size()), ' ');
        for (std::size_t c = 1; c < cells.size(); ++c)
            s += std::string(width[c] + 2 - cells[c].size(), ' ') + cells[c];
        return s;
    };
    std::vector<std::string> lines{line(winLevelsHeads())};
    for (const WinLevelsRow& row : rows) {
        if (row.heading())
            lines.push_back("");
        lines.push_back(row.heading() ? row.cells[0] : line(row.cells));
    }
    return lines;
}

std::string winLevelsFile(const WinLevels& levels, const std::string& systemLine) {
    std::string text = "Distribuzione Vincite\r\n" + systemLine + "\r\n\r\n";
    for (const std::string& l : winLevelsTable(levels))
        text += l + "\r\n";
    return text;
}

} // namespace varnelo
