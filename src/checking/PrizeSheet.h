#pragma once

#include "core/Notice.h"
#include "core/ProgramFolder.h"

#include <array>
#include <optional>
#include <string>
#include <string_view>

namespace varnelo {

inline constexpr int kPrizeRows = 5;
// The prize rows of the sheet, top to bottom, as they are printed.
inline constexpr std::array<std::string_view, kPrizeRows> kPrizeRowLabels = {"5+2 ", "5+1 ", "5   ",
                                                                             "4+2 ", "4+1 "};
// What the point of sale is; the first line of its address opens with it.
inline constexpr std::array<std::string_view, 4> kShopKinds = {
    "Ricevitoria di:", "Bar di:", "Tabacchi di:", "Edicola di:"};

// The sheet of the wins realised at a point of sale, shown to its customers.
struct PrizeSheet {
    int shopKind = 0; // index of kShopKinds
    std::string shopName;
    std::string street;
    std::string telephone;
    std::string date;
    std::array<std::string, kPrizeRows> wins;    // how many wins per row
    std::array<std::string, kPrizeRows> amounts; // the amount won per row

    bool operator==(const PrizeSheet&) const = default;
};

// enal/montepremi.txt: fourteen quoted texts, one a line (docs/verifica-vincite.md).
std::filesystem::path prizeSheetFile(const ProgramFolder& folder);

// Reads the sheet. A missing file gives an empty sheet and no notice; a file
// that is not a prize sheet gives a notice and leaves `sheet` as it was.
std::optional<Notice> readPrizeSheet(const ProgramFolder& folder, PrizeSheet& sheet);

// Writes the sheet over the file through a temporary file; false with an
// Italian message when it cannot.
bool writePrizeSheet(const ProgramFolder& folder, const PrizeSheet& sheet, std::string& error);

// The file's text and its reading, apart from the disk.
std::string prizeSheetText(const PrizeSheet& sheet);
std::optional<std::string> parsePrizeSheet(std::string_view text, PrizeSheet& sheet);

// The printed lines of the sheet: the heading, the date line, the address
// lines, then one line per prize row.
struct PrizeSheetLines {
    std::string heading;
    std::string date;
    std::array<std::string, 3> address;
    std::array<std::string, kPrizeRows> label;
    std::array<std::string, kPrizeRows> wins;
    std::array<std::string, kPrizeRows> amount; // followed by four blanks and "€."
};
PrizeSheetLines prizeSheetLines(const PrizeSheet& sheet);

} // namespace varnelo
