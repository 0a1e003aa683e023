#pragma once

#include "core/SystemOptions.h"

#include <string>

namespace varnelo {

// What the set-up window edits: a working copy of the system options and the
// program settings, with the rules the window applies on opening and on OK.
struct SetupForm {
    int levelIndex = 0; // `Option1` 0..4
    double coverage = kDefaultCoverage;
    bool differenceOn = false;
    int difference = 2; // 1..5
    bool orthogonalOn = false;
    int guaranteeIndex = 0; // `Combs` 0..8
    ProgramSettings settings;

    static SetupForm fromState(const SystemOptions& options, const ProgramSettings& settings);
    // The options and settings that OK applies.
    void applyTo(SystemOptions& options, ProgramSettings& settings) const;

    // Which groups of controls are enabled, by the mutual exclusion of the kinds.
    bool levelsEnabled() const { return !orthogonalOn && !differenceOn; }
    bool coverageEnabled() const { return levelsEnabled() && levelIndex != 0; }
    bool differenceEnabled() const { return !orthogonalOn && differenceOn; }
    bool guaranteeEnabled() const { return orthogonalOn; }
};

// Entries of the orthogonal guarantee list and the points / drawn of each kind 1..9.
const char* orthogonalEntry(int index);
int guaranteePoints(int kind);
int guaranteeDrawn(int kind);

// "Concorso N.": empty or below 1 gives 1, above 500 gives 500.
int contestFromText(const std::string& text);
// "Copertura del sistema %": empty, 0 or unreadable gives 100; at most 100, one decimal.
double coverageFromText(const std::string& text);

// Whether coverageFromText takes the text as typed (a number above 0 and
// at most 100); otherwise the window says which value will be used.
bool coverageTextExact(const std::string& text);

} // namespace varnelo
