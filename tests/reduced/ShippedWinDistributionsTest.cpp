// Walks every shipped table: minutes under the sanitizers, so it runs in the
// plain build only; its parts run there in smaller tests.
#include "reduced/CatalogueCodes.h"
#include "reduced/CatalogueRidStat.h"
#include "reduced/RidStat.h"
#include "support/ShippedCatalogue.h"

#include <gtest/gtest.h>

#include <filesystem>

using namespace varnelo;
namespace fs = std::filesystem;

// The shipped win distributions must follow the tables: a regenerated table
// with a stale record would show the player figures of another table.
TEST(Catalogue, ShippedWinDistributionsMatchTheTables) {
    const auto file = fs::path(VARNELO_SOURCE_DATA_DIR) / "ridotti" / "RidStat.txt";
    std::vector<std::string> records;
    std::string error;
    ASSERT_TRUE(catalogueRidStatRecords(test::shippedCatalogue(), records, error)) << error;
    const auto& codes = catalogueCodes();
    ASSERT_EQ(records.size(), codes.size());
    for (std::size_t i = 0; i < codes.size(); ++i) {
        std::vector<std::string> lines;
        ASSERT_TRUE(readRidStatRecord(file, codes[i].text(), lines, error)) << error;
        std::string text = codes[i].text() + "\r\n";
        for (const std::string& line : lines)
            text += line + "\r\n";
        EXPECT_EQ(text + std::string(kRidStatSeparator) + "\r\n", records[i]) << codes[i].text();
    }
}
