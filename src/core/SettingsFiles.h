#pragma once

#include "core/Notice.h"
#include "core/ProgramFolder.h"
#include "core/SystemOptions.h"

#include <array>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace varnelo {

// enal/quadri.csv: 120 window positions in twips, a (left, top) pair per window.
class WindowPositions {
  public:
    static constexpr int kEntries = 120;
    // Pairs fixed by the windows themselves; the set-up window owns 29 and 30.
    static constexpr int kSetupWindowLeft = 29;
    // How close to the right and bottom screen edges a stored place may lie.
    static constexpr int kRightMargin = 1500;
    static constexpr int kBottomMargin = 2000;

    int value(int index) const;     // 1..120; 0 outside
    void set(int index, int twips); // negative values become 0

    // Where a window whose pair starts at leftIndex opens: the stored place
    // when it lies well inside the screen, nothing (the designed place) otherwise.
    std::optional<std::pair<int, int>> placement(int leftIndex, int screenWidth,
                                                 int screenHeight) const;
    // A closing window stores its place only when it lies well inside the
    // screen; otherwise the old values stay.
    void remember(int leftIndex, int left, int top, int screenWidth, int screenHeight);

    bool operator==(const WindowPositions&) const = default;

  private:
    std::array<int, kEntries + 1> entries_{};
};

// The printing values kept at shutdown; their meaning belongs to printing.
struct PrintSettings {
    std::array<std::string, 4> printer;      // enal/stampante.csv
    std::array<std::string, 3> couponOutput; // enal/couscit2.txt
    std::array<std::string, 8> couponLayout; // enal/cedolina.txt
    bool operator==(const PrintSettings&) const = default;
};

// Every settings file read at start-up.
struct SettingsFiles {
    WindowPositions windows;
    PrintSettings print;
    ProgramSettings program; // enal/varie.csv
    bool operator==(const SettingsFiles&) const = default;
};

// Start-up: quadri.csv, stampante.csv, couscit2.txt, cedolina.txt, then
// varie.csv. Missing or short files keep their defaults quietly; a file that
// exists but cannot be read (too large, unreadable) gives a notice and keeps
// its defaults too. Never stops the program.
std::vector<Notice> loadSettingsFiles(const ProgramFolder& folder, SettingsFiles& out);

// Shutdown: writes quadri.csv, stampante.csv, couscit2.txt and cedolina.txt.
std::vector<Notice> saveSettingsFiles(const ProgramFolder& folder, const SettingsFiles& s);

// enal/varie.csv alone (the set-up window's "OK").
ProgramSettings loadProgramSettings(const ProgramFolder& folder, std::vector<Notice>& notices);
bool saveProgramSettings(const ProgramFolder& folder, const ProgramSettings& s,
                         std::optional<Notice>& notice);

} // namespace varnelo
