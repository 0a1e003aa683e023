#include "reduced/ApplyReduced.h"

#include "reduced/ReducedNames.h"

#include <algorithm>
#include <cstdio>

namespace varnelo {

namespace {

std::string codeText(char family, int n, int fixed, int g, int c) {
    char text[16];
    std::snprintf(text, sizeof text, "%c5N%02dF%dG%d%dV01", family, n, fixed, g, c);
    return text;
}

Notice tamperedNotice(std::string_view code) {
    return Notice{"Ridotto manomesso:",
                  {"Ridotto manomesso, o valore cambiato con un numero non valido,",
                   "comunicare il nome del ridotto qui sotto.",
                   "Ho provare a reinstallare il programma.",
                   "Nome ridotto = " + std::string(code)}};
}

// A stored field is two characters wide.
constexpr int kMaxFieldValue = 99;

} // namespace

std::string reducedCode(int n, int fixed, int g) {
    if (n + fixed < 6 || g <= fixed)
        return std::string(kFullDevelopmentCode);
    return codeText('R', n, fixed, g, 5);
}

std::string orthogonalCode(int n, int fixed, int option) {
    const auto o = orthogonalOption(option);
    if (!o)
        return {};
    if (option <= 3)
        return codeText('R', n, fixed, o->g < 4 ? o->g + 1 : 4, 5);
    return orthogonalTableCode(n, fixed, o->g, o->c);
}

std::string orthogonalTableCode(int n, int fixed, int g, int c) {
    return codeText('O', n, fixed, g, c);
}

Notice incompatibleNotice() {
    return Notice{"Ridotto non compatibile:",
                  {"Ridotto non compatibile al", "pronostico inserito!"}};
}

AppliedReduced applyReduced(const Catalogue& catalogue, std::string_view code,
                            const std::vector<int>& fixed, const std::vector<int>& free) {
    AppliedReduced out;
    const std::string complete = completeCode(code);
    RowStore store;
    const TableAnswer answer = complete.front() == 'O'
                                   ? catalogue.findOrthogonalTable(complete, store)
                                   : catalogue.findTable(complete, store);
    if (!answer.ok()) {
        out.notice =
            answer.error.empty() ? incompatibleNotice() : Notice{"Avviso:", {answer.error}};
        return out;
    }
    // Stored rows hold free positions only: the fixed ones go in front.
    const int f = static_cast<int>(fixed.size());
    std::vector<Column> positions;
    positions.reserve(store.count());
    std::vector<int> fields;
    for (std::size_t r = 1; r <= store.count(); ++r) {
        if (!readFields(store.row(r), kColumnSize - f, kMaxFieldValue, fields))
            return {{}, tamperedNotice(complete)};
        Column c{};
        for (int p = 0; p < f; ++p)
            c[static_cast<std::size_t>(p)] = static_cast<std::uint8_t>(p + 1);
        for (int j = 0; j < kColumnSize - f; ++j)
            c[static_cast<std::size_t>(f + j)] =
                static_cast<std::uint8_t>(f + fields[static_cast<std::size_t>(j)]);
        positions.push_back(c);
    }
    return applyPositions(positions, fixed, free, complete);
}

AppliedReduced applyPositions(const std::vector<Column>& positions, const std::vector<int>& fixed,
                              const std::vector<int>& free, std::string_view name) {
    std::vector<int> numbers = fixed;
    numbers.insert(numbers.end(), free.begin(), free.end());
    std::vector<Column> columns;
    columns.reserve(positions.size());
    for (const Column& row : positions) {
        Column c{};
        for (std::size_t k = 0; k < row.size(); ++k) {
            // A position beyond the player's numbers means a table that is
            // not the one its name promises.
            const std::size_t p = row[k];
            if (p < 1 || p > numbers.size())
                return {{}, tamperedNotice(name)};
            const int n = numbers[p - 1];
            if (n < 1 || n > kMaxNumber)
                return {{}, tamperedNotice(name)};
            c[k] = static_cast<std::uint8_t>(n);
        }
        std::sort(c.begin(), c.end());
        // A repeated position would make a column of four numbers.
        if (std::adjacent_find(c.begin(), c.end()) != c.end())
            return {{}, tamperedNotice(name)};
        columns.push_back(c);
    }
    return {std::move(columns), std::nullopt};
}

AppliedReduced applyPersonalTable(const PersonalTable& table, const std::string& name,
                                  const std::vector<int>& fixed, const std::vector<int>& free) {
    const int highest = personalTablePositions(table);
    const auto numbers = static_cast<int>(fixed.size() + free.size());
    if (table.columns.empty() || highest > numbers) {
        Notice refused = incompatibleNotice();
        refused.lines.push_back(table.columns.empty()
                                    ? "Il ridotto " + name + " non ha colonnine."
                                    : "Il ridotto " + name + " usa " + std::to_string(highest) +
                                          " numeri, il pronostico ne ha " +
                                          std::to_string(numbers) + ".");
        return {{}, refused};
    }
    return applyPositions(table.columns, fixed, free, name);
}

} // namespace varnelo
