#include "printing/PrintFiles.h"

#include "core/AtomicWriter.h"
#include "core/TextFile.h"

#include <span>
#include <vector>

namespace varnelo {

namespace {

constexpr const char* kSlipFile = "enal/variestampa.txt";
constexpr const char* kCalibrationFile = "enal/generic.txt";
constexpr const char* kSizeFile = "andor/caratt.txt";

// The two lines of a settings file, split at tabs (or blanks) into integers.
// Nothing for a missing file; a notice for one that is unreadable or garbled.
std::optional<std::array<std::vector<long long>, 2>>
readTwoLines(const ProgramFolder& folder, const char* name, std::optional<Notice>& notice) {
    const auto path = folder.path(name);
    std::error_code ec;
    if (!std::filesystem::exists(path, ec))
        return std::nullopt;
    std::string text, error;
    auto bad = [&](const std::string& why) {
        notice = Notice{"File manomesso o inesistente:",
                        {std::string("Impostazioni di stampa non lette: ") + name, why}};
        return std::nullopt;
    };
    if (!readTextFile(path, 16 * 1024, text, error))
        return bad(error);
    const auto lines = splitLines(text);
    if (lines.size() < 2)
        return bad("Il file ha meno di due righe.");
    std::array<std::vector<long long>, 2> out;
    for (std::size_t i = 0; i < 2; ++i) {
        std::string_view rest = lines[i];
        while (!trimBlanks(rest).empty()) {
            rest = trimBlanks(rest);
            const std::size_t end = rest.find_first_of(" \t");
            long long v = 0;
            if (!parseIntegerText(rest.substr(0, end), v))
                return bad("Valore non valido alla riga " + std::to_string(i + 1) + ".");
            out[i].push_back(v);
            rest = end == std::string_view::npos ? std::string_view() : rest.substr(end);
        }
    }
    return out;
}

std::string tabbed(std::span<const long long> values) {
    std::string s;
    for (std::size_t i = 0; i < values.size(); ++i)
        s += (i ? "\t" : "") + std::to_string(values[i]);
    return s;
}

bool inRange(long long v, long long lo, long long hi) {
    return v >= lo && v <= hi;
}

} // namespace

SlipPrintSettings readSlipPrintSettings(const ProgramFolder& folder,
                                        std::optional<Notice>& notice) {
    SlipPrintSettings s;
    const auto lines = readTwoLines(folder, kSlipFile, notice);
    if (!lines)
        return s;
    const auto& a = (*lines)[0];
    const auto& b = (*lines)[1];
    if (a.size() != 4 || b.size() != 20 || !inRange(a[0], 1, 5) || !inRange(a[1], 1, 3) ||
        !inRange(a[2], 0, 2) || !inRange(a[3], 1, 12)) {
        notice = Notice{"File manomesso o inesistente:",
                        {std::string("Impostazioni di stampa non lette: ") + kSlipFile}};
        return s;
    }
    s.perSlip = static_cast<int>(a[0]);
    s.mode = static_cast<MarkMode>(a[1]);
    s.receipt = static_cast<ReceiptChoice>(a[2]);
    s.subscriptionDraws = static_cast<int>(a[3]);
    for (std::size_t i = 0; i < s.receiptColours.size(); ++i)
        s.receiptColours[i] = static_cast<std::uint32_t>(b[i] & 0xFFFFFF);
    s.theme = static_cast<int>(std::max(0LL, b[11]));
    s.changePicture = b[12] != 0;
    for (std::size_t i = 0; i < s.kept.size(); ++i)
        s.kept[i] = b[13 + i];
    return s;
}

bool writeSlipPrintSettings(const ProgramFolder& folder, const SlipPrintSettings& s,
                            std::string& error) {
    const std::vector<long long> first = {s.perSlip, static_cast<long long>(s.mode),
                                          static_cast<long long>(s.receipt), s.subscriptionDraws};
    std::vector<long long> second(s.receiptColours.begin(), s.receiptColours.end());
    second.push_back(s.theme);
    second.push_back(s.changePicture ? 1 : 0);
    second.insert(second.end(), s.kept.begin(), s.kept.end());
    return writeFileAtomically(folder.path(kSlipFile), joinLines({tabbed(first), tabbed(second)}),
                               error);
}

CalibrationSettings readCalibration(const ProgramFolder& folder, std::optional<Notice>& notice) {
    CalibrationSettings s;
    const auto lines = readTwoLines(folder, kCalibrationFile, notice);
    if (!lines)
        return s;
    const auto& a = (*lines)[0];
    const auto& b = (*lines)[1];
    if (a.size() != 9 || b.size() != 20 || !inRange(a[0], 0, 1) || !inRange(a[1], -2000, 2000) ||
        !inRange(a[2], -2000, 2000) || !inRange(a[4], 0, 2)) {
        notice = Notice{"File manomesso o inesistente:",
                        {std::string("Impostazioni di stampa non lette: ") + kCalibrationFile}};
        return s;
    }
    s.shift = {static_cast<SlipEntry>(a[0]), static_cast<int>(a[1]), static_cast<int>(a[2])};
    s.marker = static_cast<int>(a[3]);
    s.ink = static_cast<TestInk>(a[4]);
    // The mark size is fixed by the slip; its two fields are written for the record.
    s.kept = {a[7], a[8]};
    std::copy(b.begin(), b.end(), s.keptLine.begin());
    return s;
}

bool writeCalibration(const ProgramFolder& folder, const CalibrationSettings& s,
                      std::string& error) {
    const std::vector<long long> first = {static_cast<long long>(s.shift.entry),
                                          s.shift.dx,
                                          s.shift.dy,
                                          s.marker,
                                          static_cast<long long>(s.ink),
                                          SlipGeometry::markWidth,
                                          SlipGeometry::markHeight,
                                          s.kept[0],
                                          s.kept[1]};
    return writeFileAtomically(folder.path(kCalibrationFile),
                               joinLines({tabbed(first), tabbed(s.keptLine)}), error);
}

ListingSize readListingSize(const ProgramFolder& folder) {
    std::string text, error;
    if (!readTextFile(folder.path(kSizeFile), 1024, text, error))
        return ListingSize::Normal;
    const auto lines = splitLines(text);
    long long v = 1;
    if (lines.empty() || !parseIntegerText(lines[0], v))
        return ListingSize::Normal;
    if (v == 0 || v == 9)
        return ListingSize::Small;
    if (v == 2 || v == 14)
        return ListingSize::Large;
    return ListingSize::Normal;
}

bool writeListingSize(const ProgramFolder& folder, ListingSize size, std::string& error) {
    return writeFileAtomically(folder.path(kSizeFile),
                               joinLines({std::to_string(static_cast<int>(size))}), error);
}

PrinterChoice printerChoice(const std::array<std::string, 4>& values) {
    PrinterChoice c;
    c.slips = values[0];
    c.receipts = values[1];
    long long copies = 0;
    if (parseIntegerText(trimBlanks(values[2]), copies) && inRange(copies, 1, 5))
        c.receiptCopies = static_cast<int>(copies);
    c.confirm = trimBlanks(values[3]) != "0";
    return c;
}

std::array<std::string, 4> printerValues(const PrinterChoice& choice) {
    return {choice.slips, choice.receipts, std::to_string(choice.receiptCopies),
            choice.confirm ? "1" : "0"};
}

} // namespace varnelo
