#include "core/BackgroundPicture.h"
#include "support/TestFolder.h"

#include <gtest/gtest.h>

using namespace varnelo;
using namespace varnelo::test;

TEST(BackgroundPicture, ReadsTheFirstLineOrNothing) {
    const struct {
        const char* content; // nullptr: no file
        const char* path;
    } cases[] = {
        {nullptr, ""},
        {"", ""},
        {"/home/gino/foto/mare.jpg\r\n", "/home/gino/foto/mare.jpg"},
        {"  /tmp/a b.png  \nsecond line\n", "/tmp/a b.png"},
        {"C:\\Immagini\\sfondo.bmp", "C:\\Immagini\\sfondo.bmp"},
    };
    for (const auto& c : cases) {
        TestFolder dir;
        if (c.content)
            writeFile(dir / "enal/foto.txt", c.content);
        EXPECT_EQ(loadBackgroundPath(dir.folder()), c.path) << (c.content ? c.content : "none");
    }
}

TEST(BackgroundPicture, SavingReplacesOrEmptiesTheFile) {
    TestFolder dir;
    std::string error;
    ASSERT_TRUE(saveBackgroundPath(dir.folder(), "/tmp/è qui.jpg", error)) << error;
    EXPECT_EQ(readFile(dir / "enal/foto.txt"), "/tmp/è qui.jpg\r\n");
    EXPECT_EQ(loadBackgroundPath(dir.folder()), "/tmp/è qui.jpg");
    ASSERT_TRUE(saveBackgroundPath(dir.folder(), "", error)) << error;
    EXPECT_EQ(readFile(dir / "enal/foto.txt"), "");
    EXPECT_EQ(loadBackgroundPath(dir.folder()), "");
}

TEST(BackgroundPicture, AFolderThatCannotBeWrittenSaysSo) {
    TestFolder dir(TestFolder::Bare{}); // no enal/
    std::string error;
    EXPECT_FALSE(saveBackgroundPath(dir.folder(), "/tmp/x.jpg", error));
    EXPECT_FALSE(error.empty());
    EXPECT_EQ(loadBackgroundPath(dir.folder()), "");
}
