#pragma once

#include "core/Notice.h"
#include "core/ProgramFolder.h"
#include "printing/Listing.h"
#include "printing/SlipPages.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string>

namespace varnelo {

// "Solo Schedine", "Con Cedolina", "Con Disegno".
enum class ReceiptChoice { None = 0, Plain = 1, Picture = 2 };
// "Tutti", "Metta", "Pochi": how many boxes the test slip marks.
enum class TestInk { All = 0, Half = 1, Few = 2 };

// enal/variestampa.txt: "perSlip<TAB>mode<TAB>receipt<TAB>draws", then 20
// values: the eleven receipt colours (0xRRGGBB), the picture theme, the
// picture rule (0 always the same, 1 a new one each time) and seven kept as read.
struct SlipPrintSettings {
    int perSlip = 5; // "N° colonne per schedina" 1..5
    MarkMode mode = MarkMode::Black;
    ReceiptChoice receipt = ReceiptChoice::None;
    int subscriptionDraws = 1; // "Abbonamento:" 1..12
    std::array<std::uint32_t, 11> receiptColours{0x0000C0, 0x000000, 0x000000, 0x808080,
                                                 0x000000, 0xC00000, 0x000000, 0x000000,
                                                 0x006000, 0x000000, 0x000000};
    int theme = 0;
    bool changePicture = false;
    std::array<long long, 7> kept{};
    bool operator==(const SlipPrintSettings&) const = default;
};

// enal/generic.txt: nine tab-separated values "entry, dx, dy, marker, ink,
// mark width, mark height, two kept", then 20 kept as read.
struct CalibrationSettings {
    SlipShift shift;
    int marker = 0; // "Marcatore:" button last used
    TestInk ink = TestInk::All;
    std::array<long long, 2> kept{};
    std::array<long long, 20> keptLine{};
    bool operator==(const CalibrationSettings&) const = default;
};

// Missing files keep the defaults quietly; a bad file keeps them with a notice.
SlipPrintSettings readSlipPrintSettings(const ProgramFolder& folder, std::optional<Notice>& notice);
bool writeSlipPrintSettings(const ProgramFolder& folder, const SlipPrintSettings& s,
                            std::string& error);
CalibrationSettings readCalibration(const ProgramFolder& folder, std::optional<Notice>& notice);
bool writeCalibration(const ProgramFolder& folder, const CalibrationSettings& s,
                      std::string& error);

// enal/stampante.csv, a value a line: the printer of the slips and the one
// of the receipts (empty: the system's default printer), the copies of a
// receipt (1..5) and "1" to confirm before the slips print.
struct PrinterChoice {
    std::string slips;
    std::string receipts;
    int receiptCopies = 1;
    bool confirm = true;
    bool operator==(const PrinterChoice&) const = default;
};
// Values out of range keep their defaults.
PrinterChoice printerChoice(const std::array<std::string, 4>& values);
std::array<std::string, 4> printerValues(const PrinterChoice& choice);

// andor/caratt.txt: 0, 1 or 2; a font size 9 reads as 0, 14 as 2, any other as 1.
ListingSize readListingSize(const ProgramFolder& folder);
bool writeListingSize(const ProgramFolder& folder, ListingSize size, std::string& error);

} // namespace varnelo
