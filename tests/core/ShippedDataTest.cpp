#include "core/Archive.h"
#include "core/ColumnsFileFormat.h"
#include "support/TestFolder.h"

using namespace varnelo;
using namespace varnelo::test;

namespace fs = std::filesystem;

// The simulated archive shipped in data/: a restore accepts it, every line
// is a draw, three draws a week, and the selection and the archive system
// built from it agree with it.
TEST(ShippedData, DemoArchiveIsConsistent) {
    const fs::path data(VARNELO_SOURCE_DATA_DIR);
    ArchiveContents archive;
    std::string error;
    ASSERT_TRUE(readArchive(data / "enal/archivio.cna", kMaxArchiveLines, archive, error)) << error;
    EXPECT_TRUE(archive.problems.empty());
    EXPECT_EQ(archive.firstLine.substr(0, kFirstArchiveLine.size()), kFirstArchiveLine);
    ASSERT_GT(archive.draws.size(), 2000u);
    for (std::size_t i = 1; i < archive.draws.size(); ++i) {
        const Draw& d = archive.draws[i];
        const int w = d.weekday();
        EXPECT_TRUE(w == 2 || w == 4 || w == 6) << d.text();
        EXPECT_NE(d.numeroni[0], d.numeroni[1]) << d.text();
        const Draw& p = archive.draws[i - 1];
        EXPECT_LT(std::tie(p.year, p.month, p.day), std::tie(d.year, d.month, d.day)) << d.text();
    }
    ArchiveContents selection;
    ASSERT_TRUE(readArchive(data / "enal/archivio2.cna", kMaxArchiveLines, selection, error));
    EXPECT_EQ(selection.draws, archive.draws);
    const auto columns = fileLines(data / "qor/archivio.cna");
    ASSERT_EQ(columns.size(), archive.draws.size());
    for (std::size_t i = 0; i < columns.size(); ++i) {
        Column c{};
        ASSERT_TRUE(parseColumnLine(columns[i], c));
        EXPECT_EQ(c, archive.draws[i].numbers);
    }
    EXPECT_EQ(fileLines(data / "qor/archivio.sse").size(), 4u);
}
