#include "reduced/ReducedNames.h"

#include "core/OrthogonalGuarantees.h"

#include <array>

namespace varnelo {

namespace {

struct Guarantee {
    int g, c;
    const char* name;
    const char* shortName;
};

constexpr Guarantee kGuarantees[] = {
    {2, 2, " Garanzia 2 punti  su 2 Numeri", "Garanzia 2 su 2 N°"},
    {2, 5, " Garanzia 2 punti  su 5 Numeri", "Garanzia 2 su 5 N°"},
    {3, 3, " Garanzia 3 punti  su 3 Numeri", "Garanzia 3 su 3 N°"},
    {3, 5, " Garanzia 3 punti  su 5 Numeri", "Garanzia 3 su 5 N°"},
    {4, 4, " Garanzia 4 punti  su 4 Numeri", "Garanzia 4 su 4 N°"},
    {4, 5, " Garanzia 4 punti  su 5 Numeri", "Garanzia. 4 su 5 N°"},
    {0, 0, " Garanzia integrale", "Garanzia integrale"},
};

const Guarantee* find(int g, int c) {
    for (const auto& x : kGuarantees)
        if (x.g == g && x.c == c)
            return &x;
    return nullptr;
}

} // namespace

std::optional<std::string> guaranteeName(int g, int c) {
    const Guarantee* x = find(g, c);
    return x ? std::optional<std::string>(x->name) : std::nullopt;
}

std::optional<std::string> guaranteeShortName(int g, int c) {
    const Guarantee* x = find(g, c);
    return x ? std::optional<std::string>(x->shortName) : std::nullopt;
}

std::optional<OrthogonalOption> orthogonalOption(int option) {
    const OrthogonalGuarantee* g = orthogonalGuarantee(option);
    if (!g)
        return std::nullopt;
    return OrthogonalOption{g->reducedName, g->points, g->drawn};
}

std::optional<std::string> orthogonalTitle(int option) {
    const auto o = orthogonalOption(option);
    return o ? std::optional<std::string>(o->name + "Ortogonale ") : std::nullopt;
}

} // namespace varnelo
