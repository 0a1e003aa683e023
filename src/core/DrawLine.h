#pragma once

#include "core/Numbers.h"

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace varnelo {

// One draw of the archive: "05-08-21-37-46060823-03-2012", the five numbers
// joined by "-", the two Numeroni, then the date dd-mm-yyyy.
inline constexpr std::size_t kDrawLineWidth = 28;

struct Draw {
    Column numbers{};
    std::array<std::uint8_t, 2> numeroni{};
    int day = 0;
    int month = 0;
    int year = 0;

    // The 28 characters of the line.
    std::string text() const;
    // "dd-mm-yyyy".
    std::string date() const;
    // The 14-character block of the five numbers.
    std::string numbersText() const;
    // 1 Monday .. 7 Sunday.
    int weekday() const;

    bool operator==(const Draw&) const = default;
};

// Reads positions 1-28 of a line; further characters are ignored. False with
// an Italian reason for a short line, a field that is not a number, numbers
// out of 1..49 or not ascending, a Numerone out of 1..10 or an impossible date.
bool parseDrawLine(std::string_view line, Draw& draw, std::string& reason);

// True for a real calendar date.
bool isValidDate(int day, int month, int year);
// 1 Monday .. 7 Sunday of a valid date.
int weekdayOf(int day, int month, int year);
// The Italian long date "dddd, d mmmm yyyy", e.g. "venerdì, 23 marzo 2012".
std::string italianLongDate(int day, int month, int year);

// The first 31 characters of the first line of every archive of the program.
inline constexpr std::string_view kFirstArchiveLine = "05-08-21-37-46060823-03-2012012";

} // namespace varnelo
