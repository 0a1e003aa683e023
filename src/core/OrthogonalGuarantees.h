#pragma once

#include <array>

namespace varnelo {

// The nine guarantees of an orthogonal development, kinds 1..9 in this
// order: the points guaranteed when `drawn` drawn numbers fall among the
// chosen; the entry of the set-up window's list and the name the reduced
// systems give the option.
struct OrthogonalGuarantee {
    int points;
    int drawn;
    const char* entry;
    const char* reducedName;
};

inline constexpr std::array<OrthogonalGuarantee, 9> kOrthogonalGuarantees = {{
    {4, 4, "4 Punti con 4 estratti", "Gar.4  con 4 Numeri"},
    {3, 3, "3 Punti con 3 estratti", "Gar.3  con 3 Numeri"},
    {2, 2, "2 Punti con 2 estratti", "Gar.2  con 2 Numeri"},
    {3, 4, "3 Punti con 4 estratti", "Gar.3  con 4 Numeri"},
    {2, 4, "2 Punti con 4 estratti", "Gar.2  con 4 Numeri"},
    {1, 4, "1 Punti con 4 estratti", "Gar.1  con 4 Numeri"},
    {2, 3, "2 Punti con 3 estratti", "Gar.2  con 3 Numeri"},
    {1, 3, "1 Punti con 3 estratti", "Gar.1  con 3 Numeri"},
    {1, 2, "1 Punti con 2 estratti!", "Gar.1  con 2 Numeri"},
}};

// The guarantee of kind 1..9; nothing for any other kind.
inline const OrthogonalGuarantee* orthogonalGuarantee(int kind) {
    return kind >= 1 && kind <= 9 ? &kOrthogonalGuarantees[static_cast<std::size_t>(kind - 1)]
                                  : nullptr;
}

} // namespace varnelo
