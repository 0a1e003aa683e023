#include "core/ColumnText.h"

#include <algorithm>

namespace varnelo {

bool readNumbers(std::string_view line, std::vector<int>& numbers, std::string& error) {
    numbers.clear();
    std::size_t i = 0;
    while (i < line.size()) {
        const char ch = line[i];
        if (ch == ' ' || ch == '\t' || ch == ',' || ch == ';' || ch == '\r' || ch == '\n') {
            ++i;
            continue;
        }
        if (ch < '0' || ch > '9') {
            error = std::string("carattere non valido '") + ch + "'";
            return false;
        }
        int value = 0;
        std::size_t digits = 0;
        while (i < line.size() && line[i] >= '0' && line[i] <= '9') {
            if (++digits > 6) {
                error = "numero troppo lungo";
                return false;
            }
            value = value * 10 + (line[i] - '0');
            ++i;
        }
        numbers.push_back(value);
    }
    return true;
}

bool parseColumn(std::string_view line, Column& column, std::string& error) {
    std::vector<int> n;
    if (!readNumbers(line, n, error))
        return false;
    if (n.size() != kColumnSize) {
        error = "servono cinque numeri, trovati " + std::to_string(n.size());
        return false;
    }
    for (int v : n)
        if (v < 1 || v > kMaxNumber) {
            error = "il numero " + std::to_string(v) + " non è compreso tra 1 e 49";
            return false;
        }
    std::sort(n.begin(), n.end());
    for (std::size_t k = 1; k < n.size(); ++k)
        if (n[k] == n[k - 1]) {
            error = "il numero " + std::to_string(n[k]) + " e ripetuto";
            return false;
        }
    for (int k = 0; k < kColumnSize; ++k)
        column[static_cast<std::size_t>(k)] =
            static_cast<std::uint8_t>(n[static_cast<std::size_t>(k)]);
    return true;
}

} // namespace varnelo
