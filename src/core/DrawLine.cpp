#include "core/DrawLine.h"

#include <chrono>

namespace varnelo {

namespace {

// Two digits at a 0-based offset, or -1.
int twoDigits(std::string_view s, std::size_t at) {
    const char a = s[at];
    const char b = s[at + 1];
    if (a < '0' || a > '9' || b < '0' || b > '9')
        return -1;
    return (a - '0') * 10 + (b - '0');
}

void putTwo(std::string& out, int v) {
    out += static_cast<char>('0' + v / 10 % 10);
    out += static_cast<char>('0' + v % 10);
}

constexpr std::string_view kWeekdays[] = {"lunedì",  "martedì", "mercoledì", "giovedì",
                                          "venerdì", "sabato",  "domenica"};
constexpr std::string_view kMonths[] = {"gennaio",   "febbraio", "marzo",    "aprile",
                                        "maggio",    "giugno",   "luglio",   "agosto",
                                        "settembre", "ottobre",  "novembre", "dicembre"};

} // namespace

bool isValidDate(int day, int month, int year) {
    using namespace std::chrono;
    if (year < 1 || year > 9999 || month < 1 || month > 12 || day < 1 || day > 31)
        return false;
    return year_month_day{std::chrono::year{year}, std::chrono::month{unsigned(month)},
                          std::chrono::day{unsigned(day)}}
        .ok();
}

int weekdayOf(int day, int month, int year) {
    using namespace std::chrono;
    const weekday w{
        sys_days{year_month_day{std::chrono::year{year}, std::chrono::month{unsigned(month)},
                                std::chrono::day{unsigned(day)}}}};
    return static_cast<int>(w.iso_encoding());
}

std::string italianLongDate(int day, int month, int year) {
    if (!isValidDate(day, month, year))
        return "";
    return std::string(kWeekdays[weekdayOf(day, month, year) - 1]) + ", " + std::to_string(day) +
           " " + std::string(kMonths[month - 1]) + " " + std::to_string(year);
}

std::string Draw::numbersText() const {
    std::string out;
    out.reserve(14);
    for (std::size_t p = 0; p < kColumnSize; ++p) {
        if (p)
            out += '-';
        putTwo(out, numbers[p]);
    }
    return out;
}

std::string Draw::date() const {
    std::string out;
    out.reserve(10);
    putTwo(out, day);
    out += '-';
    putTwo(out, month);
    out += '-';
    for (int d = 1000; d >= 1; d /= 10)
        out += static_cast<char>('0' + year / d % 10);
    return out;
}

std::string Draw::text() const {
    std::string out = numbersText();
    putTwo(out, numeroni[0]);
    putTwo(out, numeroni[1]);
    return out + date();
}

int Draw::weekday() const {
    return weekdayOf(day, month, year);
}

bool parseDrawLine(std::string_view line, Draw& draw, std::string& reason) {
    if (line.size() < kDrawLineWidth) {
        reason = "riga più corta di 28 caratteri";
        return false;
    }
    Draw d;
    for (std::size_t p = 0; p < kColumnSize; ++p) {
        if (p < kColumnSize - 1 && line[p * 3 + 2] != '-') {
            reason = "manca il separatore \"-\" dopo il " + std::to_string(p + 1) + "° numero";
            return false;
        }
        const int v = twoDigits(line, p * 3);
        if (v < 1 || v > kMaxNumber) {
            reason = "il " + std::to_string(p + 1) + "° numero non è compreso tra 1 e 49";
            return false;
        }
        if (p > 0 && v <= d.numbers[p - 1]) {
            reason = "i numeri non sono in ordine crescente";
            return false;
        }
        d.numbers[p] = static_cast<std::uint8_t>(v);
    }
    for (std::size_t k = 0; k < 2; ++k) {
        const int v = twoDigits(line, 14 + k * 2);
        if (v < 1 || v > kMaxNumerone) {
            reason = "il " + std::to_string(k + 1) + "° Numerone non è compreso tra 1 e 10";
            return false;
        }
        d.numeroni[k] = static_cast<std::uint8_t>(v);
    }
    const int hi = twoDigits(line, 24);
    const int lo = twoDigits(line, 26);
    d.day = twoDigits(line, 18);
    d.month = twoDigits(line, 21);
    d.year = hi < 0 || lo < 0 ? -1 : hi * 100 + lo;
    if (line[20] != '-' || line[23] != '-' || !isValidDate(d.day, d.month, d.year)) {
        reason = "la data non è valida";
        return false;
    }
    draw = d;
    return true;
}

} // namespace varnelo
