#include "reduced/CatalogueRidStat.h"

#include "reduced/CatalogueCodes.h"
#include "reduced/RidStat.h"
#include "reduced/WinDistribution.h"

#include <map>

namespace varnelo {

bool catalogueRidStatRecords(const Catalogue& catalogue, std::vector<std::string>& records,
                             std::string& error) {
    std::map<std::string, TableHits> hits; // free-form tables serve several codes
    std::vector<std::string> out;
    for (const TableCode& code : catalogueCodes()) {
        const TableCode f = code.freeForm();
        auto it = hits.find(f.text());
        if (it == hits.end()) {
            PositionTable t;
            if (!catalogue.table(code, t, error)) {
                error = code.text() + ": " + error;
                return false;
            }
            it = hits.emplace(f.text(), tableHits(t)).first;
        }
        // The single-number tables beyond 49 belong to a game of 90 numbers.
        const int universe = code.n + code.fixed > 49 ? 90 : 49;
        out.push_back(
            ridStatRecord(code.text(), winDistribution(it->second, code.n, code.fixed, universe)));
    }
    records = std::move(out);
    return true;
}

} // namespace varnelo
