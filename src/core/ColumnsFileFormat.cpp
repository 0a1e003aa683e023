#include "core/ColumnsFileFormat.h"

namespace varnelo {

void formatColumnLine(const Column& column, char* out) {
    for (std::size_t p = 0; p < kColumnSize; ++p) {
        const unsigned v = column[p];
        char* field = out + p * kColumnFieldWidth;
        if (v >= 10) {
            field[0] = static_cast<char>('0' + v / 10);
            field[1] = static_cast<char>('0' + v % 10);
            field[2] = ' ';
        } else {
            field[0] = static_cast<char>('0' + v);
            field[1] = ' ';
            field[2] = ' ';
        }
    }
}

void appendColumnLine(std::string& out, const Column& column) {
    const std::size_t at = out.size();
    out.resize(at + kColumnLineBytes);
    formatColumnLine(column, out.data() + at);
    out[at + kColumnLineWidth] = '\r';
    out[at + kColumnLineWidth + 1] = '\n';
}

bool parseColumnLine(std::string_view line, Column& column, std::string* reason) {
    auto fail = [reason](const char* why) {
        if (reason)
            *reason = why;
        return false;
    };
    std::size_t i = 0;
    const std::size_t n = line.size();
    int count = 0;
    int previous = 0;
    while (true) {
        while (i < n && (line[i] == ' ' || line[i] == '\t' || line[i] == '\r'))
            ++i;
        if (i == n)
            break;
        if (line[i] < '0' || line[i] > '9')
            return fail("carattere non valido nella colonna");
        int value = 0;
        int digits = 0;
        while (i < n && line[i] >= '0' && line[i] <= '9') {
            if (++digits > 2)
                return fail("numero superiore a 49");
            value = value * 10 + (line[i] - '0');
            ++i;
        }
        if (value < 1 || value > kMaxNumber)
            return fail(value == 0 ? "numero uguale a 0" : "numero superiore a 49");
        if (count == kColumnSize)
            return fail("più di cinque numeri nella colonna");
        if (value <= previous)
            return fail("numeri non in ordine crescente o ripetuti");
        column[static_cast<std::size_t>(count++)] = static_cast<std::uint8_t>(value);
        previous = value;
    }
    if (count < kColumnSize)
        return fail("meno di cinque numeri nella colonna");
    return true;
}

} // namespace varnelo
