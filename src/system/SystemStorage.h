#pragma once

#include "core/ColumnsFile.h"
#include "core/Notice.h"
#include "core/Progress.h"
#include "system/ProgramState.h"

#include <functional>
#include <optional>
#include <string>
#include <string_view>

namespace varnelo {

// "Avviso:" for a settings file that is missing or ends before its last block.
Notice damagedSystemNotice(const std::string& name);
// "Avviso:" for a save under the reserved name; with the two further lines
// when the current system is the archive system.
Notice reservedNameNotice(bool currentIsArchive);
// The Yes/No question of the overwrite check.
Notice overwriteQuestion(const std::string& name);
// The Sì/No/Annulla question before exit, New and Open; nothing when the
// system is not modified.
std::optional<Notice> savePrompt(const ProgramState& state);

bool systemExists(const ProgramFolder& folder, const std::string& name);

// "Salva col nome" after "OK" in `GestioneSalva`.
enum class SaveAsStep {
    Refuse,       // show the notice, nothing written
    NothingToDo,  // same name, not modified
    AskOverwrite, // show the question; on "Sì" call saveSystemAs
    Save          // call saveSystemAs
};
struct SaveAsDecision {
    SaveAsStep step = SaveAsStep::Refuse;
    std::string name; // the name as the name box keeps it
    std::optional<Notice> notice;
};
SaveAsDecision decideSaveAs(const ProgramState& state, std::string_view typedName);

// The boundaries between the steps of a save, in order. A test hook called at
// each shows what a crash there would leave on the disk.
enum class SaveStep { ColumnsWritten, SettingsWritten, ColumnsReplaced, SettingsReplaced };
void setSaveStepHook(std::function<void(SaveStep)> hook);

// "Salva": writes the settings file and, when the system holds columns and the
// save-columns option is on, the columns file. Both are written in full to
// temporary files before either replaces the old one, so a failure or a
// cancel leaves the previous system whole and the modified flag set. The
// settings file records a seal of the columns file and replaces the old one
// last, so a crash between the two renames leaves a pair that opening refuses.
TaskOutcome saveSystem(ProgramState& state, Progress& progress);
// Takes the new name and saves; a failure keeps the old name.
TaskOutcome saveSystemAs(ProgramState& state, const std::string& name, Progress& progress);

// After the save prompt: reads qor/<name>.sse and loads its columns. A missing
// or damaged file changes nothing and gives its notice; an empty one clears
// the current system quietly. A cancelled or failed column load leaves the
// opened system without columns, every counter at 0.
// "Apri sistemi versione precedente" reads the settings file with the
// previous layout.
TaskOutcome openSystem(ProgramState& state, const std::string& name, Progress& progress,
                       SettingsLayout layout = SettingsLayout::Current);

// Every condition of the system to its default (the picchetti stay).
void clearConditions(ProgramState& state);
// The conditions of another system's settings (rework with its conditions).
void takeConditions(ProgramState& state, const SystemSettings& s);

// "Nuovo": clears numbers, Numeroni, options, conditions and columns and
// takes the first free default name.
void newSystem(ProgramState& state);

// The settings of the current system as they would be saved.
SystemSettings currentSystemSettings(const ProgramState& state);

// Rebuilds qor/archivio.cna and qor/archivio.sse from enal/archivio.cna.
TaskOutcome buildArchiveSystem(const ProgramFolder& folder);

} // namespace varnelo
