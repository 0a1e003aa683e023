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
    const int f = static_cast<int>(fixed.size());
    const int highest = static_cast<int>(free.size());
    std::vector<Column> columns;
    columns.reserve(store.count());
    std::vector<int> positions;
    for (std::size_t r = 1; r <= store.count(); ++r) {
        // The row's own fields are free positions; a position beyond the
        // player's numbers means a table that is not the one the code names.
        if (!readFields(store.row(r), kColumnSize - f, highest, positions))
            return {{}, tamperedNotice(complete)};
        Column c{};
        for (int p = 0; p < f; ++p)
            c[static_cast<std::size_t>(p)] =
                static_cast<std::uint8_t>(fixed[static_cast<std::size_t>(p)]);
        for (int j = 0; j < kColumnSize - f; ++j)
            c[static_cast<std::size_t>(f + j)] = static_cast<std::uint8_t>(
                free[static_cast<std::size_t>(positions[static_cast<std::size_t>(j)] - 1)]);
        for (const auto n : c)
            if (n < 1 || n > kMaxNumber)
                return {{}, tamperedNotice(complete)};
        std::sort(c.begin(), c.end());
        columns.push_back(c);
    }
    out.columns = std::move(columns);
    return out;
}

} // namespace varnelo
