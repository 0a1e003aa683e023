#pragma once

#include "core/DrawLine.h"
#include "core/ProgramFolder.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <initializer_list>
#include <sstream>
#include <string>
#include <unistd.h>
#include <vector>

namespace varnelo::test {

// A folder of its own for every test, named after the test, the tag and the
// process (test runs go side by side), with the given subfolders; removed at
// the end. The tag keeps apart two folders of the same test.
struct TestFolder {
    std::filesystem::path root;
    explicit TestFolder(std::initializer_list<const char*> subfolders = {"enal", "qor"},
                        const std::string& tag = {}) {
        const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
        std::string name = std::string(info->test_suite_name()) + "-" + info->name();
        for (char& c : name)
            if (c == '/')
                c = '-';
        if (!tag.empty())
            name += "-" + tag;
        root = std::filesystem::temp_directory_path() /
               ("varnelo-" + name + "-" + std::to_string(::getpid()));
        std::filesystem::remove_all(root);
        std::filesystem::create_directories(root);
        for (const char* sub : subfolders)
            std::filesystem::create_directories(root / sub);
    }
    // A folder with nothing in it.
    struct Bare {};
    explicit TestFolder(Bare, const std::string& tag = {})
        : TestFolder(std::initializer_list<const char*>{}, tag) {}
    TestFolder(const TestFolder&) = delete;
    TestFolder& operator=(const TestFolder&) = delete;
    ~TestFolder() {
        std::error_code ec;
        std::filesystem::remove_all(root, ec);
    }
    ProgramFolder folder() const { return ProgramFolder(root); }
    std::filesystem::path operator/(const std::string& rel) const { return root / rel; }
};

inline void writeFile(const std::filesystem::path& p, const std::string& bytes) {
    std::filesystem::create_directories(p.parent_path());
    std::ofstream(p, std::ios::binary) << bytes;
}

inline std::string readFile(const std::filesystem::path& p) {
    std::ifstream in(p, std::ios::binary);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
}

inline std::vector<std::string> fileLines(const std::filesystem::path& p) {
    std::vector<std::string> out;
    std::ifstream in(p, std::ios::binary);
    for (std::string line; std::getline(in, line);) {
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        out.push_back(line);
    }
    return out;
}

// A valid draw line: the numbers, Numeroni 1 and 2, and the date.
inline std::string drawLine(std::vector<int> n, int day, int month, int year, int e1 = 1,
                            int e2 = 2) {
    Draw d;
    for (std::size_t i = 0; i < 5; ++i)
        d.numbers[i] = static_cast<std::uint8_t>(n[i]);
    d.numeroni = {static_cast<std::uint8_t>(e1), static_cast<std::uint8_t>(e2)};
    d.day = day;
    d.month = month;
    d.year = year;
    return d.text();
}

} // namespace varnelo::test
