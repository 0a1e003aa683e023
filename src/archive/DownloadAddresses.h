#pragma once

#include "core/ProgramFolder.h"

#include <string>

namespace varnelo {

// enal/collegamento.txt: the first line is the address of the archive
// block, the second the address of the version file; either may be empty.
struct DownloadAddresses {
    std::string archive;
    std::string version;
    bool operator==(const DownloadAddresses&) const = default;
};

// Empty addresses when the file is missing or unreadable.
DownloadAddresses readDownloadAddresses(const ProgramFolder& folder);
bool writeDownloadAddresses(const ProgramFolder& folder, const DownloadAddresses& addresses,
                            std::string& error);

} // namespace varnelo
