#include "reduced/RowStore.h"

#include <algorithm>

namespace varnelo {

std::string fieldText(const std::uint8_t* positions, int count) {
    std::string s;
    for (int i = 0; i < count; ++i) {
        const int p = positions[i];
        if (p >= 10) {
            s += static_cast<char>('0' + p / 10);
            s += static_cast<char>('0' + p % 10);
        } else {
            s += static_cast<char>('0' + p);
            s += ' ';
        }
    }
    return s;
}

bool readFields(std::string_view text, int fields, int highest, std::vector<int>& out) {
    out.clear();
    const auto length = static_cast<std::size_t>(2 * fields);
    if (fields < 1 || text.size() > length || text.size() + 1 < length)
        return false;
    for (int j = 0; j < fields; ++j) {
        const std::string_view f = text.substr(static_cast<std::size_t>(2 * j), 2);
        int value = 0, digits = 0;
        for (char ch : f) {
            if (ch == ' ')
                continue;
            if (ch < '0' || ch > '9')
                return false;
            value = value * 10 + (ch - '0');
            ++digits;
        }
        if (digits == 0 || value < 1 || value > highest ||
            std::find(out.begin(), out.end(), value) != out.end())
            return false;
        out.push_back(value);
    }
    return true;
}

bool RowStore::load(const PositionTable& table) {
    if (table.rows() > kCapacity)
        return false;
    std::vector<std::string> rows;
    rows.reserve(table.rows());
    for (std::size_t i = 0; i < table.rows(); ++i)
        rows.push_back(fieldText(table.row(i), table.rowLength));
    rows_ = std::move(rows);
    return true;
}

bool RowStore::load(std::vector<std::string> rows) {
    if (rows.size() > kCapacity)
        return false;
    rows_ = std::move(rows);
    return true;
}

} // namespace varnelo
