#include "reduced/StoredTable.h"
#include "support/TestFolder.h"

#include <gtest/gtest.h>

#include <filesystem>

using namespace varnelo;
namespace fs = std::filesystem;

namespace {

class StoredTableTest : public ::testing::Test {
  protected:
    void SetUp() override { store_.load(std::vector<std::string>{"9 9 "}); }
    void write(const std::string& name, const std::string& text) {
        test::writeFile(root_ / "ridotti" / name, text);
    }
    test::TestFolder folder_{"ridotti"};
    const fs::path& root_ = folder_.root;
    RowStore store_;
};

} // namespace

TEST_F(StoredTableTest, LoadsTheFileOfTheFreeCode) {
    // R5N12F1G35 uses the rows of R4N12F0G24.
    write("R4N12F0G24V01.cna", "\xEF\xBB\xBF"
                               "1 2 3 4 \r\n\r\n5 6 7 8\r\n9 101112\n");
    const TableAnswer a = loadStoredTable(ProgramFolder(root_), "R5N12F1G35", store_);
    ASSERT_TRUE(a.ok()) << a.error;
    EXPECT_EQ(a.rows, 3u);
    ASSERT_EQ(store_.count(), 3u);
    EXPECT_EQ(store_.row(1), "1 2 3 4 ");
    EXPECT_EQ(store_.row(2), "5 6 7 8 ");
    EXPECT_EQ(store_.row(3), "9 101112");
}

TEST_F(StoredTableTest, ABadFieldRefusesTheWholeTable) {
    const char* bodies[] = {
        "1 2 3 4 \n1 2 3 x \n", // not a number
        "1 2 3 4 \n1 2 3 \n",   // a field missing
        "1 2 3 4 5 \n",         // a field too many
        "1 2 3 13\n",           // beyond the 12 numbers
        "1 2 3 3 \n",           // repeated
        "0 1 2 3 \n",           // position 0
        "\x01\x02\xff\xfe binary\n",
        "", // no rows
    };
    for (const char* body : bodies) {
        write("R4N12F0G24V01.cna", body);
        const TableAnswer a = loadStoredTable(ProgramFolder(root_), "R4N12F0G24V01", store_);
        EXPECT_FALSE(a.ok()) << body;
        EXPECT_FALSE(a.error.empty()) << body;
        ASSERT_EQ(store_.count(), 1u) << body;
        EXPECT_EQ(store_.row(1), "9 9 ");
    }
    EXPECT_FALSE(loadStoredTable(ProgramFolder(root_), "R4N11F0G24V01", store_).ok());
    EXPECT_FALSE(loadStoredTable(ProgramFolder(root_), "R0N00F0G00V00", store_).ok());
}

TEST_F(StoredTableTest, RowsBeyondTheRoomOfTheStoreAreRefused) {
    std::string body;
    for (std::size_t i = 0; i < RowStore::kCapacity; ++i)
        body += "1 2 \r\n";
    write("R2N02F0G12V01.cna", body);
    const TableAnswer full = loadStoredTable(ProgramFolder(root_), "R2N02F0G12V01", store_);
    ASSERT_TRUE(full.ok()) << full.error;
    EXPECT_EQ(store_.count(), RowStore::kCapacity);
    write("R2N02F0G12V01.cna", body + "1 2 \r\n");
    store_.load(std::vector<std::string>{"9 9 "});
    EXPECT_FALSE(loadStoredTable(ProgramFolder(root_), "R2N02F0G12V01", store_).ok());
    EXPECT_EQ(store_.count(), 1u);
}
