#include "core/AtomicWriter.h"
#include "core/TextFile.h"
#include "support/TestFolder.h"

#include <sys/resource.h>

using namespace varnelo;
using namespace varnelo::test;

TEST(AtomicWriter, AFailedWriteLeavesTheOldFileAndNoTemporary) {
    TestFolder t;
    writeFile(t / "enal/varie.csv", "vecchio\r\n");
    rlimit old{};
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &old), 0);
    rlimit small = old;
    small.rlim_cur = 4096;
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
    std::string error;
    const bool ok = writeFileAtomically(t / "enal/varie.csv", std::string(3u << 20, 'x'), error);
    setrlimit(RLIMIT_FSIZE, &old);
    EXPECT_FALSE(ok);
    EXPECT_NE(error.find("Impossibile scrivere il file"), std::string::npos);
    EXPECT_EQ(readFile(t / "enal/varie.csv"), "vecchio\r\n");
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(t / "enal"),
                            std::filesystem::directory_iterator()),
              1);
}

TEST(AtomicWriter, AnUnpublishedWriterChangesNothing) {
    TestFolder t;
    writeFile(t / "qor/a.sse", "A");
    {
        AtomicWriter w(t / "qor/a.sse");
        ASSERT_TRUE(w.open());
        ASSERT_TRUE(w.write("B"));
        ASSERT_TRUE(w.finish());
    }
    EXPECT_EQ(readFile(t / "qor/a.sse"), "A");
    std::string error;
    EXPECT_FALSE(writeFileAtomically(t / "manca/a.sse", "x", error));
    EXPECT_NE(error.find("cartella inesistente"), std::string::npos);
}

TEST(TextFile, LineEndsAndEncodings) {
    EXPECT_EQ(splitLines("a\r\nb\nc"), (std::vector<std::string_view>{"a", "b", "c"}));
    EXPECT_EQ(splitLines("a\r\n\r\n"), (std::vector<std::string_view>{"a", ""}));
    EXPECT_TRUE(splitLines("").empty());
    EXPECT_EQ(decodeText("caff\xe8 \x80"), "caffè €");
    EXPECT_EQ(decodeText("\xEF\xBB\xBF"
                         "caffè"),
              "caffè");
    EXPECT_EQ(decodeText("abc\xC3"), "abcÃ"); // a cut UTF-8 sequence is not UTF-8
}
