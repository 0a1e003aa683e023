#pragma once

#include "core/DrawLine.h"

#include <string>
#include <vector>

namespace varnelo::test {

// Draws first..first+count-1 (1-based) of a made-up master archive: draw 1
// is the fixed first line (with its three characters after the date), then one draw every two days,
// each with its own numbers, so that a draw is known by its place.
inline std::vector<std::string> masterLines(int first, int count) {
    Draw d;
    std::string why;
    parseDrawLine(kFirstArchiveLine, d, why);
    std::vector<std::string> lines;
    for (int i = 1; i < first + count; ++i) {
        if (i > 1) {
            d.day += 2;
            while (!isValidDate(d.day, d.month, d.year)) {
                d.day -= 28;
                if (++d.month > 12) {
                    d.month = 1;
                    ++d.year;
                }
            }
            d.numbers = {static_cast<std::uint8_t>(1 + i % 37),
                         static_cast<std::uint8_t>(38 + i % 3),
                         static_cast<std::uint8_t>(41 + i % 2), static_cast<std::uint8_t>(44),
                         static_cast<std::uint8_t>(45 + i % 5)};
            d.numeroni = {static_cast<std::uint8_t>(1 + i % 10),
                          static_cast<std::uint8_t>(1 + (i / 10) % 10)};
        }
        if (i >= first)
            lines.push_back(i == 1 ? std::string(kFirstArchiveLine) : d.text());
    }
    return lines;
}

// Lines as the program writes them: CRLF after each one.
inline std::string crlfText(const std::vector<std::string>& lines) {
    std::string text;
    for (const auto& l : lines)
        text += l + "\r\n";
    return text;
}

} // namespace varnelo::test
