#include "reduced/TableCode.h"

namespace varnelo {

namespace {

bool digit(char ch) {
    return ch >= '0' && ch <= '9';
}

} // namespace

std::string TableCode::text() const {
    std::string s;
    s += family;
    s += static_cast<char>('0' + rowLength);
    s += 'N';
    s += static_cast<char>('0' + n / 10);
    s += static_cast<char>('0' + n % 10);
    s += 'F';
    s += static_cast<char>('0' + fixed);
    s += 'G';
    s += static_cast<char>('0' + g);
    s += static_cast<char>('0' + c);
    s += 'V';
    s += static_cast<char>('0' + version / 10);
    s += static_cast<char>('0' + version % 10);
    return s;
}

TableCode TableCode::freeForm() const {
    TableCode f = *this;
    f.rowLength -= fixed;
    f.g -= fixed;
    f.c -= fixed;
    f.fixed = 0;
    return f;
}

std::string completeCode(std::string_view code) {
    std::string s(code);
    if (s.size() < 11)
        s += "V01";
    if (s.size() > 13)
        s.resize(13);
    return s;
}

std::optional<TableCode> parseTableCode(std::string_view s) {
    if (s.size() != 13 || (s[0] != 'R' && s[0] != 'O') || s[2] != 'N' || s[5] != 'F' ||
        s[7] != 'G' || s[10] != 'V')
        return std::nullopt;
    for (int i : {1, 3, 4, 6, 8, 9, 11, 12})
        if (!digit(s[static_cast<std::size_t>(i)]))
            return std::nullopt;
    TableCode t;
    t.family = s[0];
    t.rowLength = s[1] - '0';
    t.n = (s[3] - '0') * 10 + (s[4] - '0');
    t.fixed = s[6] - '0';
    t.g = s[8] - '0';
    t.c = s[9] - '0';
    t.version = (s[11] - '0') * 10 + (s[12] - '0');
    return t;
}

std::string familyFileName(char family, int rowLength, int g, int c) {
    std::string s;
    s += family;
    s += static_cast<char>('0' + rowLength);
    s += 'G';
    s += static_cast<char>('0' + g);
    s += static_cast<char>('0' + c);
    s += ".tab";
    return s;
}

} // namespace varnelo
