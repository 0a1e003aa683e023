#pragma once

#include "core/ProgramFolder.h"
#include "system/SystemFile.h"

#include <string>
#include <vector>

namespace varnelo {

// One saved system as the open window lists it.
struct SystemEntry {
    std::string name;
    std::string description; // "Sistema Sconosciuto" when the file gives none
    SystemCounts counts;
    int kindCode = 0;
    int developmentLevel = 0;
    bool damaged = false; // listed so that it can still be deleted
};

// Every settings file of qor/, sorted by name.
std::vector<SystemEntry> listSystems(const ProgramFolder& folder);

// Deletes both files of a saved system; false with an Italian message.
bool deleteSystem(const ProgramFolder& folder, const std::string& name, std::string& error);

} // namespace varnelo
