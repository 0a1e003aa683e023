#include "printing/SlipLayout.h"
#include "printing/SlipPages.h"
#include "support/TestFolder.h"

#include <gtest/gtest.h>

#include <string>

namespace varnelo {
namespace {

using test::TestFolder;

std::string layoutText(int lines, const std::string& last = "0") {
    std::string text;
    for (int i = 0; i < lines - 1; ++i)
        text += std::to_string(100 + i) + "\r\n";
    return text + last + "\r\n";
}

TEST(SlipLayoutFile, WrittenLayoutReadsBackInCellThenGridOrder) {
    TestFolder f;
    SlipLayout layout = defaultSlipLayout();
    layout.cells[69][4] = {-32768, 32767};
    std::string error;
    ASSERT_TRUE(writeSlipLayout(f.folder(), layout, error)) << error;
    const std::string text = test::readFile(f / "enal/stampaver.txt");
    // Block of cell 1: X1 Y1 X2 Y2 ... as ten lines.
    const TwipPoint g2 = layout.at(2, 1);
    EXPECT_EQ(text.rfind(std::to_string(layout.at(1, 1).x) + "\r\n" +
                             std::to_string(layout.at(1, 1).y) + "\r\n" + std::to_string(g2.x) +
                             "\r\n" + std::to_string(g2.y) + "\r\n",
                         0),
              0U);
    std::optional<Notice> notice;
    const auto back = readSlipLayout(f.folder(), notice);
    ASSERT_TRUE(back);
    EXPECT_FALSE(notice);
    EXPECT_EQ(*back, layout);
}

TEST(SlipLayoutFile, PlacesEveryValueOfTheFile) {
    TestFolder f;
    test::writeFile(f / "enal/stampaver.txt", layoutText(700, "799"));
    std::optional<Notice> notice;
    const auto layout = readSlipLayout(f.folder(), notice);
    ASSERT_TRUE(layout);
    EXPECT_EQ(layout->at(1, 1), (TwipPoint{100, 101}));
    EXPECT_EQ(layout->at(5, 1), (TwipPoint{108, 109}));
    EXPECT_EQ(layout->at(1, 2), (TwipPoint{110, 111}));
    EXPECT_EQ(layout->at(5, 70), (TwipPoint{798, 799}));
}

TEST(SlipLayoutFile, BadFilesGiveANoticeAndNoLayout) {
    const struct {
        const char* what;
        std::string text;
    } cases[] = {
        {"short", layoutText(699)},
        {"empty", ""},
        {"word", layoutText(700, "dieci")},
        {"above 16 bits", layoutText(700, "32768")},
        {"below 16 bits", layoutText(700, "-32769")},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        TestFolder f({"enal"}, c.what);
        test::writeFile(f / "enal/stampaver.txt", c.text);
        std::optional<Notice> notice;
        EXPECT_FALSE(readSlipLayout(f.folder(), notice));
        ASSERT_TRUE(notice);
        EXPECT_EQ(notice->title, "File manomesso o inesistente:");
    }
}

TEST(SlipLayoutFile, MissingFileIsQuiet) {
    TestFolder f;
    std::optional<Notice> notice;
    EXPECT_FALSE(readSlipLayout(f.folder(), notice));
    EXPECT_FALSE(notice);
}

// The delivered layout must keep every mark inside its own box, boxes
// apart, and everything on the slip: a mark outside marks the wrong number.
TEST(DefaultSlipLayout, MarksStayInsideSeparateBoxesOnTheSlip) {
    using G = SlipGeometry;
    const SlipLayout layout = defaultSlipLayout();
    for (int grid = 1; grid <= kSlipGrids; ++grid) {
        for (int cell = 1; cell <= kGridCells; ++cell) {
            SCOPED_TRACE(std::to_string(grid) + "/" + std::to_string(cell));
            const TwipPoint box = boxCorner(layout, grid, cell);
            const TwipPoint mark = layout.at(grid, cell);
            EXPECT_GE(mark.x, box.x);
            EXPECT_GE(mark.y, box.y);
            EXPECT_LE(mark.x + G::markWidth, box.x + G::boxWidth);
            EXPECT_LE(mark.y + G::markHeight, box.y + G::boxHeight);
            EXPECT_GE(box.x, 0);
            EXPECT_LE(box.x + G::boxWidth, G::width);
            EXPECT_LE(box.y + G::boxHeight, G::height);
            if (cell % 5 != 0)
                EXPECT_LT(box.x + G::boxWidth, boxCorner(layout, grid, cell + 1).x);
            if (cell + 5 <= kGridCells)
                EXPECT_LT(box.y + G::boxHeight, boxCorner(layout, grid, cell + 5).y);
        }
        if (grid < kSlipGrids)
            EXPECT_LT(boxCorner(layout, grid, 5).x + G::boxWidth, boxCorner(layout, grid + 1, 1).x);
    }
}

TEST(SlipPagination, CountsSlipsAndLeavesTheLastGridsEmpty) {
    const struct {
        std::int64_t columns;
        int perSlip;
        std::int64_t slips;
    } cases[] = {{0, 5, 0}, {1, 5, 1}, {5, 5, 1},           {6, 5, 2},
                 {7, 3, 3}, {7, 1, 7}, {1906884, 5, 381377}};
    for (const auto& c : cases)
        EXPECT_EQ(slipCount(c.columns, c.perSlip), c.slips) << c.columns << "/" << c.perSlip;

    const std::vector<Column> last = {{1, 2, 3, 4, 5}, {45, 46, 47, 48, 49}};
    PrintBuffer buffer;
    buffer.set(4, 7); // left over from a previous slip
    fillSlip(buffer, last);
    for (int cell = 0; cell < PrintBuffer::kCells; ++cell) {
        EXPECT_EQ(buffer.isSet(1, cell), cell >= 1 && cell <= 5) << cell;
        EXPECT_EQ(buffer.isSet(2, cell), cell >= 45 && cell <= 49) << cell;
        for (int grid = 3; grid <= kSlipGrids; ++grid)
            EXPECT_FALSE(buffer.isSet(grid, cell)) << grid << "/" << cell;
    }
}

TEST(SlipMarks, OneRectanglePerNumberAtTheLayoutPlaceShiftedAlike) {
    const SlipLayout layout = defaultSlipLayout();
    PrintBuffer buffer;
    const std::vector<Column> columns = {{1, 12, 23, 34, 49}, {2, 3, 4, 5, 6}, {7, 8, 9, 10, 50}};
    fillSlip(buffer, std::span(columns).first(2));
    const auto plain = slipMarks(layout, buffer, {});
    ASSERT_EQ(plain.size(), 10U);
    EXPECT_EQ(plain[0], (Mark{layout.at(1, 1).x, layout.at(1, 1).y, SlipGeometry::markWidth,
                              SlipGeometry::markHeight}));
    EXPECT_EQ(plain[4].x, layout.at(1, 49).x);
    EXPECT_EQ(plain[9].y, layout.at(2, 6).y);

    const struct {
        SlipShift shift;
        int dx;
        int dy;
    } shifts[] = {{{SlipEntry::Left, 120, -60}, 120, -60},
                  {{SlipEntry::Centre, 0, 0}, kCentreShift, 0},
                  {{SlipEntry::Centre, -100, 45}, kCentreShift - 100, 45}};
    for (const auto& s : shifts) {
        const auto moved = slipMarks(layout, buffer, s.shift);
        ASSERT_EQ(moved.size(), plain.size());
        for (std::size_t i = 0; i < plain.size(); ++i) {
            EXPECT_EQ(moved[i].x - plain[i].x, s.dx) << i;
            EXPECT_EQ(moved[i].y - plain[i].y, s.dy) << i;
        }
    }
    EXPECT_EQ(layout, defaultSlipLayout());
}

} // namespace
} // namespace varnelo
