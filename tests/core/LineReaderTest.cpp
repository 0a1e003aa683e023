#include "core/LineReader.h"
#include "support/TestFolder.h"

#include <fstream>

using namespace varnelo;
using namespace varnelo::test;

namespace {

std::vector<std::string> readAll(LineReader& in) {
    std::vector<std::string> lines;
    std::string_view line;
    while (in.next(line))
        lines.emplace_back(line);
    return lines;
}

// Lines of growing lengths, so that line ends fall anywhere in a buffer.
std::vector<std::string> madeLines(std::size_t bytes) {
    std::vector<std::string> lines;
    std::size_t total = 0;
    for (int i = 0; total < bytes; ++i) {
        lines.push_back(
            std::string(static_cast<std::size_t>(i % 997), static_cast<char>('a' + i % 26)));
        total += lines.back().size() + 2;
    }
    return lines;
}

std::string crlf(const std::vector<std::string>& lines) {
    std::string text;
    for (const auto& l : lines)
        text += l + "\r\n";
    return text;
}

} // namespace

TEST(LineReader, ReadsEveryLineWhateverTheFileSize) {
    // Around the smallest buffer, and past the largest one so that it refills.
    for (std::size_t bytes : {std::size_t{10}, std::size_t{65530}, std::size_t{65536 + 7},
                              std::size_t{300000}, std::size_t{(4u << 20) + 5000}}) {
        SCOPED_TRACE(bytes);
        TestFolder t({}, std::to_string(bytes));
        const auto lines = madeLines(bytes);
        writeFile(t / "f.txt", crlf(lines));
        LineReader in(t / "f.txt");
        EXPECT_EQ(readAll(in), lines);
        EXPECT_FALSE(in.failed());
    }
}

TEST(LineReader, AFileThatGrowsWhileReadIsReadToItsNewEnd) {
    TestFolder t({});
    const auto first = madeLines(100);
    const auto more = madeLines(200000);
    writeFile(t / "f.txt", crlf(first));
    LineReader in(t / "f.txt");
    std::ofstream(t / "f.txt", std::ios::binary | std::ios::app) << crlf(more);
    auto all = first;
    all.insert(all.end(), more.begin(), more.end());
    EXPECT_EQ(readAll(in), all);
}

TEST(LineReader, AnEndlessLineIsCutAndTheNextLineStillComes) {
    TestFolder t({});
    writeFile(t / "f.txt", std::string(200000, 'x') + "\nfine\n");
    LineReader in(t / "f.txt", 4096);
    EXPECT_EQ(readAll(in), (std::vector<std::string>{std::string(4096, 'x'), "fine"}));
}
