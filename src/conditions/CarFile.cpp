#include "conditions/CarFile.h"

#include "conditions/IntegerTokens.h"
#include "core/TextFile.h"

namespace varnelo {

namespace {

// Numbers of a filter column: two digits at most, as typed in the grid.
constexpr long long kLargestEntry = 99;
constexpr long long kMostColumns = 20000;

void appendFlags(std::string& out, std::uint8_t bits) {
    for (int h = 0; h <= 5; ++h)
        out += (bits >> h & 1u) ? '1' : '0';
}

bool readFlags(std::string_view& line, std::uint8_t& bits) {
    while (!line.empty() && (line.front() == ' ' || line.front() == '\t'))
        line.remove_prefix(1);
    if (line.size() < 6 || (line.size() > 6 && line[6] != ' ' && line[6] != '\t'))
        return false;
    std::uint8_t b = 0;
    for (std::size_t k = 0; k < 6; ++k) {
        if (line[k] != '0' && line[k] != '1')
            return false;
        b |= static_cast<std::uint8_t>((line[k] - '0') << k);
    }
    bits = b;
    line.remove_prefix(6);
    return true;
}

bool readNumbers(std::string_view line, std::vector<std::uint8_t>& numbers) {
    IntegerTokens t(line);
    long long v = 0;
    numbers.clear();
    while (t.next(v, 0, kLargestEntry))
        numbers.push_back(static_cast<std::uint8_t>(v));
    return !t.bad();
}

void appendNumbers(std::string& out, const std::vector<std::uint8_t>& numbers) {
    bool first = true;
    for (const auto n : numbers) {
        if (!first)
            out += ' ';
        out += std::to_string(n);
        first = false;
    }
}

} // namespace

std::string formatCarFile(const CarFile& f) {
    std::string out = f.name + "\r\n";
    out += std::to_string(f.orLogic ? 1 : 0) + " " + std::to_string(f.active ? 1 : 0) + " " +
           std::to_string(f.guessed.min) + " " + std::to_string(f.guessed.max) + " " +
           std::to_string(f.points.min) + " " + std::to_string(f.points.max) + " " +
           std::to_string(f.columns.size()) + "\r\n";
    for (const ListColumn& c : f.columns) {
        appendFlags(out, c.hits);
        out += ' ';
        appendFlags(out, c.consecutive);
        if (!c.numbers.empty())
            out += ' ';
        appendNumbers(out, c.numbers);
        out += "\r\n";
    }
    return out;
}

bool parseCarBody(const std::vector<std::string_view>& lines, std::size_t& at, CarFile& f) {
    if (at + 2 > lines.size())
        return false;
    CarFile read;
    read.name = std::string(lines[at]);
    IntegerTokens t(lines[at + 1]);
    long long v[7] = {};
    if (!(t.next(v[0], 0, 1) && t.next(v[1], 0, 1) && t.next(v[2], -32768, 32767) &&
          t.next(v[3], -32768, 32767) && t.next(v[4], -32768, 32767) &&
          t.next(v[5], -32768, 32767) && t.next(v[6], 0, kMostColumns) && t.atEnd()))
        return false;
    read.orLogic = v[0] == 1;
    read.active = v[1] == 1;
    read.guessed = {static_cast<std::int16_t>(v[2]), static_cast<std::int16_t>(v[3])};
    read.points = {static_cast<std::int16_t>(v[4]), static_cast<std::int16_t>(v[5])};
    std::size_t next = at + 2;
    for (long long j = 0; j < v[6]; ++j, ++next) {
        if (next >= lines.size())
            return false;
        std::string_view line = lines[next];
        ListColumn c;
        if (!readFlags(line, c.hits) || !readFlags(line, c.consecutive) ||
            !readNumbers(line, c.numbers))
            return false;
        read.columns.push_back(std::move(c));
    }
    f = std::move(read);
    at = next;
    return true;
}

bool parseCarFile(std::string_view text, CarFile& f, std::string& error) {
    std::size_t at = 0;
    if (!parseCarBody(splitLines(text), at, f)) {
        error = "Il file delle colonne filtro non e valido.";
        return false;
    }
    return true;
}

std::string formatCacFile(const std::vector<ListColumn>& columns) {
    std::string out;
    for (const ListColumn& c : columns) {
        appendNumbers(out, c.numbers);
        out += "\r\n";
    }
    return out;
}

bool parseCacFile(std::string_view text, std::vector<ListColumn>& columns, std::string& error) {
    std::vector<ListColumn> read;
    for (const auto line : splitLines(text)) {
        ListColumn c;
        if (!readNumbers(line, c.numbers) || read.size() >= kMostColumns) {
            error = "Il file delle colonne filtro non e valido.";
            return false;
        }
        if (!c.numbers.empty())
            read.push_back(std::move(c));
    }
    columns = std::move(read);
    return true;
}

} // namespace varnelo
