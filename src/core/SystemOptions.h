#pragma once

#include "core/Numbers.h"

#include <string>

namespace varnelo {

// Development kind code of columns imported from text.
inline constexpr int kImportedKindCode = 5;

// The development options of the current system (set-up window), saved
// with the system.
struct SystemOptions {
    // "  Integrale" = 1, " Garanzia 4" .. " Garanzia 1" = 2..5.
    int developmentLevel = 1;
    // Development kind code: 1..4 the points of the orthogonal guarantee,
    // 5 columns imported from text, 20 + d a minimum difference d between columns.
    int kindCode = 0;
    // Orthogonal guarantee kind 1..9 (0: no orthogonal development).
    int guaranteeKind = 0;
    double coverage = kDefaultCoverage; // percentage, one decimal
    // Further set-up options kept in header fields 2, 4 and 11 and in line 5
    // of the settings file; carried through a save unchanged.
    int headerOption2 = 0;
    int headerOption4 = 0;
    int headerOption11 = 0;
    int optionFlag = 0; // one byte
    // Shown by the open window; "Sistema Colonnare" for a columns-only system.
    std::string description;

    bool differenceOn() const { return kindCode >= 21 && kindCode <= 25; }
    bool orthogonalOn() const { return guaranteeKind >= 1 && guaranteeKind <= 9; }
    // Imported columns fix the forecast: their numbers are the system's numbers.
    bool imported() const { return kindCode == kImportedKindCode; }
    int difference() const { return differenceOn() ? kindCode - 20 : 0; }
    bool operator==(const SystemOptions&) const = default;
};

// Program-wide options of enal/varie.csv, in the order of the file.
struct ProgramSettings {
    double columnPrice = 0.50;
    int displayOptions = 0; // bit 0: show conditions on system, bit 1: immediate calculation
    bool saveColumns = true;
    bool endWarning = false;
    int warningSound = 0;  // 0 or 1
    int contestNumber = 1; // 1..500
    bool shuffle = false;
    int recalcFlag1 = 0;
    int recalcFlag2 = 0;
    std::string unusedLine;
    std::string slipLayout;
    int slipFormat = 0;
    int printOption = 0;
    bool operator==(const ProgramSettings&) const = default;
};

} // namespace varnelo
