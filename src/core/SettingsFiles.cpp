#include "core/SettingsFiles.h"

#include "core/SettingsLines.h"

#include <algorithm>

namespace varnelo {

namespace {

Notice readNotice(const std::string& error) {
    return Notice{"Impostazioni:", {error, "Si usano i valori predefiniti."}};
}

Notice writeNotice(const std::string& error) {
    return Notice{"Impostazioni:", {"Le impostazioni non sono state salvate:", error}};
}

template <std::size_t N>
void readTexts(const ProgramFolder& folder, const char* name, std::array<std::string, N>& values,
               std::vector<Notice>& notices) {
    const SettingsLines in(folder.path(name), N);
    if (!in.error().empty())
        notices.push_back(readNotice(in.error()));
    for (std::size_t i = 0; i < N; ++i)
        values[i] = in.text(i, values[i]);
}

template <std::size_t N>
void writeTexts(const ProgramFolder& folder, const char* name,
                const std::array<std::string, N>& values, std::vector<Notice>& notices) {
    std::string error;
    if (!writeSettingsLines(folder.path(name),
                            std::vector<std::string>(values.begin(), values.end()), error))
        notices.push_back(writeNotice(error));
}

constexpr std::size_t kProgramSettingsLines = 13;

} // namespace

int WindowPositions::value(int index) const {
    return index >= 1 && index <= kEntries ? entries_[static_cast<std::size_t>(index)] : 0;
}

void WindowPositions::set(int index, int twips) {
    if (index >= 1 && index <= kEntries)
        entries_[static_cast<std::size_t>(index)] = std::max(0, twips);
}

std::optional<std::pair<int, int>> WindowPositions::placement(int leftIndex, int screenWidth,
                                                              int screenHeight) const {
    const int left = value(leftIndex);
    const int top = value(leftIndex + 1);
    if (left < screenWidth - kRightMargin && top < screenHeight - kBottomMargin)
        return std::make_pair(left, top);
    return std::nullopt;
}

void WindowPositions::remember(int leftIndex, int left, int top, int screenWidth,
                               int screenHeight) {
    if (screenWidth - left > kRightMargin && screenHeight - top > kBottomMargin) {
        set(leftIndex, left);
        set(leftIndex + 1, top);
    }
}

ProgramSettings loadProgramSettings(const ProgramFolder& folder, std::vector<Notice>& notices) {
    ProgramSettings s;
    const SettingsLines in(folder.path("enal/varie.csv"), kProgramSettingsLines);
    if (!in.error().empty())
        notices.push_back(readNotice(in.error()));
    s.columnPrice = in.decimal(0, s.columnPrice);
    // A price of 0 (or a negative one) is taken as the default price.
    if (s.columnPrice <= 0)
        s.columnPrice = ProgramSettings{}.columnPrice;
    s.displayOptions = static_cast<int>(in.integer(1, s.displayOptions, 0, 3));
    s.saveColumns = in.flag(2, s.saveColumns);
    s.endWarning = in.flag(3, s.endWarning);
    s.warningSound = static_cast<int>(in.integer(4, s.warningSound, 0, 1));
    s.contestNumber = static_cast<int>(in.clamped(5, s.contestNumber, 1, 500));
    s.shuffle = in.flag(6, s.shuffle);
    s.recalcFlag1 = static_cast<int>(in.integer(7, s.recalcFlag1, 0, 255));
    s.recalcFlag2 = static_cast<int>(in.integer(8, s.recalcFlag2, 0, 255));
    s.unusedLine = in.text(9, s.unusedLine);
    s.slipLayout = in.text(10, s.slipLayout);
    s.slipFormat = static_cast<int>(in.integer(11, s.slipFormat, -32768, 32767));
    s.printOption = static_cast<int>(in.integer(12, s.printOption, -32768, 32767));
    return s;
}

bool saveProgramSettings(const ProgramFolder& folder, const ProgramSettings& s,
                         std::optional<Notice>& notice) {
    const std::vector<std::string> lines = {decimalText(s.columnPrice, 2),
                                            std::to_string(s.displayOptions),
                                            flagText(s.saveColumns),
                                            flagText(s.endWarning),
                                            std::to_string(s.warningSound),
                                            std::to_string(s.contestNumber),
                                            flagText(s.shuffle),
                                            std::to_string(s.recalcFlag1),
                                            std::to_string(s.recalcFlag2),
                                            s.unusedLine,
                                            s.slipLayout,
                                            std::to_string(s.slipFormat),
                                            std::to_string(s.printOption)};
    std::string error;
    if (writeSettingsLines(folder.path("enal/varie.csv"), lines, error))
        return true;
    notice = writeNotice(error);
    return false;
}

std::vector<Notice> loadSettingsFiles(const ProgramFolder& folder, SettingsFiles& out) {
    std::vector<Notice> notices;
    SettingsFiles s;
    {
        const SettingsLines in(folder.path("enal/quadri.csv"), WindowPositions::kEntries);
        if (!in.error().empty())
            notices.push_back(readNotice(in.error()));
        for (int i = 1; i <= WindowPositions::kEntries; ++i)
            s.windows.set(
                i, static_cast<int>(in.clamped(static_cast<std::size_t>(i - 1), 0, 0, 1000000000)));
    }
    readTexts(folder, "enal/stampante.csv", s.print.printer, notices);
    readTexts(folder, "enal/couscit2.txt", s.print.couponOutput, notices);
    readTexts(folder, "enal/cedolina.txt", s.print.couponLayout, notices);
    s.program = loadProgramSettings(folder, notices);
    out = std::move(s);
    return notices;
}

std::vector<Notice> saveSettingsFiles(const ProgramFolder& folder, const SettingsFiles& s) {
    std::vector<Notice> notices;
    std::vector<std::string> lines;
    for (int i = 1; i <= WindowPositions::kEntries; ++i)
        lines.push_back(std::to_string(s.windows.value(i)));
    std::string error;
    if (!writeSettingsLines(folder.path("enal/quadri.csv"), lines, error))
        notices.push_back(writeNotice(error));
    writeTexts(folder, "enal/stampante.csv", s.print.printer, notices);
    writeTexts(folder, "enal/couscit2.txt", s.print.couponOutput, notices);
    // One file whatever the case of its name: an existing "Cedolina.txt" is
    // rewritten in place, never doubled by a second "cedolina.txt".
    writeTexts(folder, "enal/cedolina.txt", s.print.couponLayout, notices);
    return notices;
}

} // namespace varnelo
