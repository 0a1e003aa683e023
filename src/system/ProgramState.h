#pragma once

#include "conditions/ConditionFamilies.h"
#include "conditions/ConditionSet.h"
#include "conditions/Levels.h"
#include "conditions/Links.h"
#include "conditions/Metrics.h"
#include "core/ColumnStore.h"
#include "core/Delays.h"
#include "core/ProgramFolder.h"
#include "core/Selection.h"
#include "core/SettingsFiles.h"
#include "core/SystemOptions.h"
#include "system/SystemFile.h"

#include <string>

namespace varnelo {

// Everything a run of the program shares: the program folder and the current
// system. Owned by the main window (or the command line) and handed to the
// windows by reference.
struct ProgramState {
    explicit ProgramState(ProgramFolder programFolder);

    ProgramFolder folder;
    std::string systemName; // without folder and extension
    Selection selection;
    ColumnStore columns;
    ConditionSet conditions;
    Links links;
    Quadri quadri;
    LevelLimits levels;
    DistributionTable distribution; // of the last development
    ConditionFamilies families;
    FamilyDistribution familyDistribution; // of the last development
    // Per-number and pair delays of the newest draws of the statistics selection.
    DelayTables delayTables;
    ModifiedFamilies modifiedFamilies;
    SystemOptions options;
    ProgramSettings settings;
    WindowPositions windowPositions;
    PrintSettings printSettings;
    ArchiveFigures archive; // statistics count and current delays of the selection
    // Sections of the system's settings file that no family of this program reads.
    std::vector<SystemSectionLines> otherSections;
    bool modified = false;    // the current system has unsaved changes
    std::string forecastLock; // "Blocca" while the forecast is locked

    // Caption text of the main window.
    std::string caption() const;
    // The numbers cannot change: locked by "Blocca", or fixed by imported columns.
    bool forecastLocked() const;
    std::string finalCountText() const;
};

} // namespace varnelo
