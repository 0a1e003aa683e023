#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace varnelo {

// One cell of a statistics table: the text a player reads and, for figures,
// the value that sorting and the spreadsheet use.
struct StatCell {
    std::string text;
    double value = 0;
    bool figure = false;
    int decimals = 0;

    static StatCell integer(std::int64_t v);
    // Italian decimal comma: "12,50".
    static StatCell decimal(double v, int decimals = 2);
    static StatCell label(std::string text);
};

using StatRow = std::vector<StatCell>;

// A table of a statistics window, as shown, saved as text and exported.
struct StatTable {
    std::string title;
    std::vector<std::string> heads;
    std::vector<StatRow> rows;
};

// The text export: the heading line, then each table under its title with
// columns padded to their widest cell, figures right-aligned.
std::string tablesText(const std::string& heading, const std::vector<StatTable>& tables);

// "01-02-03".
std::string comboText(const std::vector<int>& numbers);

} // namespace varnelo
