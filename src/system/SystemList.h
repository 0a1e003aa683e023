#pragma once

#include "core/ProgramFolder.h"
#include "system/SystemFile.h"

#include <filesystem>
#include <string>
#include <vector>

namespace varnelo {

// One saved system as the open window lists it.
struct SystemEntry {
    std::string name;
    // The file's own, else "Sistema Colonnare" for columns without conditions
    // (imported from text), else "Sistema Sconosciuto".
    std::string description;
    SystemCounts counts;
    int kindCode = 0;
    int developmentLevel = 0;
    bool damaged = false;                      // listed so that it can still be deleted
    std::filesystem::file_time_type written{}; // of the settings file
};

// Every settings file of qor/, sorted by name.
std::vector<SystemEntry> listSystems(const ProgramFolder& folder);

// The entry to preselect: the system of that name, else the newest one that
// is not the archive system, else the first; -1 for an empty list.
int preferredEntry(const std::vector<SystemEntry>& entries, const std::string& current);

// Deletes both files of a saved system; false with an Italian message. The
// archive system is refused: it is rebuilt from the draw archive.
bool deleteSystem(const ProgramFolder& folder, const std::string& name, std::string& error);

} // namespace varnelo
