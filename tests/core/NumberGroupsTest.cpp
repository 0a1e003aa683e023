#include "core/NumberGroups.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <set>

using namespace varnelo;

namespace {

const NumberGroup* findGroup(const std::string& name) {
    for (const NumberGroupFamily& f : numberGroupFamilies())
        for (const NumberGroup& g : f.groups)
            if (g.name == name)
                return &g;
    return nullptr;
}

} // namespace

// The names the picker offers, with how many groups each family holds.
TEST(NumberGroups, FamiliesAndTheirGroups) {
    const std::map<std::string, std::pair<int, int>> expected = {
        {"Cadenze", {0, 9}},
        {"CifraPura", {1, 9}},
        {"CifraImpura", {1, 9}},
        {"Cinquine di numeri pari", {1, 5}},
        {"Cinquine di numeri dispari", {1, 5}},
        {"Cinquine pentagonali", {1, 18}},
        {"Controfigure", {1, 10}},
        {"Decine cabalistiche", {1, 5}},
        {"Decine naturali", {1, 5}},
        {"Figure", {1, 9}},
        {"Gemelli", {1, 4}},
        {"Ottine Radicali", {1, 22}},
        {"Sestine di Renard", {7, 28}},
        {"Quartine di cifra zerata", {1, 28}},
        {"Quartine di cifra composta", {1, 9}},
    };
    ASSERT_EQ(numberGroupFamilies().size(), expected.size());
    for (const NumberGroupFamily& f : numberGroupFamilies()) {
        ASSERT_TRUE(expected.contains(f.name)) << f.name;
        const auto [first, last] = expected.at(f.name);
        ASSERT_EQ(static_cast<int>(f.groups.size()), last - first + 1) << f.name;
        EXPECT_EQ(f.groups.front().name, f.name + " " + std::to_string(first));
        EXPECT_EQ(f.groups.back().name, f.name + " " + std::to_string(last));
    }
}

// Every group is a set of board numbers, ascending, never empty; the sized
// families hold their size.
TEST(NumberGroups, GroupsAreAscendingBoardNumbers) {
    const std::map<std::string, std::size_t> sizes = {{"Cinquine pentagonali", 5},
                                                      {"Ottine Radicali", 8},
                                                      {"Sestine di Renard", 6},
                                                      {"Quartine di cifra zerata", 4},
                                                      {"Quartine di cifra composta", 4}};
    for (const NumberGroupFamily& f : numberGroupFamilies())
        for (const NumberGroup& g : f.groups) {
            ASSERT_FALSE(g.numbers.empty()) << g.name;
            EXPECT_GE(g.numbers.front(), 1) << g.name;
            EXPECT_LE(g.numbers.back(), 49) << g.name;
            EXPECT_TRUE(std::set<int>(g.numbers.begin(), g.numbers.end()).size() ==
                            g.numbers.size() &&
                        std::is_sorted(g.numbers.begin(), g.numbers.end()))
                << g.name;
            if (sizes.contains(f.name)) {
                EXPECT_EQ(g.numbers.size(), sizes.at(f.name)) << g.name;
            }
        }
}

// Families that split the board cover each number exactly once.
TEST(NumberGroups, PartitionsCoverTheBoardOnce) {
    for (const char* name : {"Cadenze", "Figure", "Decine cabalistiche", "Decine naturali"}) {
        std::map<int, int> seen;
        for (const NumberGroupFamily& f : numberGroupFamilies())
            if (f.name == name)
                for (const NumberGroup& g : f.groups)
                    for (const int n : g.numbers)
                        ++seen[n];
        EXPECT_EQ(seen.size(), 49u) << name;
        for (const auto& [n, times] : seen)
            EXPECT_EQ(times, 1) << name << " " << n;
    }
}

TEST(NumberGroups, KnownGroups) {
    const std::map<std::string, std::vector<int>> cases = {
        {"Cadenze 0", {10, 20, 30, 40}},
        {"Cadenze 1", {1, 11, 21, 31, 41}},
        {"CifraPura 4", {4, 14, 24, 34, 40, 41, 42, 43, 44, 45, 46, 47, 48, 49}},
        {"CifraImpura 4", {14, 24, 34, 40, 41, 42, 43, 45, 46, 47, 48, 49}},
        {"CifraImpura 7", {17, 27, 37, 47}},
        {"Cinquine di numeri pari 5", {42, 44, 46, 48}},
        {"Cinquine di numeri dispari 1", {1, 3, 5, 7, 9}},
        {"Cinquine pentagonali 1", {1, 2, 6, 13, 23}},
        {"Controfigure 1", {1, 12, 23, 34, 45}},
        {"Controfigure 10", {10, 21, 32, 43}},
        {"Decine cabalistiche 1", {1, 2, 3, 4, 5, 6, 7, 8, 9}},
        {"Decine naturali 1", {1, 2, 3, 4, 5, 6, 7, 8, 9, 10}},
        {"Decine naturali 5", {41, 42, 43, 44, 45, 46, 47, 48, 49}},
        {"Figure 1", {1, 10, 19, 28, 37, 46}},
        {"Gemelli 1", {11, 22, 33, 44}},
        {"Gemelli 2", {1, 10, 12, 21, 23, 32, 34, 43, 45}},
        {"Ottine Radicali 22", {1, 22, 23, 25, 28, 32, 37, 43}},
        {"Sestine di Renard 7", {4, 6, 10, 16, 25, 40}},
        {"Sestine di Renard 28", {12, 25, 27, 31, 37, 46}},
        {"Quartine di cifra zerata 1", {1, 2, 11, 12}},
        {"Quartine di cifra zerata 28", {37, 38, 47, 48}},
        {"Quartine di cifra composta 9", {19, 29, 39, 49}},
    };
    for (const auto& [name, numbers] : cases) {
        const NumberGroup* g = findGroup(name);
        ASSERT_TRUE(g) << name;
        EXPECT_EQ(g->numbers, numbers) << name;
    }
}

TEST(NumberGroups, TextOfTwoCharacterFields) {
    EXPECT_EQ(numberGroupText({1, 11, 21, 31, 41}), "1  11 21 31 41");
    EXPECT_EQ(numberGroupText({10, 20, 3}), "10 20 3");
    EXPECT_EQ(numberGroupText({}), "");
}
