#include "reduced/CatalogueEntries.h"

#include "core/Numbers.h"
#include "core/OrthogonalGuarantees.h"
#include "reduced/CatalogueCodes.h"
#include "reduced/ReducedNames.h"

namespace varnelo {

const char* CatalogueEntry::kind() const {
    if (code.family == 'O')
        return "Ortogonale";
    return code.rowLength == kColumnSize ? "Ridotto" : "Ridotto parziale";
}

int orthogonalOptionFor(int g, int c) {
    for (std::size_t i = 0; i < kOrthogonalGuarantees.size(); ++i)
        if (kOrthogonalGuarantees[i].points == g && kOrthogonalGuarantees[i].drawn == c)
            return static_cast<int>(i) + 1;
    return 0;
}

std::vector<CatalogueEntry> catalogueEntries(const Catalogue& catalogue) {
    std::vector<CatalogueEntry> entries;
    entries.reserve(catalogueCodes().size());
    for (const TableCode& code : catalogueCodes()) {
        CatalogueEntry e;
        e.code = code;
        e.rows = catalogue.rowCount(code);
        const bool fullColumns = code.rowLength == kColumnSize && e.rows > 0;
        if (code.family == 'O') {
            e.option = orthogonalOptionFor(code.g, code.c);
            const auto o = orthogonalOption(e.option);
            e.playable = fullColumns && o.has_value();
            e.guarantee =
                o ? o->name
                  : "Gar." + std::to_string(code.g) + "  con " + std::to_string(code.c) + " Numeri";
        } else {
            e.playable = fullColumns && code.c == kColumnSize;
            // The names cover the usual guarantees; the others read the same way.
            const auto name = guaranteeName(code.g, code.c);
            e.guarantee = name ? *name
                               : " Garanzia " + std::to_string(code.g) + " punti  su " +
                                     std::to_string(code.c) + " Numeri";
        }
        entries.push_back(std::move(e));
    }
    return entries;
}

} // namespace varnelo
