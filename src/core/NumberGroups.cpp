#include "core/NumberGroups.h"

#include "core/Numbers.h"

#include <algorithm>
#include <cstdlib>
#include <functional>
#include <initializer_list>

namespace varnelo {

namespace {

using Members = std::function<bool(int)>;

NumberGroupFamily family(const std::string& name, int first, int last,
                         const std::function<std::vector<int>(int)>& numbersOf) {
    NumberGroupFamily f{name, {}};
    for (int k = first; k <= last; ++k) {
        std::vector<int> numbers = numbersOf(k);
        std::sort(numbers.begin(), numbers.end());
        numbers.erase(std::unique(numbers.begin(), numbers.end()), numbers.end());
        f.groups.push_back({name + " " + std::to_string(k), std::move(numbers)});
    }
    return f;
}

std::vector<int> numbersWhere(const Members& member) {
    std::vector<int> out;
    for (int n = 1; n <= kMaxNumber; ++n)
        if (member(n))
            out.push_back(n);
    return out;
}

// Groups laid out from a start along fixed offsets; past 49 they go on from 1.
std::vector<int> around(int start, std::initializer_list<int> offsets) {
    std::vector<int> out;
    for (const int o : offsets)
        out.push_back((start + o - 1) % kMaxNumber + 1);
    return out;
}

bool hasDigit(int n, int d) {
    return n % 10 == d || (n >= 10 && n / 10 == d);
}

std::vector<int> fiveOf(int k, int firstNumber) {
    std::vector<int> out;
    for (int n = firstNumber + 10 * (k - 1); n < firstNumber + 10 * k && n <= kMaxNumber; n += 2)
        out.push_back(n);
    return out;
}

std::vector<NumberGroupFamily> makeFamilies() {
    return {
        family("Cadenze", 0, 9,
               [](int d) { return numbersWhere([d](int n) { return n % 10 == d; }); }),
        family("CifraPura", 1, 9,
               [](int d) { return numbersWhere([d](int n) { return hasDigit(n, d); }); }),
        // The digit beside another one: d itself and the twin dd are left out.
        family("CifraImpura", 1, 9,
               [](int d) {
                   return numbersWhere(
                       [d](int n) { return hasDigit(n, d) && n != d && n != 11 * d; });
               }),
        family("Cinquine di numeri pari", 1, 5, [](int k) { return fiveOf(k, 2); }),
        family("Cinquine di numeri dispari", 1, 5, [](int k) { return fiveOf(k, 1); }),
        // The offsets are the first five pentagonal numbers.
        family("Cinquine pentagonali", 1, 18,
               [](int k) {
                   return around(k, {0, 1, 5, 12, 22});
               }),
        family(
            "Controfigure", 1, 10,
            [](int k) { return numbersWhere([k](int n) { return n >= k && (n - k) % 11 == 0; }); }),
        family("Decine cabalistiche", 1, 5,
               [](int k) { return numbersWhere([k](int n) { return n / 10 == k - 1; }); }),
        family("Decine naturali", 1, 5,
               [](int k) { return numbersWhere([k](int n) { return (n - 1) / 10 == k - 1; }); }),
        family("Figure", 1, 9,
               [](int f) { return numbersWhere([f](int n) { return (n - 1) % 9 + 1 == f; }); }),
        // Tens and units k - 1 apart: Gemelli 1 are 11 22 33 44.
        family("Gemelli", 1, 4,
               [](int k) {
                   return numbersWhere([k](int n) { return std::abs(n / 10 - n % 10) == k - 1; });
               }),
        // The offsets are the first eight triangular numbers.
        family("Ottine Radicali", 1, 22,
               [](int k) {
                   return around(k, {0, 1, 3, 6, 10, 15, 21, 28});
               }),
        // The Renard series R5 (1 1.6 2.5 4 6.3 10) times four, moved by k - 7.
        family("Sestine di Renard", 7, 28,
               [](int k) {
                   return around(k - 7, {4, 6, 10, 16, 25, 40});
               }),
        // The squares of two by two numbers of the board, rows of ten.
        family("Quartine di cifra zerata", 1, 28,
               [](int k) {
                   const int n = 10 * ((k - 1) / 7) + (k - 1) % 7 + 1;
                   return std::vector<int>{n, n + 1, n + 10, n + 11};
               }),
        // The two-digit numbers that end with k.
        family("Quartine di cifra composta", 1, 9,
               [](int k) {
                   return std::vector<int>{10 + k, 20 + k, 30 + k, 40 + k};
               }),
    };
}

} // namespace

const std::vector<NumberGroupFamily>& numberGroupFamilies() {
    static const std::vector<NumberGroupFamily> families = makeFamilies();
    return families;
}

std::string numberGroupText(const std::vector<int>& numbers) {
    std::string out;
    for (const int n : numbers) {
        if (!out.empty())
            out += ' ';
        std::string field = std::to_string(n);
        field.resize(2, ' ');
        out += field;
    }
    while (!out.empty() && out.back() == ' ')
        out.pop_back();
    return out;
}

} // namespace varnelo
