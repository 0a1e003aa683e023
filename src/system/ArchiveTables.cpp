#include "system/ArchiveTables.h"

#include "conditions/DelayTables.h"
#include "conditions/FamilyFiles.h"
#include "core/AtomicWriter.h"
#include "core/Delays.h"
#include "core/SettingsFiles.h"

#include <filesystem>
#include <system_error>

namespace varnelo {

std::vector<Notice> refreshArchiveTables(ProgramState& state) {
    std::vector<Notice> notices = refreshArchiveFigures(state.folder, state.archive);
    rebuildDelayTables(state.delayTables, state.archive.selection);
    if (auto notice = loadComparisonDraws(state.folder, state.families.comparisonDraws))
        notices.push_back(std::move(*notice));
    return notices;
}

std::vector<Notice> loadStartupFiles(ProgramState& state) {
    // Writes cut short by an earlier crash leave their temporary files in the
    // program folder or one level below it.
    removeLeftoverTemporaries(state.folder.root());
    std::error_code ec;
    for (std::filesystem::directory_iterator it(state.folder.root(), ec), end; !ec && it != end;
         it.increment(ec)) {
        std::error_code entryEc;
        if (it->is_directory(entryEc))
            removeLeftoverTemporaries(it->path());
    }
    SettingsFiles files;
    std::vector<Notice> notices = loadSettingsFiles(state.folder, files);
    state.windowPositions = files.windows;
    state.printSettings = files.print;
    state.settings = files.program;
    for (Notice& n : refreshArchiveTables(state))
        notices.push_back(std::move(n));
    return notices;
}

} // namespace varnelo
