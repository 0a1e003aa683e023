#include "stats/StatTable.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

namespace varnelo {

StatCell StatCell::integer(std::int64_t v) {
    return {std::to_string(v), static_cast<double>(v), true, 0};
}

StatCell StatCell::decimal(double v, int decimals) {
    char buf[64];
    std::snprintf(buf, sizeof buf, "%.*f", decimals, v);
    std::string text = buf;
    std::replace(text.begin(), text.end(), '.', ',');
    // The shown figure is the one sorted and exported.
    const double scale = std::pow(10.0, decimals);
    return {text, std::round(v * scale) / scale, true, decimals};
}

StatCell StatCell::label(std::string text) {
    return {std::move(text), 0, false, 0};
}

std::string tablesText(const std::string& heading, const std::vector<StatTable>& tables) {
    std::string out = heading + "\r\n";
    for (const StatTable& t : tables) {
        std::vector<std::size_t> width(t.heads.size(), 0);
        for (std::size_t c = 0; c < t.heads.size(); ++c)
            width[c] = t.heads[c].size();
        for (const StatRow& r : t.rows)
            for (std::size_t c = 0; c < r.size() && c < width.size(); ++c)
                width[c] = std::max(width[c], r[c].text.size());
        auto pad = [&](const std::string& s, std::size_t c, bool right) {
            const std::string fill(width[c] - std::min(width[c], s.size()), ' ');
            return right ? fill + s : s + fill;
        };
        out += "\r\n" + t.title + "\r\n";
        std::string line;
        for (std::size_t c = 0; c < t.heads.size(); ++c)
            line += (c ? "  " : "") + pad(t.heads[c], c, c > 0);
        out += line + "\r\n";
        for (const StatRow& r : t.rows) {
            line.clear();
            for (std::size_t c = 0; c < r.size() && c < width.size(); ++c)
                line += (c ? "  " : "") + pad(r[c].text, c, r[c].figure);
            out += line + "\r\n";
        }
    }
    return out;
}

std::string comboText(const std::vector<int>& numbers) {
    std::string out;
    char buf[4];
    for (int n : numbers) {
        std::snprintf(buf, sizeof buf, "%02d", n);
        out += (out.empty() ? "" : "-") + std::string(buf);
    }
    return out;
}

} // namespace varnelo
