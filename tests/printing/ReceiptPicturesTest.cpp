#include "printing/Receipt.h"
#include "support/TestFolder.h"

#include <gtest/gtest.h>

namespace varnelo {
namespace {

using test::TestFolder;

TEST(ReceiptPictures, ListKeepsTheLinesWithATabAndAFile) {
    TestFolder f({"immagini"});
    test::writeFile(f / "immagini/Cartella.txt",
                    "Vincite\tVincite1.gif\r\nsenza tab\r\nVuoto\t  \r\n Natale \t Natale1.bmp \n");
    EXPECT_EQ(
        readReceiptPictures(f.folder()),
        (std::vector<ReceiptPicture>{{"Vincite", "Vincite1.gif"}, {"Natale", "Natale1.bmp"}}));
    TestFolder bare(TestFolder::Bare{});
    EXPECT_TRUE(readReceiptPictures(bare.folder()).empty());
}

TEST(ReceiptPictures, SameOrNextPictureOnEveryReceipt) {
    const std::vector<ReceiptPicture> list{{"A", "a.gif"}, {"B", "b.gif"}, {"C", "c.gif"}};
    const struct {
        int theme;
        bool change;
        int serial;
        const char* file;
    } cases[] = {
        {1, false, 0, "b.gif"}, {1, false, 5, "b.gif"}, {1, true, 0, "b.gif"},
        {1, true, 1, "c.gif"},  {1, true, 2, "a.gif"},  {2, true, 4, "a.gif"},
        {3, false, 0, ""},      {-1, true, 1, ""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(receiptPictureFile(list, c.theme, c.change, c.serial), c.file)
            << c.theme << " " << c.change << " " << c.serial;
    EXPECT_EQ(receiptPictureFile({}, 0, true, 3), "");
}

} // namespace
} // namespace varnelo
